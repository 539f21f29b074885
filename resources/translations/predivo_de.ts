<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Predivo</source>
        <translation>Über Predivo</translation>
    </message>
    <message>
        <source>Copyright 2006 The Predivo developers</source>
        <translation>Copyright 2006 Die Predivo-Entwickler</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>%1: the connection to the display was lost.</source>
        <translation>%1: Die Verbindung zur Anzeige ist abgebrochen.</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY ist nicht gesetzt</translation>
    </message>
    <message>
        <source>%1 cannot start: no graphical display could be opened (%2).
Run it on a desktop, or set DISPLAY to a running X server.</source>
        <translation>%1 kann nicht starten: Es ließ sich keine grafische Anzeige öffnen (%2).
Starten Sie es auf einem Desktop oder setzen Sie DISPLAY auf einen laufenden X-Server.</translation>
    </message>
    <message>
        <source>An unexpected error occurred, and %1 has to close.

%2</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten, und %1 muss beendet werden.

%2</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>Enter the 4 frequencies OR the 3 percentages.</source>
        <translation>Geben Sie die 4 Häufigkeiten ODER die 3 Prozentwerte ein.</translation>
    </message>
    <message>
        <source>Percentages cannot be greater than 100.</source>
        <translation>Prozentwerte können nicht größer als 100 sein.</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>digits</source>
        <translation>Ziffern</translation>
    </message>
    <message>
        <source>Test positive, disorder present</source>
        <translation>Test positiv, Erkrankung vorhanden</translation>
    </message>
    <message>
        <source>Test positive, disorder absent</source>
        <translation>Test positiv, Erkrankung nicht vorhanden</translation>
    </message>
    <message>
        <source>Test negative, disorder present</source>
        <translation>Test negativ, Erkrankung vorhanden</translation>
    </message>
    <message>
        <source>Test negative, disorder absent</source>
        <translation>Test negativ, Erkrankung nicht vorhanden</translation>
    </message>
    <message>
        <source>Percent prevalence in population</source>
        <translation>Prävalenz in der Bevölkerung in Prozent</translation>
    </message>
    <message>
        <source>If person has disorder, percent with positive test</source>
        <translation>Prozent mit positivem Test bei Erkrankung</translation>
    </message>
    <message>
        <source>If person does not have disorder, percent with positive test</source>
        <translation>Prozent mit positivem Test ohne Erkrankung</translation>
    </message>
    <message>
        <source>Percent with positive test and disorder</source>
        <translation>Prozent mit Erkrankung bei positivem Test</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Percent prevalence in population:</source>
        <translation>Prävalenz in der Bevölkerung in Prozent:</translation>
    </message>
    <message>
        <source>If person has disorder, percent with positive test:</source>
        <translation>Prozent mit positivem Test bei Erkrankung:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Copyright 2006 The Predivo developers</source>
        <translation>Copyright 2006 Die Predivo-Entwickler</translation>
    </message>
    <message>
        <source>If person does not have disorder, percent with positive test:</source>
        <translation>Prozent mit positivem Test ohne Erkrankung:</translation>
    </message>
    <message>
        <source>Disorder</source>
        <translation>Erkrankt</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Absent</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positiv</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativ</translation>
    </message>
    <message>
        <source>Percent with positive test and disorder:</source>
        <translation>Prozent mit Erkrankung bei positivem Test:</translation>
    </message>
    <message>
        <source>Digits and a decimal point only</source>
        <translation>Nur Ziffern und ein Dezimalzeichen</translation>
    </message>
    <message>
        <source>Whole numbers only</source>
        <translation>Nur ganze Zahlen</translation>
    </message>
    <message>
        <source>Positive predictive value: %1%</source>
        <translation>Positiver prädiktiver Wert: %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>Cases</name>
    <message>
        <source>true positives</source>
        <translation>richtig Positive</translation>
    </message>
    <message>
        <source>false positives</source>
        <translation>falsch Positive</translation>
    </message>
    <message>
        <source>false negatives</source>
        <translation>falsch Negative</translation>
    </message>
    <message>
        <source>true negatives</source>
        <translation>richtig Negative</translation>
    </message>
    <message>
        <source>prevalence</source>
        <translation>Prävalenz</translation>
    </message>
    <message>
        <source>sensitivity</source>
        <translation>Sensitivität</translation>
    </message>
    <message>
        <source>false-positive rate</source>
        <translation>Falsch-positiv-Rate</translation>
    </message>
    <message>
        <source>what the test looks for</source>
        <translation>wonach der Test sucht</translation>
    </message>
    <message>
        <source>who is tested</source>
        <translation>wer getestet wird</translation>
    </message>
    <message>
        <source>one of them</source>
        <translation>eine getestete Person (Einzahl)</translation>
    </message>
    <message>
        <source>prevalence in the population tested</source>
        <translation>Prävalenz in der getesteten Population</translation>
    </message>
    <message>
        <source>number of people the story is told for</source>
        <translation>Anzahl der Personen, für die die Geschichte erzählt wird</translation>
    </message>
    <message>
        <source>source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: %2.</source>
        <translation>„%1“ konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than a case can be; it is not a case.</source>
        <translation>„%1“ ist größer, als ein Fall sein kann; es ist kein Fall.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be opened.</source>
        <translation>„%1“ ist beschädigt und kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Predivo case.</source>
        <translation>„%1“ ist kein Predivo-Fall.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved by a newer version of Predivo and cannot be opened here.</source>
        <translation>„%1“ wurde mit einer neueren Version von Predivo gespeichert und kann hier nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its %2 is not something that field can hold.</source>
        <translation>„%1“ kann nicht geöffnet werden: Der Eintrag „%2“ enthält nichts, was dieses Feld aufnehmen kann.</translation>
    </message>
    <message>
        <source>The case could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Der Fall konnte nicht als „%1“ gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Predivo tells how likely a positive test result is to be right. Without options it opens its windows; with --explain or --export it works from the command line and needs no display.</source>
        <translation>Predivo zeigt, wie wahrscheinlich ein positives Testergebnis zutrifft. Ohne Optionen öffnet es seine Fenster; mit --explain oder --export arbeitet es auf der Kommandozeile und braucht keine Anzeige.</translation>
    </message>
    <message>
        <source>Prints the explanation of a test, as the Explanation window copies it.</source>
        <translation>Gibt die Erklärung eines Tests aus, so wie das Fenster „Erklärung“ sie kopiert.</translation>
    </message>
    <message>
        <source>Writes a picture of the test to FILE, as SVG or PNG by its extension.</source>
        <translation>Schreibt ein Bild des Tests in DATEI, je nach Endung als SVG oder PNG.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>The picture to export: tree (the default), icons or curves.</source>
        <translation>Das zu exportierende Bild: tree (Standard), icons oder curves.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>With four counts: the prevalence in the population tested, in percent.</source>
        <translation>Zu vier Häufigkeiten: die Prävalenz in der getesteten Population, in Prozent.</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>PROZENT</translation>
    </message>
    <message>
        <source>The people the story is told for: 1000, 10000, 100000 or 1000000.</source>
        <translation>Die Anzahl Personen, für die die Geschichte erzählt wird: 1000, 10000, 100000 oder 1000000.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>text (the default) or tsv: only the statistics, tab-separated.</source>
        <translation>text (Standard) oder tsv: nur die Kennzahlen, durch Tabulatoren getrennt.</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>What the test looks for, in place of &quot;the disorder&quot;.</source>
        <translation>Wonach der Test sucht, anstelle von „die Erkrankung“.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>Who is tested, in place of &quot;people&quot;.</source>
        <translation>Wer getestet wird (Mehrzahl), anstelle von „Personen“.</translation>
    </message>
    <message>
        <source>One of them, in place of &quot;person&quot;.</source>
        <translation>Eine getestete Person (Einzahl), anstelle von „Person“.</translation>
    </message>
    <message>
        <source>Explains or exports a saved case instead of NUMBERS.</source>
        <translation>Erklärt oder exportiert statt ZAHLEN einen gespeicherten Fall.</translation>
    </message>
    <message>
        <source>NUMBERS</source>
        <translation>ZAHLEN</translation>
    </message>
    <message>
        <source>Four counts (true positives, false positives, false negatives, true negatives) or three percentages (prevalence, sensitivity, false-positive rate). A case file alone opens it in the windows.</source>
        <translation>Vier Häufigkeiten (richtig positiv, falsch positiv, falsch negativ, richtig negativ) oder drei Prozentwerte (Prävalenz, Sensitivität, Falsch-positiv-Rate). Eine Falldatei allein wird in den Fenstern geöffnet.</translation>
    </message>
    <message>
        <source>give the numbers or --case, not both</source>
        <translation>die Zahlen oder --case angeben, nicht beides</translation>
    </message>
    <message>
        <source>give four counts or three percentages</source>
        <translation>vier Häufigkeiten oder drei Prozentwerte angeben</translation>
    </message>
    <message>
        <source>--prevalence goes with four counts</source>
        <translation>--prevalence nur zusammen mit vier Häufigkeiten</translation>
    </message>
    <message>
        <source>--%1 takes at most %2 characters</source>
        <translation>--%1 nimmt höchstens %2 Zeichen an</translation>
    </message>
    <message>
        <source>--size is 1000, 10000, 100000 or 1000000</source>
        <translation>--size ist 1000, 10000, 100000 oder 1000000</translation>
    </message>
    <message>
        <source>give --explain or --export with the numbers</source>
        <translation>--explain oder --export mit den Zahlen angeben</translation>
    </message>
    <message>
        <source>--format is text or tsv</source>
        <translation>--format ist text oder tsv</translation>
    </message>
    <message>
        <source>--picture is tree, icons or curves</source>
        <translation>--picture ist tree, icons oder curves</translation>
    </message>
    <message>
        <source>--picture goes with --export</source>
        <translation>--picture nur zusammen mit --export</translation>
    </message>
    <message>
        <source>--export writes .svg or .png files</source>
        <translation>--export schreibt .svg- oder .png-Dateien</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Zeigt die Version an.</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
</context>
<context>
    <name>EditField</name>
    <message>
        <source>At most %1 %2</source>
        <translation>Höchstens %1 %2</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>Zeichen</translation>
    </message>
</context>
<context>
    <name>Examples</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A publication (%1), then what the example takes from it (%2).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Mammography (Gigerenzer and Hoffrage 1995)</source>
        <translation>Mammographie (Gigerenzer und Hoffrage 1995)</translation>
    </message>
    <message>
        <source>breast cancer</source>
        <translation>Brustkrebs</translation>
    </message>
    <message>
        <source>women at age forty in routine screening</source>
        <translation>Frauen mit 40 im Routine-Screening</translation>
    </message>
    <message>
        <source>woman at age forty in routine screening</source>
        <translation>Frau mit 40 im Routine-Screening</translation>
    </message>
    <message>
        <source>Hemoccult test (Gigerenzer 2002)</source>
        <translation>Hämoccult-Test (Gigerenzer 2002)</translation>
    </message>
    <message>
        <source>colorectal cancer</source>
        <translation>Darmkrebs</translation>
    </message>
    <message>
        <source>men screened with the hemoccult test</source>
        <translation>Männer im Hämoccult-Screening</translation>
    </message>
    <message>
        <source>man screened with the hemoccult test</source>
        <translation>Mann im Hämoccult-Screening</translation>
    </message>
    <message>
        <source>HIV test in a low-risk group (Gigerenzer, Hoffrage and Ebert 1998)</source>
        <translation>HIV-Test in einer Gruppe mit geringem Risiko (Gigerenzer, Hoffrage und Ebert 1998)</translation>
    </message>
    <message>
        <source>HIV</source>
        <translation>HIV</translation>
    </message>
    <message>
        <source>heterosexual men with low-risk behaviour</source>
        <translation>Männer (heterosexuell, risikoarm)</translation>
    </message>
    <message>
        <source>heterosexual man with low-risk behaviour</source>
        <translation>Mann (heterosexuell, risikoarm)</translation>
    </message>
    <message>
        <source>1 in 10,000 is infected, and 1 in 9,999 who are not tests positive; the infected one tests positive with practical certainty, taken as 100%</source>
        <translation>1 von 10.000 ist infiziert, und 1 von 9.999 Nichtinfizierten wird positiv getestet; die infizierte Person wird praktisch sicher positiv getestet, hier als 100&#xa0;% angenommen</translation>
    </message>
    <message>
        <source>Prenatal cell-free DNA screening (Nicolaides et al. 2012)</source>
        <translation>Pränatales Screening mit zellfreier DNA (Nicolaides et al. 2012)</translation>
    </message>
    <message>
        <source>trisomy 21 or 18</source>
        <translation>Trisomie 21 oder 18</translation>
    </message>
    <message>
        <source>women screened at 11 to 13 weeks</source>
        <translation>Frauen im Screening in SSW 11 bis 13</translation>
    </message>
    <message>
        <source>woman screened at 11 to 13 weeks</source>
        <translation>Frau im Screening in SSW 11 bis 13</translation>
    </message>
    <message>
        <source>the 1,949 of 2,049 women who were given a risk score</source>
        <translation>die 1.949 von 2.049 Frauen, für die ein Risikowert ermittelt wurde</translation>
    </message>
    <message>
        <source>PSA test (Thompson et al. 2005)</source>
        <translation>PSA-Test (Thompson et al. 2005)</translation>
    </message>
    <message>
        <source>prostate cancer</source>
        <translation>Prostatakrebs</translation>
    </message>
    <message>
        <source>men aged 55 or older who had a biopsy</source>
        <translation>Männer ab 55 mit Biopsie</translation>
    </message>
    <message>
        <source>man aged 55 or older who had a biopsy</source>
        <translation>Mann ab 55 mit Biopsie</translation>
    </message>
    <message>
        <source>a PSA of 4.1 ng/mL or more taken as positive</source>
        <translation>ein PSA ab 4,1 ng/ml als positiv gewertet</translation>
    </message>
    <message>
        <source>Liver scan (Altman and Bland 1994)</source>
        <translation>Leberszintigraphie (Altman und Bland 1994)</translation>
    </message>
    <message>
        <source>abnormal pathology</source>
        <translation>Leberpathologie</translation>
    </message>
    <message>
        <source>patients given a liver scan</source>
        <translation>Patienten mit Leberszintigraphie</translation>
    </message>
    <message>
        <source>patient given a liver scan</source>
        <translation>Patient mit Leberszintigraphie</translation>
    </message>
    <message>
        <source>Rapid antigen test for SARS-CoV-2 (Brümmer et al. 2021)</source>
        <translation>Antigen-Schnelltest auf SARS-CoV-2 (Brümmer et al. 2021)</translation>
    </message>
    <message>
        <source>SARS-CoV-2 infection</source>
        <translation>SARS-CoV-2-Infektion</translation>
    </message>
    <message>
        <source>people tested</source>
        <translation>Testpersonen</translation>
    </message>
    <message>
        <source>person tested</source>
        <translation>Testperson</translation>
    </message>
    <message>
        <source>pooled sensitivity 71.2% and specificity 98.9%; a review of accuracy gives no prevalence, so 5% is assumed</source>
        <translation>gepoolte Sensitivität 71,2&#xa0;% und Spezifität 98,9&#xa0;%; eine Übersicht zur Genauigkeit nennt keine Prävalenz, daher werden 5&#xa0;% angenommen</translation>
    </message>
    <message>
        <source>Casscells, Schoenberger and Graboys (1978)</source>
        <translation>Casscells, Schoenberger und Graboys (1978)</translation>
    </message>
    <message>
        <source>the disease</source>
        <translation>Krankheit X</translation>
    </message>
    <message>
        <source>persons tested</source>
        <translation>Testpersonen</translation>
    </message>
    <message>
        <source>prevalence 1 in 1,000, false-positive rate 5%; the question states no sensitivity, so 100% is assumed</source>
        <translation>Prävalenz 1 von 1.000, Falsch-positiv-Rate 5&#xa0;%; die Frage nennt keine Sensitivität, daher werden 100&#xa0;% angenommen</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>people</source>
        <translation>Personen</translation>
    </message>
    <message>
        <source>person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>the disorder</source>
        <translation>die Erkrankung</translation>
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
        <translation>mit der Erkrankung</translation>
    </message>
    <message>
        <source>with %1</source>
        <translation>mit %1</translation>
    </message>
    <message>
        <source>without the disorder</source>
        <translation>ohne die Erkrankung</translation>
    </message>
    <message>
        <source>without %1</source>
        <translation>ohne %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 who test positive</source>
        <comment>%1 who tests positive</comment>
        <translation>
            <numerusform>wird %1 positiv getestet</numerusform>
            <numerusform>werden %1 positiv getestet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 who test negative</source>
        <comment>%1 who tests negative</comment>
        <translation>
            <numerusform>wird %1 negativ getestet</numerusform>
            <numerusform>werden %1 negativ getestet</numerusform>
        </translation>
    </message>
    <message>
        <source>undefined</source>
        <translation>nicht definiert</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>unendlich</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>the true positives</source>
        <translation>die richtig Positiven</translation>
    </message>
    <message>
        <source>the false positives</source>
        <translation>die falsch Positiven</translation>
    </message>
    <message>
        <source>the false negatives</source>
        <translation>die falsch Negativen</translation>
    </message>
    <message>
        <source>the true negatives</source>
        <translation>die richtig Negativen</translation>
    </message>
    <message>
        <source>the prevalence</source>
        <translation>die Prävalenz</translation>
    </message>
    <message>
        <source>the sensitivity</source>
        <translation>die Sensitivität</translation>
    </message>
    <message>
        <source>the false-positive rate</source>
        <translation>die Falsch-positiv-Rate</translation>
    </message>
    <message>
        <source>The prevalence entered is above %1.</source>
        <translation>Die eingegebene Prävalenz liegt über %1.</translation>
    </message>
    <message>
        <source>The sensitivity entered is above %1.</source>
        <translation>Die eingegebene Sensitivität liegt über %1.</translation>
    </message>
    <message>
        <source>The false-positive rate entered is above %1.</source>
        <translation>Die eingegebene Falsch-positiv-Rate liegt über %1.</translation>
    </message>
    <message>
        <source>a count above 0</source>
        <translation>eine Häufigkeit über 0</translation>
    </message>
    <message>
        <source>To explain a test, enter %1, or %2.</source>
        <translation>Um einen Test zu erklären, geben Sie entweder %1 ein oder %2.</translation>
    </message>
    <message>
        <source>%1; the table&apos;s own is used.</source>
        <translation>%1; verwendet wird die Prävalenz der Tabelle.</translation>
    </message>
    <message>
        <source>The prevalence in the population tested is not a number</source>
        <translation>Die Prävalenz in der getesteten Population ist keine Zahl</translation>
    </message>
    <message>
        <source>The prevalence in the population tested is above %1</source>
        <translation>Die Prävalenz in der getesteten Population liegt über %1</translation>
    </message>
    <message>
        <source>No one in the table has %1, so it cannot be carried over</source>
        <translation>Niemand in der Tabelle hat %1, daher lässt sie sich nicht übertragen</translation>
    </message>
    <message>
        <source>Everyone in the table has %1, so it cannot be carried over</source>
        <translation>Alle in der Tabelle haben %1, daher lässt sie sich nicht übertragen</translation>
    </message>
    <message numerus="yes">
        <source>At the entered prevalence of %3: of %1, %n have %2.</source>
        <comment>At the entered prevalence of %3: of %1, %n has %2.</comment>
        <translation>
            <numerusform>Stellen Sie sich %1 vor: Bei der eingegebenen Prävalenz von %3 hat %n davon %2.</numerusform>
            <numerusform>Stellen Sie sich %1 vor: Bei der eingegebenen Prävalenz von %3 haben %n davon %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of %1, %n have %2.</source>
        <comment>Of %1, %n has %2.</comment>
        <translation>
            <numerusform>Stellen Sie sich %1 vor: %n davon hat %2.</numerusform>
            <numerusform>Stellen Sie sich %1 vor: %n davon haben %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of these %1 test positive.</source>
        <comment>%n of these %1 tests positive.</comment>
        <extracomment>%1 those with the disorder, %2 the same with their noun.</extracomment>
        <translation>
            <numerusform>Von diesen %1 wird %n positiv getestet.</numerusform>
            <numerusform>Von diesen %1 werden %n positiv getestet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of the %1 %2, %n also test positive.</source>
        <comment>Of the %1 %2, %n also tests positive.</comment>
        <extracomment>%1 those without the disorder, %3 the same with their noun.</extracomment>
        <translation>
            <numerusform>Von den %1 %2 wird %n ebenfalls positiv getestet.</numerusform>
            <numerusform>Von den %1 %2 werden %n ebenfalls positiv getestet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>So %n of the %1 have %2 (%3).</source>
        <comment>So %n of the %1 has %2 (%3).</comment>
        <translation>
            <numerusform>Insgesamt %1; davon hat also %n %2 (%3).</numerusform>
            <numerusform>Insgesamt %1; davon haben also %n %2 (%3).</numerusform>
        </translation>
    </message>
    <message>
        <source>So no one tests positive, and the positive predictive value is undefined.</source>
        <translation>Somit wird niemand positiv getestet, und der positive prädiktive Wert ist nicht definiert.</translation>
    </message>
    <message>
        <source>No one tests negative, so the negative predictive value is undefined.</source>
        <translation>Niemand wird negativ getestet, daher ist der negative prädiktive Wert nicht definiert.</translation>
    </message>
    <message numerus="yes">
        <source>Of the %1, %n do not have %2 (%3), so %4 of those who test negative have %2.</source>
        <comment>Of the %1, %n does not have %2 (%3), so %4 of those who test negative have %2.</comment>
        <translation>
            <numerusform>Insgesamt %1; davon ist %n %5 (%3), also haben %4 der negativ Getesteten %2.</numerusform>
            <numerusform>Insgesamt %1; davon sind %n %5 (%3), also haben %4 der negativ Getesteten %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Source: %1.</source>
        <translation>Quelle: %1.</translation>
    </message>
    <message>
        <source>Sensitivity (%)</source>
        <translation>Sensitivität (%)</translation>
    </message>
    <message>
        <source>Specificity (%)</source>
        <translation>Spezifität (%)</translation>
    </message>
    <message>
        <source>Positive likelihood ratio</source>
        <translation>Positiver Likelihood-Quotient</translation>
    </message>
    <message>
        <source>Negative likelihood ratio</source>
        <translation>Negativer Likelihood-Quotient</translation>
    </message>
    <message>
        <source>Diagnostic odds ratio</source>
        <translation>Diagnostisches Odds Ratio</translation>
    </message>
    <message>
        <source>Youden&apos;s index</source>
        <translation>Youden-Index</translation>
    </message>
    <message>
        <source>Number needed to diagnose</source>
        <translation>Number needed to diagnose</translation>
    </message>
    <message>
        <source>Prevalence (%)</source>
        <translation>Prävalenz (%)</translation>
    </message>
    <message>
        <source>Positive predictive value (%)</source>
        <translation>Positiver prädiktiver Wert (%)</translation>
    </message>
    <message>
        <source>Negative predictive value (%)</source>
        <translation>Negativer prädiktiver Wert (%)</translation>
    </message>
    <message>
        <source>Disorder after a negative test (%)</source>
        <translation>Erkrankung bei negativem Test (%)</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Genauigkeit (%)</translation>
    </message>
    <message>
        <source>no one has %1</source>
        <translation>niemand hat %1</translation>
    </message>
    <message>
        <source>no one is %1</source>
        <translation>niemand ist %1</translation>
    </message>
    <message>
        <source>no one tests positive</source>
        <translation>niemand wird positiv getestet</translation>
    </message>
    <message>
        <source>no one tests negative</source>
        <translation>niemand wird negativ getestet</translation>
    </message>
    <message>
        <source>the test does no better than chance</source>
        <translation>der Test ist nicht besser als der Zufall</translation>
    </message>
    <message>
        <source>%1 added to every cell for the interval</source>
        <translation>für das Intervall %1 zu jeder Zelle addiert</translation>
    </message>
    <message>
        <source>sensitivity or specificity is 0 or %1: adjusted logit interval</source>
        <translation>Sensitivität oder Spezifität ist 0 oder %1: angepasstes Logit-Intervall</translation>
    </message>
    <message>
        <source>entered for the population tested</source>
        <translation>eingegeben für die getestete Population</translation>
    </message>
    <message>
        <source>at the entered prevalence</source>
        <translation>bei der eingegebenen Prävalenz</translation>
    </message>
    <message>
        <source>Percentages carry no sample sizes, so these figures have no confidence intervals.</source>
        <translation>Prozentwerte enthalten keine Stichprobengrößen, daher haben diese Werte keine Konfidenzintervalle.</translation>
    </message>
    <message>
        <source>the share %1</source>
        <translation>der Anteil %1</translation>
    </message>
    <message>
        <source>the share of those %1 who test negative</source>
        <translation>der Anteil negativ Getesteter unter denen %1</translation>
    </message>
    <message>
        <source>the specificity</source>
        <translation>die Spezifität</translation>
    </message>
    <message>
        <source>the positive predictive value</source>
        <translation>der positive prädiktive Wert</translation>
    </message>
    <message>
        <source>the negative predictive value</source>
        <translation>der negative prädiktive Wert</translation>
    </message>
    <message>
        <source>the share %1 among those who test negative</source>
        <translation>der Anteil %1 unter den negativ Getesteten</translation>
    </message>
    <message>
        <source>Whole persons cannot show every figure even of %1: for them %2 is %3, where the table has %4.</source>
        <translation>Selbst für %1 lässt sich nicht jeder Wert ganzzahlig darstellen: Für sie ist %2 %3, in der Tabelle %4.</translation>
    </message>
    <message>
        <source>Whole persons of %1 do not show every figure as the table does; the story is told for %2.</source>
        <translation>Für %1 lässt sich nicht jeder Wert der Tabelle ganzzahlig darstellen; die Geschichte wird für %2 erzählt.</translation>
    </message>
    <message>
        <source>Whole persons of %1 do not show every figure as the table does; it can be told for %2 people.</source>
        <translation>Für %1 lässt sich nicht jeder Wert der Tabelle ganzzahlig darstellen; erzählen lässt sich die Geschichte für %2 Personen.</translation>
    </message>
    <message>
        <source>The predictive values and the accuracy hold only where the table&apos;s prevalence is that of the population tested; for a case-control study, enter the population&apos;s prevalence under &quot;Prevalence in the population tested&quot;.</source>
        <translation>Die prädiktiven Werte und die Genauigkeit gelten nur, wenn die Prävalenz der Tabelle die der getesteten Population ist; geben Sie bei einer Fall-Kontroll-Studie die Prävalenz der Population unter „Prävalenz in der getesteten Population“ ein.</translation>
    </message>
    <message>
        <source>The table is used; the percentages entered beside it are not.</source>
        <translation>Verwendet wird die Tabelle, nicht die daneben eingegebenen Prozentwerte.</translation>
    </message>
    <message>
        <source>Methods: sensitivity, specificity, prevalence, accuracy and the predictive values of the table are proportions of the sample, with exact Clopper–Pearson 95% confidence intervals. The likelihood ratios and the diagnostic odds ratio have intervals by the log method (Altman et al., Statistics with Confidence, 2nd ed., 2000), from the cells as they are when none is 0 and with 0.5 added to each of the four otherwise; a ratio whose denominator alone is 0 is infinite. Youden&apos;s index has as bounds those of sensitivity and specificity added, less 1, and the number needed to diagnose their reciprocals. Predictive values at an entered prevalence have the logit intervals of Mercaldo, Lau and Zhou (Statistics in Medicine 26, 2007): the standard one, or the adjusted one where sensitivity or specificity is 0 or 100%. Figures are rounded from their exact values, halves away from zero: percentages to one decimal, or to two significant digits of their distance from 0 or 100% where one decimal would hide it; ratios to three significant digits. Persons are whole persons, rounded the same way.</source>
        <translation>Methoden: Sensitivität, Spezifität, Prävalenz, Genauigkeit und die prädiktiven Werte der Tabelle sind Anteile der Stichprobe, mit exakten 95-%-Konfidenzintervallen nach Clopper–Pearson. Die Likelihood-Quotienten und das diagnostische Odds Ratio haben Intervalle nach der Log-Methode (Altman et al., Statistics with Confidence, 2. Aufl., 2000), aus den Zellen, wie sie sind, wenn keine 0 ist, und sonst mit 0,5 zu jeder der vier addiert; ein Quotient, dessen Nenner allein 0 ist, ist unendlich. Die Grenzen des Youden-Index sind die Summen der Grenzen von Sensitivität und Spezifität minus 1, die der Number needed to diagnose deren Kehrwerte. Prädiktive Werte bei einer eingegebenen Prävalenz haben die Logit-Intervalle nach Mercaldo, Lau und Zhou (Statistics in Medicine 26, 2007): das Standardintervall oder, wenn Sensitivität oder Spezifität 0 oder 100&#xa0;% beträgt, das angepasste. Die Werte werden aus ihren exakten Werten kaufmännisch gerundet (Hälften von null weg): Prozentwerte auf eine Nachkommastelle oder, wo eine Nachkommastelle ihn verbergen würde, auf zwei signifikante Stellen ihres Abstands von 0 oder 100&#xa0;%; Quotienten auf drei signifikante Stellen. Personen sind ganze Personen, ebenso gerundet.</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Kennzahl</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Lower 95% limit</source>
        <translation>Untere 95-%-Grenze</translation>
    </message>
    <message>
        <source>Upper 95% limit</source>
        <translation>Obere 95-%-Grenze</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>true positives %1, false positives %2, false negatives %3, true negatives %4</source>
        <translation>richtig positiv %1, falsch positiv %2, falsch negativ %3, richtig negativ %4</translation>
    </message>
    <message>
        <source>population prevalence %1</source>
        <translation>Prävalenz in der Population %1</translation>
    </message>
    <message>
        <source>prevalence %1, sensitivity %2, false-positive rate %3</source>
        <translation>Prävalenz %1, Sensitivität %2, Falsch-positiv-Rate %3</translation>
    </message>
</context>
<context>
    <name>ExplanationWindow</name>
    <message>
        <source>Digits and a decimal point only</source>
        <translation>Nur Ziffern und ein Dezimalzeichen</translation>
    </message>
    <message>
        <source>the fewest people that show the same values</source>
        <translation>die wenigsten Personen mit denselben Werten</translation>
    </message>
    <message>
        <source>What the test looks for:</source>
        <translation>Getestet auf:</translation>
    </message>
    <message>
        <source>What the test looks for</source>
        <translation>Wonach der Test sucht</translation>
    </message>
    <message>
        <source>Who is tested:</source>
        <translation>Getestet werden:</translation>
    </message>
    <message>
        <source>Who is tested, in the plural</source>
        <translation>Wer getestet wird, in der Mehrzahl</translation>
    </message>
    <message>
        <source>One of them:</source>
        <translation>Einzahl:</translation>
    </message>
    <message>
        <source>One of those tested, in the singular</source>
        <translation>Eine getestete Person, in der Einzahl</translation>
    </message>
    <message>
        <source>icon-arrays.svg</source>
        <translation>icon-arrays.svg</translation>
    </message>
    <message>
        <source>predictive-values.svg</source>
        <translation>praediktive-werte.svg</translation>
    </message>
    <message>
        <source>frequency-tree.svg</source>
        <translation>haeufigkeitsbaum.svg</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Kennzahl</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>95% interval</source>
        <translation>95-%-Intervall</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Erklärung</translation>
    </message>
    <message>
        <source>Prevalence in the population tested (%):</source>
        <translation>Prävalenz in der getesteten Population (%):</translation>
    </message>
    <message>
        <source>Prevalence in the population tested (%)</source>
        <translation>Prävalenz in der getesteten Population (%)</translation>
    </message>
    <message>
        <source>Tell it for:</source>
        <translation>Bezogen auf:</translation>
    </message>
    <message>
        <source>Tell it for</source>
        <translation>Bezogen auf</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Frequency tree</source>
        <translation>Häufigkeitsbaum</translation>
    </message>
    <message>
        <source>Icon arrays</source>
        <translation>Icon-Arrays</translation>
    </message>
    <message>
        <source>Predictive values over prevalence</source>
        <translation>Prädiktive Werte nach Prävalenz</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Kennzahlen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Methods</source>
        <translation>Methoden</translation>
    </message>
    <message>
        <source>There is no picture to export until the calculator holds a test.</source>
        <translation>Solange der Rechner keinen Test enthält, gibt es kein Bild zum Exportieren.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>%1 saves pictures as .svg or .png files.</source>
        <translation>%1 speichert Bilder als .svg- oder .png-Dateien.</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Das Bild konnte nicht als „%1“ gespeichert werden: %2.</translation>
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
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>Predivo case (*.predivo)</source>
        <translation>Predivo-Fall (*.predivo)</translation>
    </message>
    <message>
        <source>Save Case</source>
        <translation>Fall speichern</translation>
    </message>
    <message>
        <source>Open Case</source>
        <translation>Fall öffnen</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>&amp;Examples</source>
        <translation>&amp;Beispiele</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Export Picture...</source>
        <translation>Bild exportieren...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Erklärung</translation>
    </message>
    <message>
        <source>About Predivo</source>
        <translation>Über Predivo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message numerus="yes">
        <source>test positive</source>
        <comment>tests positive</comment>
        <translation>
            <numerusform>positiv getestet</numerusform>
            <numerusform>positiv getestet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>test negative</source>
        <comment>tests negative</comment>
        <translation>
            <numerusform>negativ getestet</numerusform>
            <numerusform>negativ getestet</numerusform>
        </translation>
    </message>
    <message>
        <source>prevalence</source>
        <translation>Prävalenz</translation>
    </message>
    <message>
        <source>sensitivity</source>
        <translation>Sensitivität</translation>
    </message>
    <message>
        <source>false-positive rate</source>
        <translation>Falsch-positiv-Rate</translation>
    </message>
    <message>
        <source>specificity</source>
        <translation>Spezifität</translation>
    </message>
    <message>
        <source>No one tests positive</source>
        <translation>Niemand wird positiv getestet</translation>
    </message>
    <message numerus="yes">
        <source>%n who test positive</source>
        <comment>%n who tests positive</comment>
        <translation>
            <numerusform>%n positiv Getesteten</numerusform>
            <numerusform>%n positiv Getesteten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 have %2 (%3)</source>
        <comment>%n of %1 has %2 (%3)</comment>
        <translation>
            <numerusform>%n von %1 hat %2 (%3)</numerusform>
            <numerusform>%n von %1 haben %2 (%3)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2, of whom %3 test positive and %4 negative</source>
        <extracomment>One branch of the tree: %1 persons %2 (with or without the disorder), of whom %3 test positive and %4 negative.</extracomment>
        <translation>%1 %2, davon %3 positiv und %4 negativ getestet</translation>
    </message>
    <message>
        <source>%1 without it, of whom %3 test positive and %4 negative</source>
        <translation>%1 %2, davon %3 positiv und %4 negativ getestet</translation>
    </message>
    <message>
        <source>%1. A tree of %2: %3; %4.</source>
        <translation>%1. Häufigkeitsbaum für %2: %3; %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n persons</source>
        <comment>%n person</comment>
        <translation>
            <numerusform>%n Person</numerusform>
            <numerusform>%n Personen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 in both arrays</source>
        <translation>%1, in beiden Diagrammen</translation>
    </message>
    <message>
        <source>%1; part of an icon: fewer</source>
        <translation>%1; Teil eines Symbols: weniger</translation>
    </message>
    <message>
        <source>Test positive: %1</source>
        <translation>Test positiv: %1</translation>
    </message>
    <message>
        <source>Test negative: %1</source>
        <translation>Test negativ: %1</translation>
    </message>
    <message>
        <source>No one tests positive.</source>
        <translation>Niemand wird positiv getestet.</translation>
    </message>
    <message>
        <source>No one tests negative.</source>
        <translation>Niemand wird negativ getestet.</translation>
    </message>
    <message>
        <source>each icon: %1</source>
        <translation>je Symbol: %1</translation>
    </message>
    <message>
        <source>Each icon: %1.</source>
        <translation>Je Symbol: %1.</translation>
    </message>
    <message>
        <source>Of the %1, %2 and %3.</source>
        <translation>Insgesamt %1: %2 und %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n have %1</source>
        <comment>%n has %1</comment>
        <translation>
            <numerusform>%n hat %1</numerusform>
            <numerusform>%n haben %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n do not</source>
        <comment>%n does not</comment>
        <translation>
            <numerusform>%n nicht</numerusform>
            <numerusform>%n nicht</numerusform>
        </translation>
    </message>
    <message>
        <source>The curves need persons with and without %1.</source>
        <extracomment>%2 and %3: the persons&apos; groups with and without the disorder, in their own words.</extracomment>
        <translation>Für die Kurven braucht es Personen %2 und Personen %3.</translation>
    </message>
    <message>
        <source>prevalence (logarithmic scale)</source>
        <translation>Prävalenz (logarithmische Skala)</translation>
    </message>
    <message>
        <source>prevalence of %1 (logarithmic scale)</source>
        <translation>Prävalenz von %1 (logarithmische Skala)</translation>
    </message>
    <message>
        <source>prevalence %1</source>
        <translation>Prävalenz %1</translation>
    </message>
    <message>
        <source>reading %1</source>
        <translation>Ablesung %1</translation>
    </message>
    <message>
        <source>%1: at the left end</source>
        <translation>%1: am linken Rand</translation>
    </message>
    <message>
        <source>%1: at the right end</source>
        <translation>%1: am rechten Rand</translation>
    </message>
    <message>
        <source>positive predictive value %1, negative predictive value %2.</source>
        <translation>positiver prädiktiver Wert %1, negativer prädiktiver Wert %2.</translation>
    </message>
    <message>
        <source>PPV %1</source>
        <translation>PPW %1</translation>
    </message>
    <message>
        <source>NPV %1</source>
        <translation>NPW %1</translation>
    </message>
    <message>
        <source>positive predictive value (PPV)</source>
        <translation>positiver prädiktiver Wert (PPW)</translation>
    </message>
    <message>
        <source>negative predictive value (NPV)</source>
        <translation>negativer prädiktiver Wert (NPW)</translation>
    </message>
    <message>
        <source>The predictive values of this test against prevalence, from %1 to %2 on a logarithmic scale.</source>
        <translation>Die prädiktiven Werte dieses Tests in Abhängigkeit von der Prävalenz, von %1 bis %2 auf logarithmischer Skala.</translation>
    </message>
    <message>
        <source>The predictive values of this test for %3 against its prevalence, from %1 to %2 on a logarithmic scale.</source>
        <translation>Die prädiktiven Werte dieses Tests auf %3 in Abhängigkeit von der Prävalenz, von %1 bis %2 auf logarithmischer Skala.</translation>
    </message>
    <message>
        <source>At the current prevalence of %1: %2</source>
        <translation>Bei der aktuellen Prävalenz von %1: %2</translation>
    </message>
    <message>
        <source>At a prevalence of %1, the reading: %2</source>
        <translation>Bei einer Prävalenz von %1 abgelesen: %2</translation>
    </message>
</context>
</TS>
