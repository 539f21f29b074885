<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Predivo</source>
        <translation>Acerca de Predivo</translation>
    </message>
    <message>
        <source>Copyright 2006 The Predivo developers</source>
        <translation>Copyright 2006 Los desarrolladores de Predivo</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>%1: the connection to the display was lost.</source>
        <translation>%1: se ha perdido la conexión con la pantalla.</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>la variable DISPLAY no está definida</translation>
    </message>
    <message>
        <source>%1 cannot start: no graphical display could be opened (%2).
Run it on a desktop, or set DISPLAY to a running X server.</source>
        <translation>%1 no puede iniciarse: no se ha podido abrir ninguna pantalla gráfica (%2).
Ejecútelo en un escritorio o haga que DISPLAY apunte a un servidor X en funcionamiento.</translation>
    </message>
    <message>
        <source>An unexpected error occurred, and %1 has to close.

%2</source>
        <translation>Se ha producido un error inesperado y %1 tiene que cerrarse.

%2</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>Enter the 4 frequencies OR the 3 percentages.</source>
        <translation>Introduzca las 4 frecuencias O los 3 porcentajes.</translation>
    </message>
    <message>
        <source>Percentages cannot be greater than 100.</source>
        <translation>Los porcentajes no pueden ser mayores que 100.</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>digits</source>
        <translation>dígitos</translation>
    </message>
    <message>
        <source>Test positive, disorder present</source>
        <translation>Test positivo, enfermedad presente</translation>
    </message>
    <message>
        <source>Test positive, disorder absent</source>
        <translation>Test positivo, enfermedad ausente</translation>
    </message>
    <message>
        <source>Test negative, disorder present</source>
        <translation>Test negativo, enfermedad presente</translation>
    </message>
    <message>
        <source>Test negative, disorder absent</source>
        <translation>Test negativo, enfermedad ausente</translation>
    </message>
    <message>
        <source>Percent prevalence in population</source>
        <translation>Porcentaje de prevalencia en la población</translation>
    </message>
    <message>
        <source>If person has disorder, percent with positive test</source>
        <translation>Si tiene la enfermedad, porcentaje con test positivo</translation>
    </message>
    <message>
        <source>If person does not have disorder, percent with positive test</source>
        <translation>Si no tiene la enfermedad, porcentaje con test positivo</translation>
    </message>
    <message>
        <source>Percent with positive test and disorder</source>
        <translation>Con test positivo, porcentaje con la enfermedad</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Percent prevalence in population:</source>
        <translation>Porcentaje de prevalencia en la población:</translation>
    </message>
    <message>
        <source>If person has disorder, percent with positive test:</source>
        <translation>Si tiene la enfermedad, porcentaje con test positivo:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Copyright 2006 The Predivo developers</source>
        <translation>Copyright 2006 Los desarrolladores de Predivo</translation>
    </message>
    <message>
        <source>If person does not have disorder, percent with positive test:</source>
        <translation>Si no tiene la enfermedad, porcentaje con test positivo:</translation>
    </message>
    <message>
        <source>Disorder</source>
        <translation>Enferm.</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Presente</translation>
    </message>
    <message>
        <source>Absent</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positivo</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativo</translation>
    </message>
    <message>
        <source>Percent with positive test and disorder:</source>
        <translation>Con test positivo, porcentaje con la enfermedad:</translation>
    </message>
    <message>
        <source>Digits and a decimal point only</source>
        <translation>Solo dígitos y un separador decimal</translation>
    </message>
    <message>
        <source>Whole numbers only</source>
        <translation>Solo números enteros</translation>
    </message>
    <message>
        <source>Positive predictive value: %1%</source>
        <translation>Valor predictivo positivo: %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>Cases</name>
    <message>
        <source>true positives</source>
        <translation>verdaderos positivos</translation>
    </message>
    <message>
        <source>false positives</source>
        <translation>falsos positivos</translation>
    </message>
    <message>
        <source>false negatives</source>
        <translation>falsos negativos</translation>
    </message>
    <message>
        <source>true negatives</source>
        <translation>verdaderos negativos</translation>
    </message>
    <message>
        <source>prevalence</source>
        <translation>prevalencia</translation>
    </message>
    <message>
        <source>sensitivity</source>
        <translation>sensibilidad</translation>
    </message>
    <message>
        <source>false-positive rate</source>
        <translation>tasa de falsos positivos</translation>
    </message>
    <message>
        <source>what the test looks for</source>
        <translation>qué busca la prueba</translation>
    </message>
    <message>
        <source>who is tested</source>
        <translation>quiénes se examinan</translation>
    </message>
    <message>
        <source>one of them</source>
        <translation>uno de ellos, en singular</translation>
    </message>
    <message>
        <source>prevalence in the population tested</source>
        <translation>prevalencia en la población examinada</translation>
    </message>
    <message>
        <source>number of people the story is told for</source>
        <translation>número de personas con que se explica</translation>
    </message>
    <message>
        <source>source</source>
        <translation>fuente</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: %2.</source>
        <translation>No se ha podido abrir «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than a case can be; it is not a case.</source>
        <translation>«%1» es más grande de lo que puede ser un caso; no es un caso.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be opened.</source>
        <translation>«%1» está dañado y no se puede abrir.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Predivo case.</source>
        <translation>«%1» no es un caso de Predivo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved by a newer version of Predivo and cannot be opened here.</source>
        <translation>«%1» se guardó con una versión más reciente de Predivo y no se puede abrir aquí.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its %2 is not something that field can hold.</source>
        <translation>«%1» no se puede abrir: el valor de «%2» no es válido para ese campo.</translation>
    </message>
    <message>
        <source>The case could not be saved as &quot;%1&quot;: %2.</source>
        <translation>No se ha podido guardar el caso como «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Predivo tells how likely a positive test result is to be right. Without options it opens its windows; with --explain or --export it works from the command line and needs no display.</source>
        <translation>Predivo indica la probabilidad de que un resultado positivo de una prueba sea correcto. Sin opciones, abre sus ventanas; con --explain o --export, funciona desde la línea de comandos y no necesita pantalla.</translation>
    </message>
    <message>
        <source>Prints the explanation of a test, as the Explanation window copies it.</source>
        <translation>Escribe la explicación de una prueba tal como la copia la ventana Explicación.</translation>
    </message>
    <message>
        <source>Writes a picture of the test to FILE, as SVG or PNG by its extension.</source>
        <translation>Guarda una imagen de la prueba en ARCHIVO, como SVG o PNG según su extensión.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>The picture to export: tree (the default), icons or curves.</source>
        <translation>La imagen que se exporta: tree (árbol, la predeterminada), icons (iconos) o curves (curvas).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>With four counts: the prevalence in the population tested, in percent.</source>
        <translation>Con cuatro recuentos: la prevalencia en la población examinada, en porcentaje.</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>PORCENTAJE</translation>
    </message>
    <message>
        <source>The people the story is told for: 1000, 10000, 100000 or 1000000.</source>
        <translation>Con cuántas personas se explica: 1000, 10000, 100000 o 1000000.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>text (the default) or tsv: only the statistics, tab-separated.</source>
        <translation>text (texto, el predeterminado) o tsv: solo los estadísticos, separados por tabuladores.</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMATO</translation>
    </message>
    <message>
        <source>What the test looks for, in place of &quot;the disorder&quot;.</source>
        <translation>Lo que busca la prueba, en lugar de «la enfermedad».</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXTO</translation>
    </message>
    <message>
        <source>Who is tested, in place of &quot;people&quot;.</source>
        <translation>Quiénes se examinan, en lugar de «personas».</translation>
    </message>
    <message>
        <source>One of them, in place of &quot;person&quot;.</source>
        <translation>Uno de ellos, en singular, en lugar de «persona».</translation>
    </message>
    <message>
        <source>Explains or exports a saved case instead of NUMBERS.</source>
        <translation>Explica o exporta un caso guardado en lugar de NÚMEROS.</translation>
    </message>
    <message>
        <source>NUMBERS</source>
        <translation>NÚMEROS</translation>
    </message>
    <message>
        <source>Four counts (true positives, false positives, false negatives, true negatives) or three percentages (prevalence, sensitivity, false-positive rate). A case file alone opens it in the windows.</source>
        <translation>Cuatro recuentos (verdaderos positivos, falsos positivos, falsos negativos, verdaderos negativos) o tres porcentajes (prevalencia, sensibilidad, tasa de falsos positivos). Un archivo de caso, dado solo, se abre en las ventanas.</translation>
    </message>
    <message>
        <source>give the numbers or --case, not both</source>
        <translation>indique los números o --case, no ambos</translation>
    </message>
    <message>
        <source>give four counts or three percentages</source>
        <translation>indique cuatro recuentos o tres porcentajes</translation>
    </message>
    <message>
        <source>--prevalence goes with four counts</source>
        <translation>--prevalence va con cuatro recuentos</translation>
    </message>
    <message>
        <source>--%1 takes at most %2 characters</source>
        <translation>--%1 admite como máximo %2 caracteres</translation>
    </message>
    <message>
        <source>--size is 1000, 10000, 100000 or 1000000</source>
        <translation>--size debe ser 1000, 10000, 100000 o 1000000</translation>
    </message>
    <message>
        <source>give --explain or --export with the numbers</source>
        <translation>indique --explain o --export con los números</translation>
    </message>
    <message>
        <source>--format is text or tsv</source>
        <translation>--format debe ser text o tsv</translation>
    </message>
    <message>
        <source>--picture is tree, icons or curves</source>
        <translation>--picture debe ser tree, icons o curves</translation>
    </message>
    <message>
        <source>--picture goes with --export</source>
        <translation>--picture va con --export</translation>
    </message>
    <message>
        <source>--export writes .svg or .png files</source>
        <translation>--export guarda archivos .svg o .png</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
</context>
<context>
    <name>EditField</name>
    <message>
        <source>At most %1 %2</source>
        <translation>Como máximo %1 %2</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>caracteres</translation>
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
        <translation>Mamografía (Gigerenzer y Hoffrage 1995)</translation>
    </message>
    <message>
        <source>breast cancer</source>
        <translation>cáncer de mama</translation>
    </message>
    <message>
        <source>women at age forty in routine screening</source>
        <translation>mujeres de 40 años en cribado rutinario</translation>
    </message>
    <message>
        <source>woman at age forty in routine screening</source>
        <translation>mujer de 40 años en cribado rutinario</translation>
    </message>
    <message>
        <source>Hemoccult test (Gigerenzer 2002)</source>
        <translation>Prueba Hemoccult (Gigerenzer 2002)</translation>
    </message>
    <message>
        <source>colorectal cancer</source>
        <translation>cáncer colorrectal</translation>
    </message>
    <message>
        <source>men screened with the hemoccult test</source>
        <translation>hombres cribados con la prueba Hemoccult</translation>
    </message>
    <message>
        <source>man screened with the hemoccult test</source>
        <translation>hombre cribado con la prueba Hemoccult</translation>
    </message>
    <message>
        <source>HIV test in a low-risk group (Gigerenzer, Hoffrage and Ebert 1998)</source>
        <translation>Prueba del VIH en un grupo de bajo riesgo (Gigerenzer, Hoffrage y Ebert 1998)</translation>
    </message>
    <message>
        <source>HIV</source>
        <translation>VIH</translation>
    </message>
    <message>
        <source>heterosexual men with low-risk behaviour</source>
        <translation>hombres heterosexuales de bajo riesgo</translation>
    </message>
    <message>
        <source>heterosexual man with low-risk behaviour</source>
        <translation>hombre heterosexual de bajo riesgo</translation>
    </message>
    <message>
        <source>1 in 10,000 is infected, and 1 in 9,999 who are not tests positive; the infected one tests positive with practical certainty, taken as 100%</source>
        <translation>1 de cada 10.000 está infectado, y 1 de cada 9999 no infectados da positivo; el infectado da positivo con certeza práctica, que se toma como el 100&#xa0;%</translation>
    </message>
    <message>
        <source>Prenatal cell-free DNA screening (Nicolaides et al. 2012)</source>
        <translation>Cribado prenatal con ADN libre circulante (Nicolaides et al. 2012)</translation>
    </message>
    <message>
        <source>trisomy 21 or 18</source>
        <translation>trisomía 21 o 18</translation>
    </message>
    <message>
        <source>women screened at 11 to 13 weeks</source>
        <translation>mujeres cribadas en las semanas 11 a 13</translation>
    </message>
    <message>
        <source>woman screened at 11 to 13 weeks</source>
        <translation>mujer cribada en las semanas 11 a 13</translation>
    </message>
    <message>
        <source>the 1,949 of 2,049 women who were given a risk score</source>
        <translation>las 1949 de 2049 mujeres que recibieron una puntuación de riesgo</translation>
    </message>
    <message>
        <source>PSA test (Thompson et al. 2005)</source>
        <translation>Prueba del PSA (Thompson et al. 2005)</translation>
    </message>
    <message>
        <source>prostate cancer</source>
        <translation>cáncer de próstata</translation>
    </message>
    <message>
        <source>men aged 55 or older who had a biopsy</source>
        <translation>hombres biopsiados de 55 años o más</translation>
    </message>
    <message>
        <source>man aged 55 or older who had a biopsy</source>
        <translation>hombre biopsiado de 55 años o más</translation>
    </message>
    <message>
        <source>a PSA of 4.1 ng/mL or more taken as positive</source>
        <translation>un PSA de 4,1 ng/ml o más se considera positivo</translation>
    </message>
    <message>
        <source>Liver scan (Altman and Bland 1994)</source>
        <translation>Gammagrafía hepática (Altman y Bland 1994)</translation>
    </message>
    <message>
        <source>abnormal pathology</source>
        <translation>patología anormal</translation>
    </message>
    <message>
        <source>patients given a liver scan</source>
        <translation>pacientes con gammagrafía hepática</translation>
    </message>
    <message>
        <source>patient given a liver scan</source>
        <translation>paciente con gammagrafía hepática</translation>
    </message>
    <message>
        <source>Rapid antigen test for SARS-CoV-2 (Brümmer et al. 2021)</source>
        <translation>Prueba rápida de antígenos de SARS-CoV-2 (Brümmer et al. 2021)</translation>
    </message>
    <message>
        <source>SARS-CoV-2 infection</source>
        <translation>infección por SARS-CoV-2</translation>
    </message>
    <message>
        <source>people tested</source>
        <translation>personas examinadas</translation>
    </message>
    <message>
        <source>person tested</source>
        <translation>persona examinada</translation>
    </message>
    <message>
        <source>pooled sensitivity 71.2% and specificity 98.9%; a review of accuracy gives no prevalence, so 5% is assumed</source>
        <translation>sensibilidad combinada del 71,2&#xa0;% y especificidad del 98,9&#xa0;%; una revisión de la exactitud no da prevalencia, así que se supone del 5&#xa0;%</translation>
    </message>
    <message>
        <source>Casscells, Schoenberger and Graboys (1978)</source>
        <translation>Casscells, Schoenberger y Graboys (1978)</translation>
    </message>
    <message>
        <source>the disease</source>
        <translation>la enfermedad</translation>
    </message>
    <message>
        <source>persons tested</source>
        <translation>personas examinadas</translation>
    </message>
    <message>
        <source>prevalence 1 in 1,000, false-positive rate 5%; the question states no sensitivity, so 100% is assumed</source>
        <translation>prevalencia de 1 de cada 1000 y tasa de falsos positivos del 5&#xa0;%; la pregunta no indica la sensibilidad, así que se supone del 100&#xa0;%</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>people</source>
        <translation>personas</translation>
    </message>
    <message>
        <source>person</source>
        <translation>persona</translation>
    </message>
    <message>
        <source>the disorder</source>
        <translation>la enfermedad</translation>
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
        <translation>con la enfermedad</translation>
    </message>
    <message>
        <source>with %1</source>
        <translation>con %1</translation>
    </message>
    <message>
        <source>without the disorder</source>
        <translation>sin la enfermedad</translation>
    </message>
    <message>
        <source>without %1</source>
        <translation>sin %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 who test positive</source>
        <comment>%1 who tests positive</comment>
        <translation>
            <numerusform>%1 que da positivo</numerusform>
            <numerusform>%1 que dan positivo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 who test negative</source>
        <comment>%1 who tests negative</comment>
        <translation>
            <numerusform>%1 que da negativo</numerusform>
            <numerusform>%1 que dan negativo</numerusform>
        </translation>
    </message>
    <message>
        <source>undefined</source>
        <translation>no definido</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>infinito</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>the true positives</source>
        <translation>los verdaderos positivos</translation>
    </message>
    <message>
        <source>the false positives</source>
        <translation>los falsos positivos</translation>
    </message>
    <message>
        <source>the false negatives</source>
        <translation>los falsos negativos</translation>
    </message>
    <message>
        <source>the true negatives</source>
        <translation>los verdaderos negativos</translation>
    </message>
    <message>
        <source>the prevalence</source>
        <translation>la prevalencia</translation>
    </message>
    <message>
        <source>the sensitivity</source>
        <translation>la sensibilidad</translation>
    </message>
    <message>
        <source>the false-positive rate</source>
        <translation>la tasa de falsos positivos</translation>
    </message>
    <message>
        <source>The prevalence entered is above %1.</source>
        <translation>La prevalencia introducida supera el %1.</translation>
    </message>
    <message>
        <source>The sensitivity entered is above %1.</source>
        <translation>La sensibilidad introducida supera el %1.</translation>
    </message>
    <message>
        <source>The false-positive rate entered is above %1.</source>
        <translation>La tasa de falsos positivos introducida supera el %1.</translation>
    </message>
    <message>
        <source>a count above 0</source>
        <translation>un recuento mayor que 0</translation>
    </message>
    <message>
        <source>To explain a test, enter %1, or %2.</source>
        <translation>Para explicar una prueba, introduzca %1, o bien %2.</translation>
    </message>
    <message>
        <source>%1; the table&apos;s own is used.</source>
        <translation>%1; se usa la de la tabla.</translation>
    </message>
    <message>
        <source>The prevalence in the population tested is not a number</source>
        <translation>La prevalencia en la población examinada no es un número</translation>
    </message>
    <message>
        <source>The prevalence in the population tested is above %1</source>
        <translation>La prevalencia en la población examinada supera el %1</translation>
    </message>
    <message>
        <source>No one in the table has %1, so it cannot be carried over</source>
        <translation>Nadie en la tabla tiene %1, así que no se puede aplicar la prevalencia introducida</translation>
    </message>
    <message>
        <source>Everyone in the table has %1, so it cannot be carried over</source>
        <translation>Todas las personas de la tabla tienen %1, así que no se puede aplicar la prevalencia introducida</translation>
    </message>
    <message numerus="yes">
        <source>At the entered prevalence of %3: of %1, %n have %2.</source>
        <comment>At the entered prevalence of %3: of %1, %n has %2.</comment>
        <translation>
            <numerusform>Con la prevalencia introducida del %3: de %1, %n tiene %2.</numerusform>
            <numerusform>Con la prevalencia introducida del %3: de %1, %n tienen %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of %1, %n have %2.</source>
        <comment>Of %1, %n has %2.</comment>
        <translation>
            <numerusform>De %1, %n tiene %2.</numerusform>
            <numerusform>De %1, %n tienen %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of these %1 test positive.</source>
        <comment>%n of these %1 tests positive.</comment>
        <extracomment>%1 those with the disorder, %2 the same with their noun.</extracomment>
        <translation>
            <numerusform>De este grupo de %1, %n da positivo.</numerusform>
            <numerusform>De este grupo de %1, %n dan positivo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of the %1 %2, %n also test positive.</source>
        <comment>Of the %1 %2, %n also tests positive.</comment>
        <extracomment>%1 those without the disorder, %3 the same with their noun.</extracomment>
        <translation>
            <numerusform>De %3 %2, %n también da positivo.</numerusform>
            <numerusform>De %3 %2, %n también dan positivo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>So %n of the %1 have %2 (%3).</source>
        <comment>So %n of the %1 has %2 (%3).</comment>
        <translation>
            <numerusform>Por tanto, de %1, %n tiene %2 (%3).</numerusform>
            <numerusform>Por tanto, de %1, %n tienen %2 (%3).</numerusform>
        </translation>
    </message>
    <message>
        <source>So no one tests positive, and the positive predictive value is undefined.</source>
        <translation>Por tanto, nadie da positivo y el valor predictivo positivo no está definido.</translation>
    </message>
    <message>
        <source>No one tests negative, so the negative predictive value is undefined.</source>
        <translation>Nadie da negativo, así que el valor predictivo negativo no está definido.</translation>
    </message>
    <message numerus="yes">
        <source>Of the %1, %n do not have %2 (%3), so %4 of those who test negative have %2.</source>
        <comment>Of the %1, %n does not have %2 (%3), so %4 of those who test negative have %2.</comment>
        <translation>
            <numerusform>De %1, %n no tiene %2 (%3); por tanto, el %4 de quienes dan negativo tiene %2.</numerusform>
            <numerusform>De %1, %n no tienen %2 (%3); por tanto, el %4 de quienes dan negativo tiene %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Source: %1.</source>
        <translation>Fuente: %1.</translation>
    </message>
    <message>
        <source>Sensitivity (%)</source>
        <translation>Sensibilidad (%)</translation>
    </message>
    <message>
        <source>Specificity (%)</source>
        <translation>Especificidad (%)</translation>
    </message>
    <message>
        <source>Positive likelihood ratio</source>
        <translation>Razón de verosimilitud positiva</translation>
    </message>
    <message>
        <source>Negative likelihood ratio</source>
        <translation>Razón de verosimilitud negativa</translation>
    </message>
    <message>
        <source>Diagnostic odds ratio</source>
        <translation>Odds ratio diagnóstica</translation>
    </message>
    <message>
        <source>Youden&apos;s index</source>
        <translation>Índice de Youden</translation>
    </message>
    <message>
        <source>Number needed to diagnose</source>
        <translation>Número necesario para diagnosticar</translation>
    </message>
    <message>
        <source>Prevalence (%)</source>
        <translation>Prevalencia (%)</translation>
    </message>
    <message>
        <source>Positive predictive value (%)</source>
        <translation>Valor predictivo positivo (%)</translation>
    </message>
    <message>
        <source>Negative predictive value (%)</source>
        <translation>Valor predictivo negativo (%)</translation>
    </message>
    <message>
        <source>Disorder after a negative test (%)</source>
        <translation>Enfermedad tras una prueba negativa (%)</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Exactitud (%)</translation>
    </message>
    <message>
        <source>no one has %1</source>
        <translation>nadie tiene %1</translation>
    </message>
    <message>
        <source>no one is %1</source>
        <translation>no hay nadie %1</translation>
    </message>
    <message>
        <source>no one tests positive</source>
        <translation>nadie da positivo</translation>
    </message>
    <message>
        <source>no one tests negative</source>
        <translation>nadie da negativo</translation>
    </message>
    <message>
        <source>the test does no better than chance</source>
        <translation>la prueba no es mejor que el azar</translation>
    </message>
    <message>
        <source>%1 added to every cell for the interval</source>
        <translation>se suma %1 a cada celda para el intervalo</translation>
    </message>
    <message>
        <source>sensitivity or specificity is 0 or %1: adjusted logit interval</source>
        <translation>sensibilidad o especificidad de 0 o %1: intervalo logit ajustado</translation>
    </message>
    <message>
        <source>entered for the population tested</source>
        <translation>introducida para la población examinada</translation>
    </message>
    <message>
        <source>at the entered prevalence</source>
        <translation>con la prevalencia introducida</translation>
    </message>
    <message>
        <source>Percentages carry no sample sizes, so these figures have no confidence intervals.</source>
        <translation>Los porcentajes no informan del tamaño de la muestra, así que estas cifras no tienen intervalos de confianza.</translation>
    </message>
    <message>
        <source>the share %1</source>
        <translation>la proporción %1</translation>
    </message>
    <message>
        <source>the share of those %1 who test negative</source>
        <translation>la proporción de resultados negativos entre las personas %1</translation>
    </message>
    <message>
        <source>the specificity</source>
        <translation>la especificidad</translation>
    </message>
    <message>
        <source>the positive predictive value</source>
        <translation>el valor predictivo positivo</translation>
    </message>
    <message>
        <source>the negative predictive value</source>
        <translation>el valor predictivo negativo</translation>
    </message>
    <message>
        <source>the share %1 among those who test negative</source>
        <translation>la proporción %1 entre quienes dan negativo</translation>
    </message>
    <message>
        <source>Whole persons cannot show every figure even of %1: for them %2 is %3, where the table has %4.</source>
        <translation>Con personas enteras, ni siquiera %1 muestran todas las cifras: así, %2 es %3, mientras que en la tabla es %4.</translation>
    </message>
    <message>
        <source>Whole persons of %1 do not show every figure as the table does; the story is told for %2.</source>
        <translation>Con %1 enteras no se pueden mostrar todas las cifras como en la tabla; la explicación se da con %2.</translation>
    </message>
    <message>
        <source>Whole persons of %1 do not show every figure as the table does; it can be told for %2 people.</source>
        <translation>Con %1 enteras no se pueden mostrar todas las cifras como en la tabla; puede explicarse con %2 personas.</translation>
    </message>
    <message>
        <source>The predictive values and the accuracy hold only where the table&apos;s prevalence is that of the population tested; for a case-control study, enter the population&apos;s prevalence under &quot;Prevalence in the population tested&quot;.</source>
        <translation>Los valores predictivos y la exactitud solo son válidos si la prevalencia de la tabla es la de la población examinada; en un estudio de casos y controles, introduzca la prevalencia de la población en «Prevalencia en la población examinada».</translation>
    </message>
    <message>
        <source>The table is used; the percentages entered beside it are not.</source>
        <translation>Se usa la tabla; los porcentajes introducidos junto a ella no se usan.</translation>
    </message>
    <message>
        <source>Methods: sensitivity, specificity, prevalence, accuracy and the predictive values of the table are proportions of the sample, with exact Clopper–Pearson 95% confidence intervals. The likelihood ratios and the diagnostic odds ratio have intervals by the log method (Altman et al., Statistics with Confidence, 2nd ed., 2000), from the cells as they are when none is 0 and with 0.5 added to each of the four otherwise; a ratio whose denominator alone is 0 is infinite. Youden&apos;s index has as bounds those of sensitivity and specificity added, less 1, and the number needed to diagnose their reciprocals. Predictive values at an entered prevalence have the logit intervals of Mercaldo, Lau and Zhou (Statistics in Medicine 26, 2007): the standard one, or the adjusted one where sensitivity or specificity is 0 or 100%. Figures are rounded from their exact values, halves away from zero: percentages to one decimal, or to two significant digits of their distance from 0 or 100% where one decimal would hide it; ratios to three significant digits. Persons are whole persons, rounded the same way.</source>
        <translation>Métodos: la sensibilidad, la especificidad, la prevalencia, la exactitud y los valores predictivos de la tabla son proporciones de la muestra, con intervalos de confianza exactos del 95&#xa0;% de Clopper–Pearson. Las razones de verosimilitud y la odds ratio diagnóstica tienen intervalos por el método logarítmico (Altman et al., Statistics with Confidence, 2.ª ed., 2000), calculados con las celdas tal como son si ninguna es 0 y, si no, sumando 0,5 a cada una de las cuatro; una razón es infinita si solo su denominador es 0. Los límites del índice de Youden son la suma de los de la sensibilidad y la especificidad menos 1, y los del número necesario para diagnosticar, sus inversos. Los valores predictivos con una prevalencia introducida tienen los intervalos logit de Mercaldo, Lau y Zhou (Statistics in Medicine 26, 2007): el estándar o, si la sensibilidad o la especificidad es 0 o 100&#xa0;%, el ajustado. Las cifras se redondean a partir de sus valores exactos, con las mitades alejándose de cero: los porcentajes, a un decimal, o a dos cifras significativas de su distancia a 0 o a 100&#xa0;% cuando un decimal la ocultaría; las razones, a tres cifras significativas. Las personas son personas enteras, redondeadas del mismo modo.</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Estadístico</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Lower 95% limit</source>
        <translation>Límite inferior IC 95&#xa0;%</translation>
    </message>
    <message>
        <source>Upper 95% limit</source>
        <translation>Límite superior IC 95&#xa0;%</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>true positives %1, false positives %2, false negatives %3, true negatives %4</source>
        <translation>verdaderos positivos %1, falsos positivos %2, falsos negativos %3, verdaderos negativos %4</translation>
    </message>
    <message>
        <source>population prevalence %1</source>
        <translation>prevalencia en la población %1</translation>
    </message>
    <message>
        <source>prevalence %1, sensitivity %2, false-positive rate %3</source>
        <translation>prevalencia %1, sensibilidad %2, tasa de falsos positivos %3</translation>
    </message>
</context>
<context>
    <name>ExplanationWindow</name>
    <message>
        <source>Digits and a decimal point only</source>
        <translation>Solo dígitos y un separador decimal</translation>
    </message>
    <message>
        <source>the fewest people that show the same values</source>
        <translation>el mínimo de personas con los mismos valores</translation>
    </message>
    <message>
        <source>What the test looks for:</source>
        <translation>Qué busca la prueba:</translation>
    </message>
    <message>
        <source>What the test looks for</source>
        <translation>Qué busca la prueba</translation>
    </message>
    <message>
        <source>Who is tested:</source>
        <translation>Quiénes se examinan:</translation>
    </message>
    <message>
        <source>Who is tested, in the plural</source>
        <translation>Quiénes se examinan, en plural</translation>
    </message>
    <message>
        <source>One of them:</source>
        <translation>En singular:</translation>
    </message>
    <message>
        <source>One of those tested, in the singular</source>
        <translation>Una persona examinada, en singular</translation>
    </message>
    <message>
        <source>icon-arrays.svg</source>
        <translation>matrices-de-iconos.svg</translation>
    </message>
    <message>
        <source>predictive-values.svg</source>
        <translation>valores-predictivos.svg</translation>
    </message>
    <message>
        <source>frequency-tree.svg</source>
        <translation>arbol-de-frecuencias.svg</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Estadístico</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>95% interval</source>
        <translation>IC 95&#xa0;%</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Explicación</translation>
    </message>
    <message>
        <source>Prevalence in the population tested (%):</source>
        <translation>Prevalencia en la población examinada (%):</translation>
    </message>
    <message>
        <source>Prevalence in the population tested (%)</source>
        <translation>Prevalencia en la población examinada (%)</translation>
    </message>
    <message>
        <source>Tell it for:</source>
        <translation>Explicar con:</translation>
    </message>
    <message>
        <source>Tell it for</source>
        <translation>Explicar con</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Frequency tree</source>
        <translation>Árbol de frecuencias</translation>
    </message>
    <message>
        <source>Icon arrays</source>
        <translation>Matrices de iconos</translation>
    </message>
    <message>
        <source>Predictive values over prevalence</source>
        <translation>Valores predictivos según la prevalencia</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticos</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Methods</source>
        <translation>Métodos</translation>
    </message>
    <message>
        <source>There is no picture to export until the calculator holds a test.</source>
        <translation>No hay ninguna imagen que exportar hasta que la calculadora contenga una prueba.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>%1 saves pictures as .svg or .png files.</source>
        <translation>%1 guarda las imágenes como archivos .svg o .png.</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2.</source>
        <translation>No se ha podido guardar la imagen como «%1»: %2.</translation>
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
        <translation>Imagen SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>Predivo case (*.predivo)</source>
        <translation>Caso de Predivo (*.predivo)</translation>
    </message>
    <message>
        <source>Save Case</source>
        <translation>Guardar caso</translation>
    </message>
    <message>
        <source>Open Case</source>
        <translation>Abrir caso</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>&amp;Examples</source>
        <translation>&amp;Ejemplos</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Export Picture...</source>
        <translation>Exportar imagen...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Ventana</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Explicación</translation>
    </message>
    <message>
        <source>About Predivo</source>
        <translation>Acerca de Predivo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message numerus="yes">
        <source>test positive</source>
        <comment>tests positive</comment>
        <translation>
            <numerusform>da positivo</numerusform>
            <numerusform>dan positivo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>test negative</source>
        <comment>tests negative</comment>
        <translation>
            <numerusform>da negativo</numerusform>
            <numerusform>dan negativo</numerusform>
        </translation>
    </message>
    <message>
        <source>prevalence</source>
        <translation>prevalencia</translation>
    </message>
    <message>
        <source>sensitivity</source>
        <translation>sensibilidad</translation>
    </message>
    <message>
        <source>false-positive rate</source>
        <translation>tasa de falsos positivos</translation>
    </message>
    <message>
        <source>specificity</source>
        <translation>especificidad</translation>
    </message>
    <message>
        <source>No one tests positive</source>
        <translation>Nadie da positivo</translation>
    </message>
    <message numerus="yes">
        <source>%n who test positive</source>
        <comment>%n who tests positive</comment>
        <translation>
            <numerusform>%n que da positivo</numerusform>
            <numerusform>%n que dan positivo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 have %2 (%3)</source>
        <comment>%n of %1 has %2 (%3)</comment>
        <translation>
            <numerusform>De %1, %n tiene %2 (%3)</numerusform>
            <numerusform>De %1, %n tienen %2 (%3)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2, of whom %3 test positive and %4 negative</source>
        <extracomment>One branch of the tree: %1 persons %2 (with or without the disorder), of whom %3 test positive and %4 negative.</extracomment>
        <translation>%1 %2, de quienes %3 dan positivo y %4 negativo</translation>
    </message>
    <message>
        <source>%1 without it, of whom %3 test positive and %4 negative</source>
        <translation>%1 %2, de quienes %3 dan positivo y %4 negativo</translation>
    </message>
    <message>
        <source>%1. A tree of %2: %3; %4.</source>
        <translation>%1. Un árbol de %2: %3; %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n persons</source>
        <comment>%n person</comment>
        <translation>
            <numerusform>%n persona</numerusform>
            <numerusform>%n personas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 in both arrays</source>
        <translation>%1 en ambas matrices</translation>
    </message>
    <message>
        <source>%1; part of an icon: fewer</source>
        <translation>%1; icono parcial: menos</translation>
    </message>
    <message>
        <source>Test positive: %1</source>
        <translation>Prueba positiva: %1</translation>
    </message>
    <message>
        <source>Test negative: %1</source>
        <translation>Prueba negativa: %1</translation>
    </message>
    <message>
        <source>No one tests positive.</source>
        <translation>Nadie da positivo.</translation>
    </message>
    <message>
        <source>No one tests negative.</source>
        <translation>Nadie da negativo.</translation>
    </message>
    <message>
        <source>each icon: %1</source>
        <translation>cada icono: %1</translation>
    </message>
    <message>
        <source>Each icon: %1.</source>
        <translation>Cada icono: %1.</translation>
    </message>
    <message>
        <source>Of the %1, %2 and %3.</source>
        <translation>De %1, %2 y %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n have %1</source>
        <comment>%n has %1</comment>
        <translation>
            <numerusform>%n tiene %1</numerusform>
            <numerusform>%n tienen %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n do not</source>
        <comment>%n does not</comment>
        <translation>
            <numerusform>%n no</numerusform>
            <numerusform>%n no</numerusform>
        </translation>
    </message>
    <message>
        <source>The curves need persons with and without %1.</source>
        <extracomment>%2 and %3: the persons&apos; groups with and without the disorder, in their own words.</extracomment>
        <translation>Las curvas necesitan personas con y sin %1.</translation>
    </message>
    <message>
        <source>prevalence (logarithmic scale)</source>
        <translation>prevalencia (escala logarítmica)</translation>
    </message>
    <message>
        <source>prevalence of %1 (logarithmic scale)</source>
        <translation>prevalencia de %1 (escala logarítmica)</translation>
    </message>
    <message>
        <source>prevalence %1</source>
        <translation>prevalencia %1</translation>
    </message>
    <message>
        <source>reading %1</source>
        <translation>lectura en %1</translation>
    </message>
    <message>
        <source>%1: at the left end</source>
        <translation>%1: en el extremo izquierdo</translation>
    </message>
    <message>
        <source>%1: at the right end</source>
        <translation>%1: en el extremo derecho</translation>
    </message>
    <message>
        <source>positive predictive value %1, negative predictive value %2.</source>
        <translation>valor predictivo positivo %1, valor predictivo negativo %2.</translation>
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
        <translation>valor predictivo positivo (VPP)</translation>
    </message>
    <message>
        <source>negative predictive value (NPV)</source>
        <translation>valor predictivo negativo (VPN)</translation>
    </message>
    <message>
        <source>The predictive values of this test against prevalence, from %1 to %2 on a logarithmic scale.</source>
        <translation>Los valores predictivos de esta prueba según la prevalencia, del %1 al %2 en escala logarítmica.</translation>
    </message>
    <message>
        <source>The predictive values of this test for %3 against its prevalence, from %1 to %2 on a logarithmic scale.</source>
        <translation>Los valores predictivos de esta prueba de %3 según su prevalencia, del %1 al %2 en escala logarítmica.</translation>
    </message>
    <message>
        <source>At the current prevalence of %1: %2</source>
        <translation>Con la prevalencia actual del %1: %2</translation>
    </message>
    <message>
        <source>At a prevalence of %1, the reading: %2</source>
        <translation>Con una prevalencia del %1, la lectura: %2</translation>
    </message>
</context>
</TS>
