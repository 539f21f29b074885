#include <string>

#include "calc/Figures.h"
#include "calc/Translation.h"
#include "calc/explain/Wording.h"

// The pictures' words: their labels, legends and text alternatives, worded as Wording.cpp words
// the sentences.
namespace calc {

// ---- The frequency tree ----

std::string TreeTopName(std::uint64_t total, const Labels& labels) {
    return PersonsNoun(total, labels);
}

std::string TestName(std::uint64_t n, bool positive) {
    if (positive) return Tr("Pictures", "test positive", "tests positive", n);
    return Tr("Pictures", "test negative", "tests negative", n);
}

std::string PrevalenceBranch() {
    return Tr("Pictures", "prevalence");
}
std::string SensitivityBranch() {
    return Tr("Pictures", "sensitivity");
}
std::string FalsePositiveRateBranch() {
    return Tr("Pictures", "false-positive rate");
}
std::string SpecificityBranch() {
    return Tr("Pictures", "specificity");
}

std::string PositiveLine(const PersonsTree& t, const std::string& ppv, const Labels& labels) {
    if (t.Positives() == 0) return Tr("Pictures", "No one tests positive");
    const std::string positives =
        Tr("Pictures", "%n who test positive", "%n who tests positive", t.Positives());
    return Arg(Tr("Pictures", "%n of %1 have %2 (%3)", "%n of %1 has %2 (%3)", t.truePositives),
               {positives, Disorder(labels), PercentSign(ppv)});
}

std::string TreeDescription(const PersonsTree& t, const std::string& ppv, const Labels& labels) {
    //: One branch of the tree: %1 persons %2 (with or without the disorder), of whom %3 test
    //: positive and %4 negative.
    const std::string with = Arg(Tr("Pictures", "%1 %2, of whom %3 test positive and %4 negative"),
                                 {GroupedText(t.diseased), WithDisorderName(labels),
                                  GroupedText(t.truePositives), GroupedText(t.falseNegatives)});
    const std::string without =
        Arg(Tr("Pictures", "%1 without it, of whom %3 test positive and %4 negative"),
            {GroupedText(t.Healthy()), WithoutDisorderName(labels), GroupedText(t.falsePositives),
             GroupedText(t.trueNegatives)});
    return Arg(Tr("Pictures", "%1. A tree of %2: %3; %4."),
               {PositiveLine(t, ppv, labels), People(t.total, labels), with, without});
}

// ---- The icon arrays ----

namespace {

std::string IconScale(std::uint64_t perIcon, bool bothArrays, bool parts) {
    std::string scale = Tr("Pictures", "%n persons", "%n person", perIcon);
    if (bothArrays) scale = Arg(Tr("Pictures", "%1 in both arrays"), {scale});
    if (parts) scale = Arg(Tr("Pictures", "%1; part of an icon: fewer"), {scale});
    return scale;
}

}  // namespace

std::string IconArrayTitle(bool positive, std::uint64_t persons, const Labels& labels) {
    const std::string who = People(persons, labels);
    if (positive) return Arg(Tr("Pictures", "Test positive: %1"), {who});
    return Arg(Tr("Pictures", "Test negative: %1"), {who});
}

std::string NoOneTests(bool positive) {
    if (positive) return Tr("Pictures", "No one tests positive.");
    return Tr("Pictures", "No one tests negative.");
}

std::string EachIcon(std::uint64_t perIcon, bool bothArrays, bool parts) {
    return Arg(Tr("Pictures", "each icon: %1"), {IconScale(perIcon, bothArrays, parts)});
}

std::string IconScaleDescription(std::uint64_t perIcon, bool bothArrays, bool parts) {
    return Arg(Tr("Pictures", "Each icon: %1."), {IconScale(perIcon, bothArrays, parts)});
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
    return Arg(Tr("Pictures", "Of the %1, %2 and %3."),
               {WhoTest(all, positive, labels),
                Arg(Tr("Pictures", "%n have %1", "%n has %1", with), {Disorder(labels)}),
                Tr("Pictures", "%n do not", "%n does not", without)});
}

// ---- The predictive values over prevalence ----

std::string CurvesNeedBothGroups(const Labels& labels) {
    //: %2 and %3: the persons' groups with and without the disorder, in their own words.
    return Arg(Tr("Pictures", "The curves need persons with and without %1."),
               {Disorder(labels), WithDisorderName(labels), WithoutDisorderName(labels)});
}

std::string AxisPercentText(int percent) {
    return PercentSign(std::to_string(percent));
}

std::string DecadeText(int decade) {
    if (decade >= -2) {
        return PercentSign("1" + std::string(static_cast<std::size_t>(decade + 2), '0'));
    }
    return PercentSign(
        Localized("0." + std::string(static_cast<std::size_t>(-decade - 3), '0') + "1"));
}

std::string HighestPrevalenceText() {
    return PercentSign("99");
}

std::string PrevalenceAxisName(const Labels& labels) {
    const std::string named = NamedDisorder(labels);
    if (named.empty()) return Tr("Pictures", "prevalence (logarithmic scale)");
    return Arg(Tr("Pictures", "prevalence of %1 (logarithmic scale)"), {named});
}

std::string PlaceText(double p, bool current, double highest) {
    const std::string at = p <= 0 ? "0" : ShareText(p);
    std::string place = current ? Arg(Tr("Pictures", "prevalence %1"), {at})
                                : Arg(Tr("Pictures", "reading %1"), {at});
    if (p <= 0) return Arg(Tr("Pictures", "%1: at the left end"), {place});
    if (p > highest) return Arg(Tr("Pictures", "%1: at the right end"), {place});
    return place;
}

namespace {

std::string ValueText(const std::string& percent) {
    return percent.empty() ? UndefinedText() : PercentSign(percent);
}

std::string ValuesInWords(const CurvesReading& r) {
    return Arg(Tr("Pictures", "positive predictive value %1, negative predictive value %2."),
               {ValueText(r.positive), ValueText(r.negative)});
}

std::string At(double p) {
    return p > 0 ? ShareText(p) : std::string("0");
}

}  // namespace

std::string PpvLabel(const std::string& percent) {
    return Arg(Tr("Pictures", "PPV %1"), {ValueText(percent)});
}

std::string NpvLabel(const std::string& percent) {
    return Arg(Tr("Pictures", "NPV %1"), {ValueText(percent)});
}

std::string PpvLegend() {
    return Tr("Pictures", "positive predictive value (PPV)");
}

std::string NpvLegend() {
    return Tr("Pictures", "negative predictive value (NPV)");
}

std::string CurvesDescription(int lowestDecade, const CurvesReading& now,
                              const std::optional<CurvesReading>& reading, const Labels& labels) {
    const std::string named = NamedDisorder(labels);
    const std::string from = DecadeText(lowestDecade), to = HighestPrevalenceText();
    std::string out = named.empty()
                          ? Arg(Tr("Pictures",
                                   "The predictive values of this test against "
                                   "prevalence, from %1 to %2 on a logarithmic scale."),
                                {from, to})
                          : Arg(Tr("Pictures",
                                   "The predictive values of this test for %3 against "
                                   "its prevalence, from %1 to %2 on a logarithmic scale."),
                                {from, to, named});
    out += " " + Arg(Tr("Pictures", "At the current prevalence of %1: %2"),
                     {At(now.prevalence), ValuesInWords(now)});
    if (reading) {
        out += " " + Arg(Tr("Pictures", "At a prevalence of %1, the reading: %2"),
                         {At(reading->prevalence), ValuesInWords(*reading)});
    }
    return out;
}

}  // namespace calc
