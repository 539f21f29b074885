<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Predivo</source>
        <translation>À propos de Predivo</translation>
    </message>
    <message>
        <source>Copyright 2006 The Predivo developers</source>
        <translation>Copyright 2006 Les développeurs de Predivo</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>%1: the connection to the display was lost.</source>
        <translation>%1&#xa0;: la connexion à l&apos;affichage a été perdue.</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY n&apos;est pas définie</translation>
    </message>
    <message>
        <source>%1 cannot start: no graphical display could be opened (%2).
Run it on a desktop, or set DISPLAY to a running X server.</source>
        <translation>%1 ne peut pas démarrer&#xa0;: aucun affichage graphique n&apos;a pu être ouvert (%2).
Lancez-le depuis un bureau, ou faites pointer DISPLAY vers un serveur X en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>An unexpected error occurred, and %1 has to close.

%2</source>
        <translation>Une erreur inattendue s&apos;est produite et %1 doit se fermer.

%2</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>Enter the 4 frequencies OR the 3 percentages.</source>
        <translation>Saisissez les 4 effectifs OU les 3 pourcentages.</translation>
    </message>
    <message>
        <source>Percentages cannot be greater than 100.</source>
        <translation>Les pourcentages ne peuvent pas dépasser 100.</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>digits</source>
        <translation>chiffres</translation>
    </message>
    <message>
        <source>Test positive, disorder present</source>
        <translation>Test positif, maladie présente</translation>
    </message>
    <message>
        <source>Test positive, disorder absent</source>
        <translation>Test positif, maladie absente</translation>
    </message>
    <message>
        <source>Test negative, disorder present</source>
        <translation>Test négatif, maladie présente</translation>
    </message>
    <message>
        <source>Test negative, disorder absent</source>
        <translation>Test négatif, maladie absente</translation>
    </message>
    <message>
        <source>Percent prevalence in population</source>
        <translation>Prévalence dans la population, en pourcentage</translation>
    </message>
    <message>
        <source>If person has disorder, percent with positive test</source>
        <translation>Si la personne a la maladie, pourcentage de tests positifs</translation>
    </message>
    <message>
        <source>If person does not have disorder, percent with positive test</source>
        <translation>Si la personne n&apos;a pas la maladie, pourcentage de tests positifs</translation>
    </message>
    <message>
        <source>Percent with positive test and disorder</source>
        <translation>Pourcentage de personnes malades parmi les tests positifs</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Percent prevalence in population:</source>
        <translation>Prévalence dans la population (%)&#xa0;:</translation>
    </message>
    <message>
        <source>If person has disorder, percent with positive test:</source>
        <translation>Si la personne a la maladie, % de tests positifs&#xa0;:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Copyright 2006 The Predivo developers</source>
        <translation>Copyright 2006 Les développeurs de Predivo</translation>
    </message>
    <message>
        <source>If person does not have disorder, percent with positive test:</source>
        <translation>Si la personne n&apos;a pas la maladie, % de tests positifs&#xa0;:</translation>
    </message>
    <message>
        <source>Disorder</source>
        <translation>Maladie</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Présente</translation>
    </message>
    <message>
        <source>Absent</source>
        <translation>Absente</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positif</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Négatif</translation>
    </message>
    <message>
        <source>Percent with positive test and disorder:</source>
        <translation>% de malades parmi les tests positifs&#xa0;:</translation>
    </message>
    <message>
        <source>Digits and a decimal point only</source>
        <translation>Uniquement des chiffres et une virgule</translation>
    </message>
    <message>
        <source>Whole numbers only</source>
        <translation>Nombres entiers uniquement</translation>
    </message>
    <message>
        <source>Positive predictive value: %1%</source>
        <translation>Valeur prédictive positive&#xa0;: %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>Cases</name>
    <message>
        <source>true positives</source>
        <translation>vrais positifs</translation>
    </message>
    <message>
        <source>false positives</source>
        <translation>faux positifs</translation>
    </message>
    <message>
        <source>false negatives</source>
        <translation>faux négatifs</translation>
    </message>
    <message>
        <source>true negatives</source>
        <translation>vrais négatifs</translation>
    </message>
    <message>
        <source>prevalence</source>
        <translation>prévalence</translation>
    </message>
    <message>
        <source>sensitivity</source>
        <translation>sensibilité</translation>
    </message>
    <message>
        <source>false-positive rate</source>
        <translation>taux de faux positifs</translation>
    </message>
    <message>
        <source>what the test looks for</source>
        <translation>ce que le test recherche</translation>
    </message>
    <message>
        <source>who is tested</source>
        <translation>qui est testé</translation>
    </message>
    <message>
        <source>one of them</source>
        <translation>au singulier</translation>
    </message>
    <message>
        <source>prevalence in the population tested</source>
        <translation>prévalence dans la population testée</translation>
    </message>
    <message>
        <source>number of people the story is told for</source>
        <translation>nombre de personnes pour l&apos;explication</translation>
    </message>
    <message>
        <source>source</source>
        <translation>source</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than a case can be; it is not a case.</source>
        <translation>«&#xa0;%1&#xa0;» est plus grand qu&apos;un cas ne peut l&apos;être&#x202f;; ce n&apos;est pas un cas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be opened.</source>
        <translation>«&#xa0;%1&#xa0;» est endommagé et ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Predivo case.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un cas Predivo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved by a newer version of Predivo and cannot be opened here.</source>
        <translation>«&#xa0;%1&#xa0;» a été enregistré par une version plus récente de Predivo et ne peut pas être ouvert ici.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its %2 is not something that field can hold.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être ouvert&#xa0;: son entrée «&#xa0;%2&#xa0;» contient une valeur que ce champ ne peut pas recevoir.</translation>
    </message>
    <message>
        <source>The case could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Le cas n&apos;a pas pu être enregistré sous «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Predivo tells how likely a positive test result is to be right. Without options it opens its windows; with --explain or --export it works from the command line and needs no display.</source>
        <translation>Predivo indique la probabilité qu&apos;un résultat de test positif soit juste. Sans option, il ouvre ses fenêtres&#x202f;; avec --explain ou --export, il fonctionne en ligne de commande et n&apos;a besoin d&apos;aucun affichage.</translation>
    </message>
    <message>
        <source>Prints the explanation of a test, as the Explanation window copies it.</source>
        <translation>Affiche l&apos;explication d&apos;un test, telle que la fenêtre Explication la copie.</translation>
    </message>
    <message>
        <source>Writes a picture of the test to FILE, as SVG or PNG by its extension.</source>
        <translation>Écrit une image du test dans FICHIER, en SVG ou en PNG selon son extension.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>The picture to export: tree (the default), icons or curves.</source>
        <translation>L&apos;image à exporter&#xa0;: tree (l&apos;arbre, par défaut), icons (les tableaux d&apos;icônes) ou curves (les courbes).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>With four counts: the prevalence in the population tested, in percent.</source>
        <translation>Avec quatre effectifs&#xa0;: la prévalence dans la population testée, en pourcentage.</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>POURCENTAGE</translation>
    </message>
    <message>
        <source>The people the story is told for: 1000, 10000, 100000 or 1000000.</source>
        <translation>Le nombre de personnes pour lequel l&apos;explication est donnée&#xa0;: 1000, 10000, 100000 ou 1000000.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>text (the default) or tsv: only the statistics, tab-separated.</source>
        <translation>text (par défaut) ou tsv&#xa0;: uniquement les statistiques, séparées par des tabulations.</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>What the test looks for, in place of &quot;the disorder&quot;.</source>
        <translation>Ce que le test recherche, avec son article, à la place de «&#xa0;la maladie&#xa0;».</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXTE</translation>
    </message>
    <message>
        <source>Who is tested, in place of &quot;people&quot;.</source>
        <translation>Qui est testé, au pluriel, à mettre à la place de «&#xa0;personnes&#xa0;».</translation>
    </message>
    <message>
        <source>One of them, in place of &quot;person&quot;.</source>
        <translation>L&apos;une des personnes testées, au singulier, à la place de «&#xa0;personne&#xa0;».</translation>
    </message>
    <message>
        <source>Explains or exports a saved case instead of NUMBERS.</source>
        <translation>Explique ou exporte un cas enregistré au lieu de NOMBRES.</translation>
    </message>
    <message>
        <source>NUMBERS</source>
        <translation>NOMBRES</translation>
    </message>
    <message>
        <source>Four counts (true positives, false positives, false negatives, true negatives) or three percentages (prevalence, sensitivity, false-positive rate). A case file alone opens it in the windows.</source>
        <translation>Quatre effectifs (vrais positifs, faux positifs, faux négatifs, vrais négatifs) ou trois pourcentages (prévalence, sensibilité, taux de faux positifs). Un fichier de cas donné seul s&apos;ouvre dans les fenêtres.</translation>
    </message>
    <message>
        <source>give the numbers or --case, not both</source>
        <translation>donnez les nombres ou --case, pas les deux</translation>
    </message>
    <message>
        <source>give four counts or three percentages</source>
        <translation>donnez quatre effectifs ou trois pourcentages</translation>
    </message>
    <message>
        <source>--prevalence goes with four counts</source>
        <translation>--prevalence s&apos;emploie avec quatre effectifs</translation>
    </message>
    <message>
        <source>--%1 takes at most %2 characters</source>
        <translation>--%1 accepte au plus %2 caractères</translation>
    </message>
    <message>
        <source>--size is 1000, 10000, 100000 or 1000000</source>
        <translation>--size vaut 1000, 10000, 100000 ou 1000000</translation>
    </message>
    <message>
        <source>give --explain or --export with the numbers</source>
        <translation>donnez --explain ou --export avec les nombres</translation>
    </message>
    <message>
        <source>--format is text or tsv</source>
        <translation>--format vaut text ou tsv</translation>
    </message>
    <message>
        <source>--picture is tree, icons or curves</source>
        <translation>--picture vaut tree, icons ou curves</translation>
    </message>
    <message>
        <source>--picture goes with --export</source>
        <translation>--picture s&apos;emploie avec --export</translation>
    </message>
    <message>
        <source>--export writes .svg or .png files</source>
        <translation>--export écrit des fichiers .svg ou .png</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Affiche la version.</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>EditField</name>
    <message>
        <source>At most %1 %2</source>
        <translation>%1 %2 au plus</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>caractères</translation>
    </message>
</context>
<context>
    <name>Examples</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A publication (%1), then what the example takes from it (%2).</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Mammography (Gigerenzer and Hoffrage 1995)</source>
        <translation>Mammographie (Gigerenzer et Hoffrage 1995)</translation>
    </message>
    <message>
        <source>breast cancer</source>
        <translation>un cancer du sein</translation>
    </message>
    <message>
        <source>women at age forty in routine screening</source>
        <translation>femmes de 40 ans en dépistage régulier</translation>
    </message>
    <message>
        <source>woman at age forty in routine screening</source>
        <translation>femme de 40 ans en dépistage régulier</translation>
    </message>
    <message>
        <source>Hemoccult test (Gigerenzer 2002)</source>
        <translation>Test Hémoccult (Gigerenzer 2002)</translation>
    </message>
    <message>
        <source>colorectal cancer</source>
        <translation>un cancer colorectal</translation>
    </message>
    <message>
        <source>men screened with the hemoccult test</source>
        <translation>hommes dépistés par le test Hémoccult</translation>
    </message>
    <message>
        <source>man screened with the hemoccult test</source>
        <translation>homme dépisté par le test Hémoccult</translation>
    </message>
    <message>
        <source>HIV test in a low-risk group (Gigerenzer, Hoffrage and Ebert 1998)</source>
        <translation>Test du VIH dans un groupe à faible risque (Gigerenzer, Hoffrage et Ebert 1998)</translation>
    </message>
    <message>
        <source>HIV</source>
        <translation>le VIH</translation>
    </message>
    <message>
        <source>heterosexual men with low-risk behaviour</source>
        <translation>hommes hétérosexuels à faible risque</translation>
    </message>
    <message>
        <source>heterosexual man with low-risk behaviour</source>
        <translation>homme hétérosexuel à faible risque</translation>
    </message>
    <message>
        <source>1 in 10,000 is infected, and 1 in 9,999 who are not tests positive; the infected one tests positive with practical certainty, taken as 100%</source>
        <translation>1 personne sur 10&#x202f;000 est infectée, et 1 sur 9&#x202f;999 non infectées a un test positif&#x202f;; la personne infectée a un test positif avec une quasi-certitude, comptée comme 100&#xa0;%</translation>
    </message>
    <message>
        <source>Prenatal cell-free DNA screening (Nicolaides et al. 2012)</source>
        <translation>Dépistage prénatal par ADN libre circulant (Nicolaides et al. 2012)</translation>
    </message>
    <message>
        <source>trisomy 21 or 18</source>
        <translation>une trisomie 21 ou 18</translation>
    </message>
    <message>
        <source>women screened at 11 to 13 weeks</source>
        <translation>femmes dépistées de 11 à 13 semaines</translation>
    </message>
    <message>
        <source>woman screened at 11 to 13 weeks</source>
        <translation>femme dépistée de 11 à 13 semaines</translation>
    </message>
    <message>
        <source>the 1,949 of 2,049 women who were given a risk score</source>
        <translation>les 1&#x202f;949 femmes sur 2&#x202f;049 qui ont reçu un score de risque</translation>
    </message>
    <message>
        <source>PSA test (Thompson et al. 2005)</source>
        <translation>Dosage du PSA (Thompson et al. 2005)</translation>
    </message>
    <message>
        <source>prostate cancer</source>
        <translation>un cancer de la prostate</translation>
    </message>
    <message>
        <source>men aged 55 or older who had a biopsy</source>
        <translation>hommes de 55 ans ou plus biopsiés</translation>
    </message>
    <message>
        <source>man aged 55 or older who had a biopsy</source>
        <translation>homme de 55 ans ou plus biopsié</translation>
    </message>
    <message>
        <source>a PSA of 4.1 ng/mL or more taken as positive</source>
        <translation>un PSA de 4,1&#xa0;ng/ml ou plus compté comme positif</translation>
    </message>
    <message>
        <source>Liver scan (Altman and Bland 1994)</source>
        <translation>Scintigraphie hépatique (Altman et Bland 1994)</translation>
    </message>
    <message>
        <source>abnormal pathology</source>
        <translation>une anomalie histologique</translation>
    </message>
    <message>
        <source>patients given a liver scan</source>
        <translation>patients ayant eu une scintigraphie</translation>
    </message>
    <message>
        <source>patient given a liver scan</source>
        <translation>patient ayant eu une scintigraphie</translation>
    </message>
    <message>
        <source>Rapid antigen test for SARS-CoV-2 (Brümmer et al. 2021)</source>
        <translation>Test antigénique rapide du SARS-CoV-2 (Brümmer et al. 2021)</translation>
    </message>
    <message>
        <source>SARS-CoV-2 infection</source>
        <translation>une infection à SARS-CoV-2</translation>
    </message>
    <message>
        <source>people tested</source>
        <translation>personnes testées</translation>
    </message>
    <message>
        <source>person tested</source>
        <translation>personne testée</translation>
    </message>
    <message>
        <source>pooled sensitivity 71.2% and specificity 98.9%; a review of accuracy gives no prevalence, so 5% is assumed</source>
        <translation>sensibilité combinée de 71,2&#xa0;% et spécificité de 98,9&#xa0;%&#x202f;; une revue de l&apos;exactitude ne donne pas de prévalence, on suppose donc 5&#xa0;%</translation>
    </message>
    <message>
        <source>Casscells, Schoenberger and Graboys (1978)</source>
        <translation>Casscells, Schoenberger et Graboys (1978)</translation>
    </message>
    <message>
        <source>the disease</source>
        <translation>la maladie</translation>
    </message>
    <message>
        <source>persons tested</source>
        <translation>personnes testées</translation>
    </message>
    <message>
        <source>prevalence 1 in 1,000, false-positive rate 5%; the question states no sensitivity, so 100% is assumed</source>
        <translation>prévalence de 1 sur 1&#x202f;000, taux de faux positifs de 5&#xa0;%&#x202f;; la question n&apos;indique pas de sensibilité, on suppose donc 100&#xa0;%</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>people</source>
        <translation>personnes</translation>
    </message>
    <message>
        <source>person</source>
        <translation>personne</translation>
    </message>
    <message>
        <source>the disorder</source>
        <translation>la maladie</translation>
    </message>
    <message numerus="yes">
        <source>%2</source>
        <comment>%1</comment>
        <extracomment>Picks the noun for a count by the language&apos;s plural rule: %1 the singular, %2 the plural.</extracomment>
        <translation>
            <numerusform>%1</numerusform>
            <numerusform>%2</numerusform>
        </translation>
    </message>
    <message>
        <source>with the disorder</source>
        <translation>avec la maladie</translation>
    </message>
    <message>
        <source>with %1</source>
        <translation>avec %1</translation>
    </message>
    <message>
        <source>without the disorder</source>
        <translation>sans la maladie</translation>
    </message>
    <message>
        <source>without %1</source>
        <translation>indemnes</translation>
    </message>
    <message numerus="yes">
        <source>%1 who test positive</source>
        <comment>%1 who tests positive</comment>
        <translation>
            <numerusform>%1 dont le test est positif</numerusform>
            <numerusform>%1 dont le test est positif</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 who test negative</source>
        <comment>%1 who tests negative</comment>
        <translation>
            <numerusform>%1 dont le test est négatif</numerusform>
            <numerusform>%1 dont le test est négatif</numerusform>
        </translation>
    </message>
    <message>
        <source>undefined</source>
        <translation>non défini</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>infini</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>the true positives</source>
        <translation>les vrais positifs</translation>
    </message>
    <message>
        <source>the false positives</source>
        <translation>les faux positifs</translation>
    </message>
    <message>
        <source>the false negatives</source>
        <translation>les faux négatifs</translation>
    </message>
    <message>
        <source>the true negatives</source>
        <translation>les vrais négatifs</translation>
    </message>
    <message>
        <source>the prevalence</source>
        <translation>la prévalence</translation>
    </message>
    <message>
        <source>the sensitivity</source>
        <translation>la sensibilité</translation>
    </message>
    <message>
        <source>the false-positive rate</source>
        <translation>le taux de faux positifs</translation>
    </message>
    <message>
        <source>The prevalence entered is above %1.</source>
        <translation>La prévalence saisie dépasse %1.</translation>
    </message>
    <message>
        <source>The sensitivity entered is above %1.</source>
        <translation>La sensibilité saisie dépasse %1.</translation>
    </message>
    <message>
        <source>The false-positive rate entered is above %1.</source>
        <translation>Le taux de faux positifs saisi dépasse %1.</translation>
    </message>
    <message>
        <source>a count above 0</source>
        <translation>un effectif supérieur à 0</translation>
    </message>
    <message>
        <source>To explain a test, enter %1, or %2.</source>
        <translation>Pour expliquer un test, saisissez %1, ou %2.</translation>
    </message>
    <message>
        <source>%1; the table&apos;s own is used.</source>
        <translation>%1&#x202f;; celle du tableau est utilisée.</translation>
    </message>
    <message>
        <source>The prevalence in the population tested is not a number</source>
        <translation>La prévalence dans la population testée n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>The prevalence in the population tested is above %1</source>
        <translation>La prévalence dans la population testée dépasse %1</translation>
    </message>
    <message>
        <source>No one in the table has %1, so it cannot be carried over</source>
        <translation>Le tableau ne compte personne avec %1, la prévalence saisie ne peut donc pas s&apos;appliquer</translation>
    </message>
    <message>
        <source>Everyone in the table has %1, so it cannot be carried over</source>
        <translation>Dans le tableau, tout le monde a %1, la prévalence saisie ne peut donc pas s&apos;appliquer</translation>
    </message>
    <message numerus="yes">
        <source>At the entered prevalence of %3: of %1, %n have %2.</source>
        <comment>At the entered prevalence of %3: of %1, %n has %2.</comment>
        <translation>
            <numerusform>Avec la prévalence saisie de %3&#xa0;: sur %1, %n a %2.</numerusform>
            <numerusform>Avec la prévalence saisie de %3&#xa0;: sur %1, %n ont %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of %1, %n have %2.</source>
        <comment>Of %1, %n has %2.</comment>
        <translation>
            <numerusform>Sur %1, %n a %2.</numerusform>
            <numerusform>Sur %1, %n ont %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of these %1 test positive.</source>
        <comment>%n of these %1 tests positive.</comment>
        <extracomment>%1 those with the disorder, %2 the same with their noun.</extracomment>
        <translation>
            <numerusform>Sur ces %1, %n a un test positif.</numerusform>
            <numerusform>Sur ces %1, %n ont un test positif.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of the %1 %2, %n also test positive.</source>
        <comment>Of the %1 %2, %n also tests positive.</comment>
        <extracomment>%1 those without the disorder, %3 the same with their noun.</extracomment>
        <translation>
            <numerusform>Sur les %1 %2, %n a aussi un test positif.</numerusform>
            <numerusform>Sur les %1 %2, %n ont aussi un test positif.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>So %n of the %1 have %2 (%3).</source>
        <comment>So %n of the %1 has %2 (%3).</comment>
        <translation>
            <numerusform>Donc, sur %1, %n a %2 (%3).</numerusform>
            <numerusform>Donc, sur %1, %n ont %2 (%3).</numerusform>
        </translation>
    </message>
    <message>
        <source>So no one tests positive, and the positive predictive value is undefined.</source>
        <translation>Personne n&apos;a donc de test positif, et la valeur prédictive positive n&apos;est pas définie.</translation>
    </message>
    <message>
        <source>No one tests negative, so the negative predictive value is undefined.</source>
        <translation>Personne n&apos;a de test négatif, la valeur prédictive négative n&apos;est donc pas définie.</translation>
    </message>
    <message numerus="yes">
        <source>Of the %1, %n do not have %2 (%3), so %4 of those who test negative have %2.</source>
        <comment>Of the %1, %n does not have %2 (%3), so %4 of those who test negative have %2.</comment>
        <translation>
            <numerusform>Sur %1, %n est indemne (%3), si bien que %4 des personnes dont le test est négatif ont %2.</numerusform>
            <numerusform>Sur %1, %n sont indemnes (%3), si bien que %4 des personnes dont le test est négatif ont %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Source: %1.</source>
        <translation>Source&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Sensitivity (%)</source>
        <translation>Sensibilité (%)</translation>
    </message>
    <message>
        <source>Specificity (%)</source>
        <translation>Spécificité (%)</translation>
    </message>
    <message>
        <source>Positive likelihood ratio</source>
        <translation>Rapport de vraisemblance positif</translation>
    </message>
    <message>
        <source>Negative likelihood ratio</source>
        <translation>Rapport de vraisemblance négatif</translation>
    </message>
    <message>
        <source>Diagnostic odds ratio</source>
        <translation>Odds ratio diagnostique</translation>
    </message>
    <message>
        <source>Youden&apos;s index</source>
        <translation>Indice de Youden</translation>
    </message>
    <message>
        <source>Number needed to diagnose</source>
        <translation>Nombre nécessaire pour diagnostiquer</translation>
    </message>
    <message>
        <source>Prevalence (%)</source>
        <translation>Prévalence (%)</translation>
    </message>
    <message>
        <source>Positive predictive value (%)</source>
        <translation>Valeur prédictive positive (%)</translation>
    </message>
    <message>
        <source>Negative predictive value (%)</source>
        <translation>Valeur prédictive négative (%)</translation>
    </message>
    <message>
        <source>Disorder after a negative test (%)</source>
        <translation>Maladie malgré un test négatif (%)</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Exactitude (%)</translation>
    </message>
    <message>
        <source>no one has %1</source>
        <translation>aucune personne avec %1</translation>
    </message>
    <message>
        <source>no one is %1</source>
        <translation>aucune personne indemne</translation>
    </message>
    <message>
        <source>no one tests positive</source>
        <translation>aucun test positif</translation>
    </message>
    <message>
        <source>no one tests negative</source>
        <translation>aucun test négatif</translation>
    </message>
    <message>
        <source>the test does no better than chance</source>
        <translation>le test ne fait pas mieux que le hasard</translation>
    </message>
    <message>
        <source>%1 added to every cell for the interval</source>
        <translation>%1 ajouté à chaque case pour l&apos;intervalle</translation>
    </message>
    <message>
        <source>sensitivity or specificity is 0 or %1: adjusted logit interval</source>
        <translation>sensibilité ou spécificité de 0 ou %1&#xa0;: intervalle logit ajusté</translation>
    </message>
    <message>
        <source>entered for the population tested</source>
        <translation>saisie pour la population testée</translation>
    </message>
    <message>
        <source>at the entered prevalence</source>
        <translation>à la prévalence saisie</translation>
    </message>
    <message>
        <source>Percentages carry no sample sizes, so these figures have no confidence intervals.</source>
        <translation>Les pourcentages ne disent rien de la taille de l&apos;échantillon&#x202f;; ces valeurs n&apos;ont donc pas d&apos;intervalle de confiance.</translation>
    </message>
    <message>
        <source>the share %1</source>
        <translation>la part des personnes %1</translation>
    </message>
    <message>
        <source>the share of those %1 who test negative</source>
        <translation>la part des personnes %1 dont le test est négatif</translation>
    </message>
    <message>
        <source>the specificity</source>
        <translation>la spécificité</translation>
    </message>
    <message>
        <source>the positive predictive value</source>
        <translation>la valeur prédictive positive</translation>
    </message>
    <message>
        <source>the negative predictive value</source>
        <translation>la valeur prédictive négative</translation>
    </message>
    <message>
        <source>the share %1 among those who test negative</source>
        <translation>la part des personnes %1 parmi celles dont le test est négatif</translation>
    </message>
    <message>
        <source>Whole persons cannot show every figure even of %1: for them %2 is %3, where the table has %4.</source>
        <translation>En personnes entières, même %1 ne peuvent pas montrer toutes les valeurs du tableau&#xa0;: %2 y vaut %3, alors que le tableau donne %4.</translation>
    </message>
    <message>
        <source>Whole persons of %1 do not show every figure as the table does; the story is told for %2.</source>
        <translation>En personnes entières, %1 ne montrent pas toutes les valeurs du tableau&#x202f;; l&apos;explication est donnée pour %2.</translation>
    </message>
    <message>
        <source>Whole persons of %1 do not show every figure as the table does; it can be told for %2 people.</source>
        <translation>En personnes entières, %1 ne montrent pas toutes les valeurs du tableau&#x202f;; l&apos;explication peut être donnée pour %2 personnes.</translation>
    </message>
    <message>
        <source>The predictive values and the accuracy hold only where the table&apos;s prevalence is that of the population tested; for a case-control study, enter the population&apos;s prevalence under &quot;Prevalence in the population tested&quot;.</source>
        <translation>Les valeurs prédictives et l&apos;exactitude ne valent que si la prévalence du tableau est celle de la population testée&#x202f;; pour une étude cas-témoins, saisissez la prévalence de la population sous «&#xa0;Prévalence dans la population testée&#xa0;».</translation>
    </message>
    <message>
        <source>The table is used; the percentages entered beside it are not.</source>
        <translation>Le tableau est utilisé&#x202f;; les pourcentages saisis à côté ne le sont pas.</translation>
    </message>
    <message>
        <source>Methods: sensitivity, specificity, prevalence, accuracy and the predictive values of the table are proportions of the sample, with exact Clopper–Pearson 95% confidence intervals. The likelihood ratios and the diagnostic odds ratio have intervals by the log method (Altman et al., Statistics with Confidence, 2nd ed., 2000), from the cells as they are when none is 0 and with 0.5 added to each of the four otherwise; a ratio whose denominator alone is 0 is infinite. Youden&apos;s index has as bounds those of sensitivity and specificity added, less 1, and the number needed to diagnose their reciprocals. Predictive values at an entered prevalence have the logit intervals of Mercaldo, Lau and Zhou (Statistics in Medicine 26, 2007): the standard one, or the adjusted one where sensitivity or specificity is 0 or 100%. Figures are rounded from their exact values, halves away from zero: percentages to one decimal, or to two significant digits of their distance from 0 or 100% where one decimal would hide it; ratios to three significant digits. Persons are whole persons, rounded the same way.</source>
        <translation>Méthodes&#xa0;: la sensibilité, la spécificité, la prévalence, l&apos;exactitude et les valeurs prédictives du tableau sont des proportions de l&apos;échantillon, avec des intervalles de confiance exacts à 95&#xa0;% de Clopper–Pearson. Les rapports de vraisemblance et l&apos;odds ratio diagnostique ont des intervalles par la méthode logarithmique (Altman et al., Statistics with Confidence, 2e éd., 2000), calculés sur les cases telles quelles si aucune ne vaut 0, et sinon avec 0,5 ajouté à chacune des quatre&#x202f;; un rapport dont seul le dénominateur vaut 0 est infini. L&apos;indice de Youden a pour bornes la somme de celles de la sensibilité et de la spécificité, moins 1, et le nombre nécessaire pour diagnostiquer leurs inverses. Les valeurs prédictives à une prévalence saisie ont les intervalles logit de Mercaldo, Lau et Zhou (Statistics in Medicine 26, 2007)&#xa0;: l&apos;intervalle standard, ou l&apos;intervalle ajusté si la sensibilité ou la spécificité vaut 0 ou 100&#xa0;%. Les valeurs sont arrondies à partir de leur valeur exacte, les demis s&apos;éloignant de zéro&#xa0;: les pourcentages à une décimale, ou à deux chiffres significatifs de leur écart à 0 ou à 100&#xa0;% là où une décimale le masquerait&#x202f;; les rapports à trois chiffres significatifs. Les personnes sont des personnes entières, arrondies de la même façon.</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Indicateur</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Lower 95% limit</source>
        <translation>Limite inférieure à 95&#xa0;%</translation>
    </message>
    <message>
        <source>Upper 95% limit</source>
        <translation>Limite supérieure à 95&#xa0;%</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>true positives %1, false positives %2, false negatives %3, true negatives %4</source>
        <translation>vrais positifs %1, faux positifs %2, faux négatifs %3, vrais négatifs %4</translation>
    </message>
    <message>
        <source>population prevalence %1</source>
        <translation>prévalence dans la population %1</translation>
    </message>
    <message>
        <source>prevalence %1, sensitivity %2, false-positive rate %3</source>
        <translation>prévalence %1, sensibilité %2, taux de faux positifs %3</translation>
    </message>
</context>
<context>
    <name>ExplanationWindow</name>
    <message>
        <source>Digits and a decimal point only</source>
        <translation>Uniquement des chiffres et une virgule</translation>
    </message>
    <message>
        <source>the fewest people that show the same values</source>
        <translation>le moins de personnes donnant les mêmes valeurs</translation>
    </message>
    <message>
        <source>What the test looks for:</source>
        <translation>Ce que le test recherche&#xa0;:</translation>
    </message>
    <message>
        <source>What the test looks for</source>
        <translation>Ce que le test recherche, avec son article</translation>
    </message>
    <message>
        <source>Who is tested:</source>
        <translation>Qui est testé&#xa0;:</translation>
    </message>
    <message>
        <source>Who is tested, in the plural</source>
        <translation>Qui est testé, au pluriel</translation>
    </message>
    <message>
        <source>One of them:</source>
        <translation>Au singulier&#xa0;:</translation>
    </message>
    <message>
        <source>One of those tested, in the singular</source>
        <translation>L&apos;une des personnes testées, au singulier</translation>
    </message>
    <message>
        <source>icon-arrays.svg</source>
        <translation>tableaux-icones.svg</translation>
    </message>
    <message>
        <source>predictive-values.svg</source>
        <translation>valeurs-predictives.svg</translation>
    </message>
    <message>
        <source>frequency-tree.svg</source>
        <translation>arbre-frequences.svg</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Indicateur</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>95% interval</source>
        <translation>Intervalle à 95&#xa0;%</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Explication</translation>
    </message>
    <message>
        <source>Prevalence in the population tested (%):</source>
        <translation>Prévalence dans la population testée (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Prevalence in the population tested (%)</source>
        <translation>Prévalence dans la population testée (%)</translation>
    </message>
    <message>
        <source>Tell it for:</source>
        <translation>Expliquer pour&#xa0;:</translation>
    </message>
    <message>
        <source>Tell it for</source>
        <translation>Expliquer pour</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Frequency tree</source>
        <translation>Arbre des fréquences</translation>
    </message>
    <message>
        <source>Icon arrays</source>
        <translation>Tableaux d&apos;icônes</translation>
    </message>
    <message>
        <source>Predictive values over prevalence</source>
        <translation>Valeurs prédictives selon la prévalence</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Methods</source>
        <translation>Méthodes</translation>
    </message>
    <message>
        <source>There is no picture to export until the calculator holds a test.</source>
        <translation>Il n&apos;y a pas d&apos;image à exporter tant que la calculatrice ne contient pas de test.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>%1 saves pictures as .svg or .png files.</source>
        <translation>%1 enregistre les images en fichiers .svg ou .png.</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2.</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée sous «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>%1%</source>
        <extracomment>A percentage: the number, then the sign as the language writes it, after a no-break space where it takes one.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>Predivo case (*.predivo)</source>
        <translation>Cas Predivo (*.predivo)</translation>
    </message>
    <message>
        <source>Save Case</source>
        <translation>Enregistrer le cas</translation>
    </message>
    <message>
        <source>Open Case</source>
        <translation>Ouvrir un cas</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Examples</source>
        <translation>&amp;Exemples</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Export Picture...</source>
        <translation>Exporter l&apos;image...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Explication</translation>
    </message>
    <message>
        <source>About Predivo</source>
        <translation>À propos de Predivo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message numerus="yes">
        <source>test positive</source>
        <comment>tests positive</comment>
        <translation>
            <numerusform>test positif</numerusform>
            <numerusform>tests positifs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>test negative</source>
        <comment>tests negative</comment>
        <translation>
            <numerusform>test négatif</numerusform>
            <numerusform>tests négatifs</numerusform>
        </translation>
    </message>
    <message>
        <source>prevalence</source>
        <translation>prévalence</translation>
    </message>
    <message>
        <source>sensitivity</source>
        <translation>sensibilité</translation>
    </message>
    <message>
        <source>false-positive rate</source>
        <translation>taux de faux positifs</translation>
    </message>
    <message>
        <source>specificity</source>
        <translation>spécificité</translation>
    </message>
    <message>
        <source>No one tests positive</source>
        <translation>Aucun test positif</translation>
    </message>
    <message numerus="yes">
        <source>%n who test positive</source>
        <comment>%n who tests positive</comment>
        <translation>
            <numerusform>%n personne dont le test est positif</numerusform>
            <numerusform>%n personnes dont le test est positif</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 have %2 (%3)</source>
        <comment>%n of %1 has %2 (%3)</comment>
        <translation>
            <numerusform>Sur %1, %n a %2 (%3)</numerusform>
            <numerusform>Sur %1, %n ont %2 (%3)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2, of whom %3 test positive and %4 negative</source>
        <extracomment>One branch of the tree: %1 persons %2 (with or without the disorder), of whom %3 test positive and %4 negative.</extracomment>
        <translation>%1 %2, dont %3 avec un test positif et %4 avec un test négatif</translation>
    </message>
    <message>
        <source>%1 without it, of whom %3 test positive and %4 negative</source>
        <translation>%1 %2, dont %3 avec un test positif et %4 avec un test négatif</translation>
    </message>
    <message>
        <source>%1. A tree of %2: %3; %4.</source>
        <translation>%1. Arbre de %2&#xa0;: %3&#x202f;; %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n persons</source>
        <comment>%n person</comment>
        <translation>
            <numerusform>%n personne</numerusform>
            <numerusform>%n personnes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 in both arrays</source>
        <translation>%1 dans les deux tableaux</translation>
    </message>
    <message>
        <source>%1; part of an icon: fewer</source>
        <translation>%1&#x202f;; partie d&apos;icône&#xa0;: moins</translation>
    </message>
    <message>
        <source>Test positive: %1</source>
        <translation>Test positif&#xa0;: %1</translation>
    </message>
    <message>
        <source>Test negative: %1</source>
        <translation>Test négatif&#xa0;: %1</translation>
    </message>
    <message>
        <source>No one tests positive.</source>
        <translation>Personne n&apos;a de test positif.</translation>
    </message>
    <message>
        <source>No one tests negative.</source>
        <translation>Personne n&apos;a de test négatif.</translation>
    </message>
    <message>
        <source>each icon: %1</source>
        <translation>chaque icône&#xa0;: %1</translation>
    </message>
    <message>
        <source>Each icon: %1.</source>
        <translation>Chaque icône&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Of the %1, %2 and %3.</source>
        <translation>Sur %1, %2 et %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n have %1</source>
        <comment>%n has %1</comment>
        <translation>
            <numerusform>%n a %1</numerusform>
            <numerusform>%n ont %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n do not</source>
        <comment>%n does not</comment>
        <translation>
            <numerusform>%n est indemne</numerusform>
            <numerusform>%n sont indemnes</numerusform>
        </translation>
    </message>
    <message>
        <source>The curves need persons with and without %1.</source>
        <extracomment>%2 and %3: the persons&apos; groups with and without the disorder, in their own words.</extracomment>
        <translation>Les courbes nécessitent des personnes avec %1 et des personnes qui en sont indemnes.</translation>
    </message>
    <message>
        <source>prevalence (logarithmic scale)</source>
        <translation>prévalence (échelle logarithmique)</translation>
    </message>
    <message>
        <source>prevalence of %1 (logarithmic scale)</source>
        <translation>part des personnes ayant %1 (échelle logarithmique)</translation>
    </message>
    <message>
        <source>prevalence %1</source>
        <translation>prévalence %1</translation>
    </message>
    <message>
        <source>reading %1</source>
        <translation>lecture %1</translation>
    </message>
    <message>
        <source>%1: at the left end</source>
        <translation>%1&#xa0;: à l&apos;extrémité gauche</translation>
    </message>
    <message>
        <source>%1: at the right end</source>
        <translation>%1&#xa0;: à l&apos;extrémité droite</translation>
    </message>
    <message>
        <source>positive predictive value %1, negative predictive value %2.</source>
        <translation>valeur prédictive positive %1, valeur prédictive négative %2.</translation>
    </message>
    <message>
        <source>PPV %1</source>
        <translation>VPP %1</translation>
    </message>
    <message>
        <source>NPV %1</source>
        <translation>VPN %1</translation>
    </message>
    <message>
        <source>positive predictive value (PPV)</source>
        <translation>valeur prédictive positive (VPP)</translation>
    </message>
    <message>
        <source>negative predictive value (NPV)</source>
        <translation>valeur prédictive négative (VPN)</translation>
    </message>
    <message>
        <source>The predictive values of this test against prevalence, from %1 to %2 on a logarithmic scale.</source>
        <translation>Les valeurs prédictives de ce test en fonction de la prévalence, de %1 à %2 sur une échelle logarithmique.</translation>
    </message>
    <message>
        <source>The predictive values of this test for %3 against its prevalence, from %1 to %2 on a logarithmic scale.</source>
        <translation>Les valeurs prédictives de ce test pour %3 en fonction de sa prévalence, de %1 à %2 sur une échelle logarithmique.</translation>
    </message>
    <message>
        <source>At the current prevalence of %1: %2</source>
        <translation>À la prévalence actuelle de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>At a prevalence of %1, the reading: %2</source>
        <translation>À une prévalence de %1, la lecture&#xa0;: %2</translation>
    </message>
</context>
</TS>
