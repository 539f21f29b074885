#include "calc/explain/Wording.h"

#include <vector>

#include "calc/Figures.h"
#include "calc/Translation.h"

// Each sentence is one message with its numbers and names as arguments, so that a translation
// may order them as its language does. A name a person typed goes in as typed, never inflected:
// the sentences around it are worded so that it reads right as it stands. A message may offer a
// translation more than its English uses (%3 beside %1, say): the persons with their noun where
// English names only their number.
namespace calc {

// ---- Words that the explanation and its pictures share ----

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Plural(const Labels& labels) {
    const auto named = Trimmed(labels.people);
    return named.empty() ? Tr("Explanation", "people") : std::string(named);
}

// Empty where the labels name the persons in the plural only.
std::string Singular(const Labels& labels) {
    const auto named = Trimmed(labels.person);
    if (!named.empty()) return std::string(named);
    return Trimmed(labels.people).empty() ? Tr("Explanation", "person") : "";
}

}  // namespace

std::string Disorder(const Labels& labels) {
    const auto named = Trimmed(labels.disorder);
    return named.empty() ? Tr("Explanation", "the disorder") : std::string(named);
}

std::string NamedDisorder(const Labels& labels) {
    return std::string(Trimmed(labels.disorder));
}

std::string PersonsNoun(std::uint64_t n, const Labels& labels) {
    const std::string one = Singular(labels), many = Plural(labels);
    if (n == 1 && one.empty()) return "";
    //: Picks the noun for a count by the language's plural rule: %1 the singular, %2 the plural.
    return Arg(Tr("Explanation", "%2", "%1", n), {one.empty() ? many : one, many});
}

std::string People(std::uint64_t n, const Labels& labels) {
    const std::string noun = PersonsNoun(n, labels);
    return noun.empty() ? "1" : GroupedText(n) + " " + noun;
}

std::string WithDisorderName(const Labels& labels) {
    const auto named = Trimmed(labels.disorder);
    if (named.empty()) return Tr("Explanation", "with the disorder");
    return Arg(Tr("Explanation", "with %1"), {named});
}

std::string WithoutDisorderName(const Labels& labels) {
    const auto named = Trimmed(labels.disorder);
    if (named.empty()) return Tr("Explanation", "without the disorder");
    return Arg(Tr("Explanation", "without %1"), {named});
}

std::string WhoTest(std::uint64_t n, bool positive, const Labels& labels) {
    const std::string who = People(n, labels);
    if (positive) {
        return Arg(Tr("Explanation", "%1 who test positive", "%1 who tests positive", n), {who});
    }
    return Arg(Tr("Explanation", "%1 who test negative", "%1 who tests negative", n), {who});
}

std::string UndefinedText() {
    return Tr("Explanation", "undefined");
}

std::string InfiniteText() {
    return Tr("Explanation", "infinite");
}

// ---- The explanation ----

namespace {

std::string Join(const std::vector<std::string>& items, bool orElse = false) {
    std::string out;
    for (std::size_t i = 0; i + 1 < items.size(); ++i) out += (i > 0 ? ", " : "") + items[i];
    if (items.size() < 2) return items.empty() ? out : items.front();
    const std::string last =
        orElse ? Tr("Explanation", "%1 or %2") : Tr("Explanation", "%1 and %2");
    return Arg(last, {out, items.back()});
}

std::string CountName(int i) {
    switch (i) {
        case 0:
            return Tr("Explanation", "the true positives");
        case 1:
            return Tr("Explanation", "the false positives");
        case 2:
            return Tr("Explanation", "the false negatives");
        default:
            return Tr("Explanation", "the true negatives");
    }
}

std::string PercentName(int i) {
    switch (i) {
        case 0:
            return Tr("Explanation", "the prevalence");
        case 1:
            return Tr("Explanation", "the sensitivity");
        default:
            return Tr("Explanation", "the false-positive rate");
    }
}

std::string AboveHundred(int i) {
    const std::string hundred = PercentSign("100");
    switch (i) {
        case 0:
            return Arg(Tr("Explanation", "The prevalence entered is above %1."), {hundred});
        case 1:
            return Arg(Tr("Explanation", "The sensitivity entered is above %1."), {hundred});
        default:
            return Arg(Tr("Explanation", "The false-positive rate entered is above %1."),
                       {hundred});
    }
}

}  // namespace

std::string MissingInput(const bool countMissing[4], const bool percentMissing[3],
                         const bool percentAbove[3]) {
    std::vector<std::string> needCounts;
    for (int i = 0; i < 4; ++i) {
        if (countMissing[i]) needCounts.push_back(CountName(i));
    }
    if (needCounts.empty()) needCounts.push_back(Tr("Explanation", "a count above 0"));
    std::vector<std::string> needPercents;
    std::string aboveSentences;
    for (int i = 0; i < 3; ++i) {
        if (percentMissing[i] || percentAbove[i]) needPercents.push_back(PercentName(i));
        if (percentAbove[i]) aboveSentences += " " + AboveHundred(i);
    }
    return Arg(Tr("Explanation", "To explain a test, enter %1, or %2."),
               {Join(needCounts), Join(needPercents)}) +
           aboveSentences;
}

std::string RefusedPopulationNote(PopulationRefusal why, const Labels& labels) {
    return Arg(Tr("Explanation", "%1; the table's own is used."), {RefusedPopulation(why, labels)});
}

std::string RefusedPopulation(PopulationRefusal why, const Labels& labels) {
    switch (why) {
        case PopulationRefusal::NotANumber:
            return Tr("Explanation", "The prevalence in the population tested is not a number");
        case PopulationRefusal::AboveHundred:
            return Arg(Tr("Explanation", "The prevalence in the population tested is above %1"),
                       {PercentSign("100")});
        case PopulationRefusal::NoneDiseased:
            return Arg(
                Tr("Explanation", "No one in the table has %1, so it cannot be carried over"),
                {Disorder(labels)});
        case PopulationRefusal::NoneHealthy:
            return Arg(
                Tr("Explanation", "Everyone in the table has %1, so it cannot be carried over"),
                {Disorder(labels)});
    }
    return "";
}

std::string PositiveSentence(const PersonsTree& t, const std::string& ppv,
                             const std::optional<std::string>& enteredPrevalence,
                             const Labels& labels) {
    const std::string disorder = Disorder(labels);
    const std::string all = People(t.total, labels);
    std::string s =
        enteredPrevalence
            ? Arg(Tr("Explanation", "At the entered prevalence of %3: of %1, %n have %2.",
                     "At the entered prevalence of %3: of %1, %n has %2.", t.diseased),
                  {all, disorder, PercentSign(*enteredPrevalence)})
            : Arg(Tr("Explanation", "Of %1, %n have %2.", "Of %1, %n has %2.", t.diseased),
                  {all, disorder});
    if (t.diseased > 0) {
        //: %1 those with the disorder, %2 the same with their noun.
        s += " " + Arg(Tr("Explanation", "%n of these %1 test positive.",
                          "%n of these %1 tests positive.", t.truePositives),
                       {GroupedText(t.diseased), People(t.diseased, labels)});
    }
    if (t.Healthy() > 0) {
        //: %1 those without the disorder, %3 the same with their noun.
        s += " " + Arg(Tr("Explanation", "Of the %1 %2, %n also test positive.",
                          "Of the %1 %2, %n also tests positive.", t.falsePositives),
                       {GroupedText(t.Healthy()), WithoutDisorderName(labels),
                        People(t.Healthy(), labels)});
    }
    if (t.Positives() > 0) {
        s += " " + Arg(Tr("Explanation", "So %n of the %1 have %2 (%3).",
                          "So %n of the %1 has %2 (%3).", t.truePositives),
                       {WhoTest(t.Positives(), true, labels), disorder, PercentSign(ppv)});
    } else {
        s += " " + Tr("Explanation",
                      "So no one tests positive, and the positive predictive value is undefined.");
    }
    return s;
}

std::string NegativeSentence(const PersonsTree& t, const std::string& npv,
                             const std::string& disorderAfterNegative, const Labels& labels) {
    if (t.Negatives() == 0) {
        return Tr("Explanation",
                  "No one tests negative, so the negative predictive value is undefined.");
    }
    return Arg(Tr("Explanation",
                  "Of the %1, %n do not have %2 (%3), so %4 of those who test negative have %2.",
                  "Of the %1, %n does not have %2 (%3), so %4 of those who test negative have %2.",
                  t.trueNegatives),
               {WhoTest(t.Negatives(), false, labels), Disorder(labels), PercentSign(npv),
                PercentSign(disorderAfterNegative), WithoutDisorderName(labels)});
}

std::string SourceNote(std::string_view source) {
    return Arg(Tr("Explanation", "Source: %1."), {source});
}

std::string StatisticName(Statistic s) {
    switch (s) {
        case Statistic::Sensitivity:
            return Tr("Explanation", "Sensitivity (%)");
        case Statistic::Specificity:
            return Tr("Explanation", "Specificity (%)");
        case Statistic::PositiveLikelihoodRatio:
            return Tr("Explanation", "Positive likelihood ratio");
        case Statistic::NegativeLikelihoodRatio:
            return Tr("Explanation", "Negative likelihood ratio");
        case Statistic::DiagnosticOddsRatio:
            return Tr("Explanation", "Diagnostic odds ratio");
        case Statistic::YoudenIndex:
            return Tr("Explanation", "Youden's index");
        case Statistic::NumberNeededToDiagnose:
            return Tr("Explanation", "Number needed to diagnose");
        case Statistic::Prevalence:
            return Tr("Explanation", "Prevalence (%)");
        case Statistic::PositivePredictiveValue:
            return Tr("Explanation", "Positive predictive value (%)");
        case Statistic::NegativePredictiveValue:
            return Tr("Explanation", "Negative predictive value (%)");
        case Statistic::DisorderAfterNegative:
            return Tr("Explanation", "Disorder after a negative test (%)");
        case Statistic::Accuracy:
            return Tr("Explanation", "Accuracy (%)");
    }
    return "";
}

std::string UndefinedReason(Undefined why, const Labels& labels) {
    switch (why) {
        case Undefined::NoneDiseased:
            return Arg(Tr("Explanation", "no one has %1"), {Disorder(labels)});
        case Undefined::NoneHealthy:
            return Arg(Tr("Explanation", "no one is %1"), {WithoutDisorderName(labels)});
        case Undefined::NonePositive:
            return Tr("Explanation", "no one tests positive");
        case Undefined::NoneNegative:
            return Tr("Explanation", "no one tests negative");
        case Undefined::NoBetterThanChance:
            return Tr("Explanation", "the test does no better than chance");
        case Undefined::No:
            break;
    }
    return "";
}

std::string HalfAddedNote() {
    return Arg(Tr("Explanation", "%1 added to every cell for the interval"), {Localized("0.5")});
}

std::string AdjustedLogitNote() {
    return Arg(Tr("Explanation", "sensitivity or specificity is 0 or %1: adjusted logit interval"),
               {PercentSign("100")});
}

std::string EnteredPrevalenceNote() {
    return Tr("Explanation", "entered for the population tested");
}

std::string AtEnteredPrevalenceNote() {
    return Tr("Explanation", "at the entered prevalence");
}

std::string NoIntervalsNote() {
    return Tr("Explanation",
              "Percentages carry no sample sizes, so these figures have no confidence intervals.");
}

namespace {

std::string ShareName(Share share, const Labels& labels) {
    switch (share) {
        case Share::Prevalence:
            return Tr("Explanation", "the prevalence");
        case Share::WithoutDisorder:
            return Arg(Tr("Explanation", "the share %1"), {WithoutDisorderName(labels)});
        case Share::Sensitivity:
            return Tr("Explanation", "the sensitivity");
        case Share::MissRate:
            return Arg(Tr("Explanation", "the share of those %1 who test negative"),
                       {WithDisorderName(labels)});
        case Share::FalsePositiveRate:
            return Tr("Explanation", "the false-positive rate");
        case Share::Specificity:
            return Tr("Explanation", "the specificity");
        case Share::PositivePredictive:
            return Tr("Explanation", "the positive predictive value");
        case Share::NegativePredictive:
            return Tr("Explanation", "the negative predictive value");
        case Share::DisorderAfterNegative:
            return Arg(Tr("Explanation", "the share %1 among those who test negative"),
                       {WithDisorderName(labels)});
    }
    return "";
}

}  // namespace

std::string RoundedPersonsNote(std::uint64_t persons, Share share, const std::string& told,
                               const std::string& table, const Labels& labels) {
    return Arg(Tr("Explanation",
                  "Whole persons cannot show every figure even of %1: for them %2 "
                  "is %3, where the table has %4."),
               {People(persons, labels), ShareName(share, labels),
                told.empty() ? UndefinedText() : PercentSign(told), PercentSign(table)});
}

std::string SizeRefusal(std::uint64_t asked, const std::vector<std::uint64_t>& sizes) {
    std::vector<std::string> offered;
    for (const std::uint64_t n : sizes) offered.push_back(GroupedText(n));
    if (offered.empty()) {
        return Arg(Tr("Explanation",
                      "Whole persons of %1 do not show every figure as the table "
                      "does; the story is told for %2."),
                   {People(asked, {}), People(1000000, {})});
    }
    return Arg(Tr("Explanation",
                  "Whole persons of %1 do not show every figure as the table "
                  "does; it can be told for %2 people."),
               {People(asked, {}), Join(offered, true)});
}

std::string TablePrevalenceNote() {
    return Tr("Explanation",
              "The predictive values and the accuracy hold only where the table's prevalence is "
              "that of the population tested; for a case-control study, enter the population's "
              "prevalence under \"Prevalence in the population tested\".");
}

std::string BothInputsNote() {
    return Tr("Explanation", "The table is used; the percentages entered beside it are not.");
}

std::string Methods() {
    return Tr(
        "Explanation",
        "Methods: sensitivity, specificity, prevalence, accuracy and the predictive values of the "
        "table are proportions of the sample, with exact Clopper\u2013Pearson 95% confidence "
        "intervals. The likelihood ratios and the diagnostic odds ratio have intervals by the log "
        "method (Altman et al., Statistics with Confidence, 2nd ed., 2000), from the cells as "
        "they are when none is 0 and with 0.5 added to each of the four otherwise; a ratio whose "
        "denominator alone is 0 is infinite. Youden's index has as bounds those of sensitivity "
        "and specificity added, less 1, and the number needed to diagnose their reciprocals. "
        "Predictive values at an entered prevalence have the logit intervals of Mercaldo, Lau and "
        "Zhou (Statistics in Medicine 26, 2007): the standard one, or the adjusted one where "
        "sensitivity or specificity is 0 or 100%. Figures are rounded from their exact values, "
        "halves away from zero: percentages to one decimal, or to two significant digits of "
        "their distance from 0 or 100% where one decimal would hide it; ratios to three "
        "significant digits. Persons are whole persons, rounded the same way.");
}

std::string TableHead() {
    return Tr("Explanation", "Statistic") + "\t" + Tr("Explanation", "Value") + "\t" +
           Tr("Explanation", "Lower 95% limit") + "\t" + Tr("Explanation", "Upper 95% limit") +
           "\t" + Tr("Explanation", "Note");
}

namespace {

// A percentage as typed, ".5" with the zero before its point.
std::string Typed(const std::string& percent) {
    return PercentSign(Localized((percent.starts_with('.') ? "0" : "") + percent));
}

}  // namespace

std::string CountsHeading(const std::string& date, const std::uint64_t counts[4],
                          const std::string& population) {
    std::string out =
        date + " \u00b7 " +
        Arg(Tr("Explanation",
               "true positives %1, false positives %2, false negatives %3, true negatives %4"),
            {GroupedText(counts[0]), GroupedText(counts[1]), GroupedText(counts[2]),
             GroupedText(counts[3])});
    if (population.empty()) return out;
    return out + " \u00b7 " +
           Arg(Tr("Explanation", "population prevalence %1"), {Typed(population)});
}

std::string PercentagesHeading(const std::string& date, const std::string& prevalence,
                               const std::string& sensitivity, const std::string& falsePositives) {
    return date + " \u00b7 " +
           Arg(Tr("Explanation", "prevalence %1, sensitivity %2, false-positive rate %3"),
               {Typed(prevalence), Typed(sensitivity), Typed(falsePositives)});
}

}  // namespace calc
