<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Predivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright 2006 The Predivo developers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>%1: the connection to the display was lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot start: no graphical display could be opened (%2).
Run it on a desktop, or set DISPLAY to a running X server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unexpected error occurred, and %1 has to close.

%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>Enter the 4 frequencies OR the 3 percentages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percentages cannot be greater than 100.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test positive, disorder present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test positive, disorder absent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test negative, disorder present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test negative, disorder absent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent prevalence in population</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If person has disorder, percent with positive test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If person does not have disorder, percent with positive test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent with positive test and disorder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent prevalence in population:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If person has disorder, percent with positive test:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright 2006 The Predivo developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If person does not have disorder, percent with positive test:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disorder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent with positive test and disorder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digits and a decimal point only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole numbers only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive predictive value: %1%</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cases</name>
    <message>
        <source>true positives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>false positives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>false negatives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>true negatives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prevalence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sensitivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>false-positive rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>what the test looks for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>who is tested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one of them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prevalence in the population tested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number of people the story is told for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than a case can be; it is not a case.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Predivo case.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved by a newer version of Predivo and cannot be opened here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its %2 is not something that field can hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The case could not be saved as &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Predivo tells how likely a positive test result is to be right. Without options it opens its windows; with --explain or --export it works from the command line and needs no display.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the explanation of a test, as the Explanation window copies it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes a picture of the test to FILE, as SVG or PNG by its extension.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture to export: tree (the default), icons or curves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With four counts: the prevalence in the population tested, in percent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The people the story is told for: 1000, 10000, 100000 or 1000000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text (the default) or tsv: only the statistics, tab-separated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the test looks for, in place of &quot;the disorder&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who is tested, in place of &quot;people&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One of them, in place of &quot;person&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explains or exports a saved case instead of NUMBERS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUMBERS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four counts (true positives, false positives, false negatives, true negatives) or three percentages (prevalence, sensitivity, false-positive rate). A case file alone opens it in the windows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give the numbers or --case, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give four counts or three percentages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--prevalence goes with four counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 takes at most %2 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size is 1000, 10000, 100000 or 1000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give --explain or --export with the numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format is text or tsv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--picture is tree, icons or curves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--picture goes with --export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export writes .svg or .png files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditField</name>
    <message>
        <source>At most %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>characters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Examples</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A publication (%1), then what the example takes from it (%2).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mammography (Gigerenzer and Hoffrage 1995)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>breast cancer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>women at age forty in routine screening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>woman at age forty in routine screening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hemoccult test (Gigerenzer 2002)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>colorectal cancer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>men screened with the hemoccult test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>man screened with the hemoccult test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HIV test in a low-risk group (Gigerenzer, Hoffrage and Ebert 1998)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HIV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>heterosexual men with low-risk behaviour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>heterosexual man with low-risk behaviour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 in 10,000 is infected, and 1 in 9,999 who are not tests positive; the infected one tests positive with practical certainty, taken as 100%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prenatal cell-free DNA screening (Nicolaides et al. 2012)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trisomy 21 or 18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>women screened at 11 to 13 weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>woman screened at 11 to 13 weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the 1,949 of 2,049 women who were given a risk score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSA test (Thompson et al. 2005)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prostate cancer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>men aged 55 or older who had a biopsy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>man aged 55 or older who had a biopsy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a PSA of 4.1 ng/mL or more taken as positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liver scan (Altman and Bland 1994)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>abnormal pathology</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>patients given a liver scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>patient given a liver scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rapid antigen test for SARS-CoV-2 (Brümmer et al. 2021)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SARS-CoV-2 infection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>people tested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>person tested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pooled sensitivity 71.2% and specificity 98.9%; a review of accuracy gives no prevalence, so 5% is assumed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Casscells, Schoenberger and Graboys (1978)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disease</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>persons tested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prevalence 1 in 1,000, false-positive rate 5%; the question states no sensitivity, so 100% is assumed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>people</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disorder</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%2</source>
        <comment>%1</comment>
        <extracomment>Picks the noun for a count by the language&apos;s plural rule: %1 the singular, %2 the plural.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>with the disorder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>without the disorder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>without %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 who test positive</source>
        <comment>%1 who tests positive</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 who test negative</source>
        <comment>%1 who tests negative</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>undefined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>infinite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the true positives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the false positives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the false negatives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the true negatives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the prevalence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sensitivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the false-positive rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The prevalence entered is above %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sensitivity entered is above %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The false-positive rate entered is above %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a count above 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To explain a test, enter %1, or %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the table&apos;s own is used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The prevalence in the population tested is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The prevalence in the population tested is above %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No one in the table has %1, so it cannot be carried over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everyone in the table has %1, so it cannot be carried over</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>At the entered prevalence of %3: of %1, %n have %2.</source>
        <comment>At the entered prevalence of %3: of %1, %n has %2.</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of %1, %n have %2.</source>
        <comment>Of %1, %n has %2.</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of these %1 test positive.</source>
        <comment>%n of these %1 tests positive.</comment>
        <extracomment>%1 those with the disorder, %2 the same with their noun.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of the %1 %2, %n also test positive.</source>
        <comment>Of the %1 %2, %n also tests positive.</comment>
        <extracomment>%1 those without the disorder, %3 the same with their noun.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>So %n of the %1 have %2 (%3).</source>
        <comment>So %n of the %1 has %2 (%3).</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>So no one tests positive, and the positive predictive value is undefined.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No one tests negative, so the negative predictive value is undefined.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Of the %1, %n do not have %2 (%3), so %4 of those who test negative have %2.</source>
        <comment>Of the %1, %n does not have %2 (%3), so %4 of those who test negative have %2.</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Source: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensitivity (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specificity (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive likelihood ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative likelihood ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagnostic odds ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Youden&apos;s index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number needed to diagnose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prevalence (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive predictive value (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative predictive value (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disorder after a negative test (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no one has %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no one is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no one tests positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no one tests negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the test does no better than chance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 added to every cell for the interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sensitivity or specificity is 0 or %1: adjusted logit interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entered for the population tested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at the entered prevalence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percentages carry no sample sizes, so these figures have no confidence intervals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the share %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the share of those %1 who test negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the specificity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the positive predictive value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the negative predictive value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the share %1 among those who test negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole persons cannot show every figure even of %1: for them %2 is %3, where the table has %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole persons of %1 do not show every figure as the table does; the story is told for %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole persons of %1 do not show every figure as the table does; it can be told for %2 people.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The predictive values and the accuracy hold only where the table&apos;s prevalence is that of the population tested; for a case-control study, enter the population&apos;s prevalence under &quot;Prevalence in the population tested&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table is used; the percentages entered beside it are not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Methods: sensitivity, specificity, prevalence, accuracy and the predictive values of the table are proportions of the sample, with exact Clopper–Pearson 95% confidence intervals. The likelihood ratios and the diagnostic odds ratio have intervals by the log method (Altman et al., Statistics with Confidence, 2nd ed., 2000), from the cells as they are when none is 0 and with 0.5 added to each of the four otherwise; a ratio whose denominator alone is 0 is infinite. Youden&apos;s index has as bounds those of sensitivity and specificity added, less 1, and the number needed to diagnose their reciprocals. Predictive values at an entered prevalence have the logit intervals of Mercaldo, Lau and Zhou (Statistics in Medicine 26, 2007): the standard one, or the adjusted one where sensitivity or specificity is 0 or 100%. Figures are rounded from their exact values, halves away from zero: percentages to one decimal, or to two significant digits of their distance from 0 or 100% where one decimal would hide it; ratios to three significant digits. Persons are whole persons, rounded the same way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower 95% limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper 95% limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>true positives %1, false positives %2, false negatives %3, true negatives %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>population prevalence %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prevalence %1, sensitivity %2, false-positive rate %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExplanationWindow</name>
    <message>
        <source>Digits and a decimal point only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the fewest people that show the same values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the test looks for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the test looks for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who is tested:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who is tested, in the plural</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One of them:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One of those tested, in the singular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>icon-arrays.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>predictive-values.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frequency-tree.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>95% interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prevalence in the population tested (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prevalence in the population tested (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tell it for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tell it for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon arrays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Predictive values over prevalence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Methods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no picture to export until the calculator holds a test.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>%1 saves pictures as .svg or .png files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>%1%</source>
        <extracomment>A percentage: the number, then the sign as the language writes it, after a no-break space where it takes one.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>SVG image (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Predivo case (*.predivo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Case</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Examples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Predivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message numerus="yes">
        <source>test positive</source>
        <comment>tests positive</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>test negative</source>
        <comment>tests negative</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>prevalence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sensitivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>false-positive rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>specificity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No one tests positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n who test positive</source>
        <comment>%n who tests positive</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 have %2 (%3)</source>
        <comment>%n of %1 has %2 (%3)</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2, of whom %3 test positive and %4 negative</source>
        <extracomment>One branch of the tree: %1 persons %2 (with or without the disorder), of whom %3 test positive and %4 negative.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 without it, of whom %3 test positive and %4 negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. A tree of %2: %3; %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n persons</source>
        <comment>%n person</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 in both arrays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; part of an icon: fewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test positive: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test negative: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No one tests positive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No one tests negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>each icon: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each icon: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Of the %1, %2 and %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n have %1</source>
        <comment>%n has %1</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n do not</source>
        <comment>%n does not</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The curves need persons with and without %1.</source>
        <extracomment>%2 and %3: the persons&apos; groups with and without the disorder, in their own words.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prevalence (logarithmic scale)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prevalence of %1 (logarithmic scale)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prevalence %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: at the left end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: at the right end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>positive predictive value %1, negative predictive value %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PPV %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NPV %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>positive predictive value (PPV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>negative predictive value (NPV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The predictive values of this test against prevalence, from %1 to %2 on a logarithmic scale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The predictive values of this test for %3 against its prevalence, from %1 to %2 on a logarithmic scale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At the current prevalence of %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At a prevalence of %1, the reading: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
