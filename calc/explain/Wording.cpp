#include "calc/explain/Wording.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "calc/Figures.h"

namespace calc {

// ---- The explanation ----

namespace {

// English verbs and nouns by count.
const char* Has(std::uint64_t n) {
    return n == 1 ? " has" : " have";
}
const char* Tests(std::uint64_t n) {
    return n == 1 ? " tests" : " test";
}
const char* WhoTests(std::uint64_t n) {
    return n == 1 ? " who tests" : " who test";
}

std::string Join(const std::vector<std::string>& items, const char* last = " and ") {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += i + 1 == items.size() ? last : ", ";
        out += items[i];
    }
    return out;
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Disorder(const Labels& labels) {
    const auto named = Trimmed(labels.disorder);
    return named.empty() ? "the disorder" : std::string(named);
}

std::string Plural(const Labels& labels) {
    const auto named = Trimmed(labels.people);
    return named.empty() ? "people" : std::string(named);
}

// Empty where the labels name the persons in the plural only.
std::string Singular(const Labels& labels) {
    const auto named = Trimmed(labels.person);
    if (!named.empty()) return std::string(named);
    return Trimmed(labels.people).empty() ? "person" : "";
}

const char* const kCountNames[] = {"the true positives", "the false positives",
                                   "the false negatives", "the true negatives"};
const char* const kPercentNames[] = {"the prevalence", "the sensitivity",
                                     "the false-positive rate"};

}  // namespace

std::string People(std::uint64_t n, const Labels& labels) {
    if (n != 1) return GroupedText(n) + " " + Plural(labels);
    const std::string one = Singular(labels);
    return one.empty() ? "1" : "1 " + one;
}

std::string MissingInput(const bool countMissing[4], const bool percentMissing[3],
                         const bool percentAbove[3]) {
    std::vector<std::string> needCounts;
    for (int i = 0; i < 4; ++i) {
        if (countMissing[i]) needCounts.emplace_back(kCountNames[i]);
    }
    if (needCounts.empty()) needCounts.emplace_back("a count above 0");
    std::vector<std::string> needPercents;
    std::string aboveSentences;
    for (int i = 0; i < 3; ++i) {
        if (percentMissing[i] || percentAbove[i]) needPercents.emplace_back(kPercentNames[i]);
        if (percentAbove[i]) {
            std::string name = kPercentNames[i];
            name[0] = 'T';
            aboveSentences += " " + name + " entered is above 100%.";
        }
    }
    return "To explain a test, enter " + Join(needCounts) + ", or " + Join(needPercents) + "." +
           aboveSentences;
}

std::string RefusedPopulationNote(PopulationRefusal why, const Labels& labels) {
    return RefusedPopulation(why, labels) + "; the table's own is used.";
}

std::string RefusedPopulation(PopulationRefusal why, const Labels& labels) {
    std::string refusal;
    switch (why) {
        case PopulationRefusal::NotANumber:
            refusal = "The prevalence in the population tested is not a number";
            break;
        case PopulationRefusal::AboveHundred:
            refusal = "The prevalence in the population tested is above 100%";
            break;
        case PopulationRefusal::NoneDiseased:
            refusal =
                "No one in the table has " + Disorder(labels) + ", so it cannot be carried over";
            break;
        case PopulationRefusal::NoneHealthy:
            refusal =
                "Everyone in the table has " + Disorder(labels) + ", so it cannot be carried over";
            break;
    }
    return refusal;
}

std::string PositiveSentence(const PersonsTree& t, const std::string& ppv,
                             const std::optional<std::string>& enteredPrevalence,
                             const Labels& labels) {
    const std::string disorder = Disorder(labels);
    std::string s = enteredPrevalence ? "At the entered prevalence of " +
                                            PercentSign(*enteredPrevalence) + ": of "
                                      : "Of ";
    s += People(t.total, labels) + ", " + GroupedText(t.diseased) + Has(t.diseased) + " " +
         disorder + ".";
    if (t.diseased > 0) {
        s += " " + GroupedText(t.truePositives) + " of these " + GroupedText(t.diseased) +
             Tests(t.truePositives) + " positive.";
    }
    if (t.Healthy() > 0) {
        s += " Of the " + GroupedText(t.Healthy()) + " without " + disorder + ", " +
             GroupedText(t.falsePositives) + " also" + Tests(t.falsePositives) + " positive.";
    }
    if (t.Positives() > 0) {
        s += " So " + GroupedText(t.truePositives) + " of the " + People(t.Positives(), labels) +
             WhoTests(t.Positives()) + " positive" + Has(t.truePositives) + " " + disorder + " (" +
             PercentSign(ppv) + ").";
    } else {
        s += " So no one tests positive, and the positive predictive value is undefined.";
    }
    return s;
}

std::string NegativeSentence(const PersonsTree& t, const std::string& npv,
                             const std::string& disorderAfterNegative, const Labels& labels) {
    if (t.Negatives() == 0) {
        return "No one tests negative, so the negative predictive value is undefined.";
    }
    const std::string disorder = Disorder(labels);
    return "Of the " + People(t.Negatives(), labels) + WhoTests(t.Negatives()) + " negative, " +
           GroupedText(t.trueNegatives) + (t.trueNegatives == 1 ? " does" : " do") + " not have " +
           disorder + " (" + PercentSign(npv) + "), so " + PercentSign(disorderAfterNegative) +
           " of those who test negative have " + disorder + ".";
}

std::string SourceNote(std::string_view source) {
    return "Source: " + std::string(source) + ".";
}

std::string StatisticName(Statistic s) {
    switch (s) {
        case Statistic::Sensitivity:
            return "Sensitivity (%)";
        case Statistic::Specificity:
            return "Specificity (%)";
        case Statistic::PositiveLikelihoodRatio:
            return "Positive likelihood ratio";
        case Statistic::NegativeLikelihoodRatio:
            return "Negative likelihood ratio";
        case Statistic::DiagnosticOddsRatio:
            return "Diagnostic odds ratio";
        case Statistic::YoudenIndex:
            return "Youden's index";
        case Statistic::NumberNeededToDiagnose:
            return "Number needed to diagnose";
        case Statistic::Prevalence:
            return "Prevalence (%)";
        case Statistic::PositivePredictiveValue:
            return "Positive predictive value (%)";
        case Statistic::NegativePredictiveValue:
            return "Negative predictive value (%)";
        case Statistic::DisorderAfterNegative:
            return "Disorder after a negative test (%)";
        case Statistic::Accuracy:
            return "Accuracy (%)";
    }
    return "";
}

std::string UndefinedReason(Undefined why, const Labels& labels) {
    switch (why) {
        case Undefined::NoneDiseased:
            return "no one has " + Disorder(labels);
        case Undefined::NoneHealthy:
            return "no one is without " + Disorder(labels);
        case Undefined::NonePositive:
            return "no one tests positive";
        case Undefined::NoneNegative:
            return "no one tests negative";
        case Undefined::NoBetterThanChance:
            return "the test does no better than chance";
        case Undefined::No:
            break;
    }
    return "";
}

std::string HalfAddedNote() {
    return "0.5 added to every cell for the interval";
}

std::string AdjustedLogitNote() {
    return "sensitivity or specificity is 0 or 100%: adjusted logit interval";
}

std::string EnteredPrevalenceNote() {
    return "entered for the population tested";
}

std::string AtEnteredPrevalenceNote() {
    return "at the entered prevalence";
}

std::string NoIntervalsNote() {
    return "Percentages carry no sample sizes, so these figures have no confidence intervals.";
}

namespace {

std::string ShareName(Share share, const Labels& labels) {
    switch (share) {
        case Share::Prevalence:
            return "the prevalence";
        case Share::WithoutDisorder:
            return "the share without " + Disorder(labels);
        case Share::Sensitivity:
            return "the sensitivity";
        case Share::MissRate:
            return "the share of those with " + Disorder(labels) + " who test negative";
        case Share::FalsePositiveRate:
            return "the false-positive rate";
        case Share::Specificity:
            return "the specificity";
        case Share::PositivePredictive:
            return "the positive predictive value";
        case Share::NegativePredictive:
            return "the negative predictive value";
        case Share::DisorderAfterNegative:
            return "the share with " + Disorder(labels) + " among those who test negative";
    }
    return "";
}

}  // namespace

std::string RoundedPersonsNote(std::uint64_t persons, Share share, const std::string& told,
                               const std::string& table, const Labels& labels) {
    return "Whole persons cannot show every figure even of " + People(persons, labels) +
           ": for them " + ShareName(share, labels) + " is " +
           (told == kUndefined ? told : PercentSign(told)) + ", where the table has " +
           PercentSign(table) + ".";
}

std::string SizeRefusal(std::uint64_t asked, const std::vector<std::uint64_t>& sizes) {
    std::vector<std::string> offered;
    for (const std::uint64_t n : sizes) offered.push_back(GroupedText(n));
    std::string out =
        "Whole persons of " + People(asked, {}) + " do not show every figure as the table does; ";
    if (offered.empty()) return out + "the story is told for " + People(1000000, {}) + ".";
    return out + "it can be told for " + Join(offered, " or ") + " people.";
}

std::string TablePrevalenceNote() {
    return "The predictive values and the accuracy hold only where the table's prevalence is that "
           "of the population tested; for a case-control study, enter the population's "
           "prevalence under \"Prevalence in the population tested\".";
}

std::string BothInputsNote() {
    return "The table is used; the percentages entered beside it are not.";
}

std::string Methods() {
    return "Methods: sensitivity, specificity, prevalence, accuracy and the predictive values of "
           "the table are proportions of the sample, with exact Clopper\u2013Pearson 95% "
           "confidence intervals. The likelihood ratios and the diagnostic odds ratio have "
           "intervals by the log method (Altman et al., Statistics with Confidence, 2nd ed., "
           "2000), from the cells as they are when none is 0 and with 0.5 added to each of the "
           "four otherwise; a ratio whose denominator alone is 0 is infinite. Youden's index has "
           "as bounds those of sensitivity and specificity added, less 1, and the number needed "
           "to diagnose their reciprocals. Predictive values at an entered prevalence have the "
           "logit intervals of Mercaldo, Lau and Zhou (Statistics in Medicine 26, 2007): the "
           "standard one, or the adjusted one where sensitivity or specificity is 0 or 100%. "
           "Figures are rounded from their exact values, halves away from zero: percentages to "
           "one decimal, or to two significant digits of their distance from 0 or 100% where one "
           "decimal would hide it; ratios to three significant digits. Persons are whole persons, "
           "rounded the same way.";
}

std::string TableHead() {
    return "Statistic\tValue\tLower 95% limit\tUpper 95% limit\tNote";
}

namespace {

// A percentage as typed, ".5" with the zero before its point.
std::string Typed(const std::string& percent) {
    return (percent.starts_with('.') ? "0" : "") + percent + "%";
}

}  // namespace

std::string CountsHeading(const std::string& date, const std::uint64_t counts[4],
                          const std::string& population) {
    std::string out = date + " \u00b7 true positives " + GroupedText(counts[0]) +
                      ", false positives " + GroupedText(counts[1]) + ", false negatives " +
                      GroupedText(counts[2]) + ", true negatives " + GroupedText(counts[3]);
    if (population.empty()) return out;
    return out + " \u00b7 population prevalence " + Typed(population);
}

std::string PercentagesHeading(const std::string& date, const std::string& prevalence,
                               const std::string& sensitivity, const std::string& falsePositives) {
    return date + " \u00b7 prevalence " + Typed(prevalence) + ", sensitivity " +
           Typed(sensitivity) + ", false-positive rate " + Typed(falsePositives);
}

// ---- The frequency tree ----

std::string TreeTopName(std::uint64_t total, const Labels& labels) {
    return total == 1 ? Singular(labels) : Plural(labels);
}
std::string WithDisorderName(const Labels& labels) {
    return "with " + Disorder(labels);
}
std::string WithoutDisorderName(const Labels& labels) {
    return "without " + Disorder(labels);
}
std::string TestName(std::uint64_t n, bool positive) {
    return std::string(n == 1 ? "tests " : "test ") + (positive ? "positive" : "negative");
}
std::string PrevalenceBranch() {
    return "prevalence";
}
std::string SensitivityBranch() {
    return "sensitivity";
}
std::string FalsePositiveRateBranch() {
    return "false-positive rate";
}
std::string SpecificityBranch() {
    return "specificity";
}

std::string PositiveLine(const PersonsTree& t, const std::string& ppv, const Labels& labels) {
    if (t.Positives() == 0) return "No one tests positive";
    return GroupedText(t.truePositives) + " of " + GroupedText(t.Positives()) +
           WhoTests(t.Positives()) + " positive" + Has(t.truePositives) + " " + Disorder(labels) +
           " (" + PercentSign(ppv) + ")";
}

std::string TreeDescription(const PersonsTree& t, const std::string& ppv, const Labels& labels) {
    return PositiveLine(t, ppv, labels) + ". A tree of " + People(t.total, labels) + ": " +
           GroupedText(t.diseased) + " " + WithDisorderName(labels) + ", of whom " +
           GroupedText(t.truePositives) + " test positive and " + GroupedText(t.falseNegatives) +
           " negative; " + GroupedText(t.Healthy()) + " without it, of whom " +
           GroupedText(t.falsePositives) + " test positive and " + GroupedText(t.trueNegatives) +
           " negative.";
}

// ---- The icon arrays ----

namespace {

const char* Result(bool positive) {
    return positive ? "positive" : "negative";
}

std::string IconScale(std::uint64_t perIcon, bool bothArrays, bool parts) {
    return ": " + GroupedText(perIcon) + (perIcon == 1 ? " person" : " persons") +
           (bothArrays ? " in both arrays" : "") + (parts ? "; part of an icon: fewer" : "");
}

}  // namespace

std::string IconArrayTitle(bool positive, std::uint64_t persons, const Labels& labels) {
    return std::string("Test ") + Result(positive) + ": " + People(persons, labels);
}

std::string NoOneTests(bool positive) {
    return std::string("No one tests ") + Result(positive) + ".";
}

std::string EachIcon(std::uint64_t perIcon, bool bothArrays, bool parts) {
    return "each icon" + IconScale(perIcon, bothArrays, parts);
}

std::string IconScaleDescription(std::uint64_t perIcon, bool bothArrays, bool parts) {
    return "Each icon" + IconScale(perIcon, bothArrays, parts) + ".";
}

std::string WithDisorderLegend(std::uint64_t n, const Labels& labels) {
    return GroupedText(n) + " " + WithDisorderName(labels);
}

std::string WithoutDisorderLegend(std::uint64_t n, const Labels& labels) {
    return GroupedText(n) + " " + WithoutDisorderName(labels);
}

std::string IconGroupDescription(bool positive, std::uint64_t with, std::uint64_t without,
                                 const Labels& labels) {
    const std::uint64_t all = with + without;
    if (all == 0) return NoOneTests(positive);
    return "Of the " + People(all, labels) + WhoTests(all) + " " + Result(positive) + ", " +
           GroupedText(with) + Has(with) + " " + Disorder(labels) + " and " + GroupedText(without) +
           (without == 1 ? " does" : " do") + " not.";
}

// ---- The predictive values over prevalence ----

std::string CurvesNeedBothGroups(const Labels& labels) {
    return "The curves need persons with and without " + Disorder(labels) + ".";
}

std::string AxisPercentText(int percent) {
    return std::to_string(percent) + "%";
}

std::string DecadeText(int decade) {
    if (decade >= -2) return "1" + std::string(static_cast<std::size_t>(decade + 2), '0') + "%";
    return "0." + std::string(static_cast<std::size_t>(-decade - 3), '0') + "1%";
}

std::string HighestPrevalenceText() {
    return "99%";
}

std::string PrevalenceAxisName(const Labels& labels) {
    const auto named = Trimmed(labels.disorder);
    return "prevalence" + (named.empty() ? "" : " of " + std::string(named)) +
           " (logarithmic scale)";
}

std::string PlaceText(double p, bool current, double highest) {
    const std::string what = current ? "prevalence" : "reading";
    if (p <= 0) return what + " 0: at the left end";
    if (p > highest) return what + " " + ShareText(p) + ": at the right end";
    return what + " " + ShareText(p);
}

namespace {

std::string ValueText(const std::string& percent) {
    return percent.empty() ? kUndefined : PercentSign(percent);
}

std::string ValuesInWords(const CurvesReading& r) {
    return "positive predictive value " + ValueText(r.positive) + ", negative predictive value " +
           ValueText(r.negative) + ".";
}

std::string At(double p) {
    return p > 0 ? ShareText(p) : std::string("0");
}

}  // namespace

std::string PpvLabel(const std::string& percent) {
    return "PPV " + ValueText(percent);
}

std::string NpvLabel(const std::string& percent) {
    return "NPV " + ValueText(percent);
}

std::string PpvLegend() {
    return "positive predictive value (PPV)";
}

std::string NpvLegend() {
    return "negative predictive value (NPV)";
}

std::string CurvesDescription(int lowestDecade, const CurvesReading& now,
                              const std::optional<CurvesReading>& reading, const Labels& labels) {
    const auto named = Trimmed(labels.disorder);
    std::string out = "The predictive values of this test " +
                      (named.empty() ? "" : "for " + std::string(named) + " ") + "against " +
                      (named.empty() ? "" : "its ") + "prevalence, from " +
                      DecadeText(lowestDecade) +
                      " to 99% on a logarithmic scale. At the current prevalence of " +
                      At(now.prevalence) + ": " + ValuesInWords(now);
    if (reading) {
        out += " At a prevalence of " + At(reading->prevalence) +
               ", the reading: " + ValuesInWords(*reading);
    }
    return out;
}

}  // namespace calc
