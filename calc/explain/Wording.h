#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Figures.h"
#include "calc/NaturalFrequencies.h"
#include "calc/Statistics.h"
#include "calc/explain/Explanation.h"

// Every sentence, label and number word that the explanation and its pictures say, in one
// place: to read them, to keep them consistent, and to translate them. The sentences are in
// Wording.cpp, the pictures' words in PictureWording.cpp, the examples in Examples.cpp.
namespace calc {

// ---- Words that the explanation and its pictures share ----

// A figure's value where it has none, or where its denominator alone is 0.
std::string UndefinedText();
std::string InfiniteText();

// What the test looks for, as named or in the explanation's own words; as named only.
std::string Disorder(const Labels& labels);
std::string NamedDisorder(const Labels& labels);
// The persons' noun for a count, by the language's plural rule: "person", "women aged 50 to 69";
// empty for 1 where the labels have no singular.
std::string PersonsNoun(std::uint64_t n, const Labels& labels);
// "1 person", "9,970 people", or in the labels' words: "9,970 women aged 50 to 69"; "1" alone
// where the labels have no singular.
std::string People(std::uint64_t n, const Labels& labels);
// "with the disorder", "without breast cancer".
std::string WithDisorderName(const Labels& labels);
std::string WithoutDisorderName(const Labels& labels);
// "314 people who test positive", "1 who tests negative".
std::string WhoTest(std::uint64_t n, bool positive, const Labels& labels);

// ---- The explanation ----

// What is missing before a test can be explained: for each count and each percentage whether it
// is missing, and for each percentage whether it is above 100.
std::string MissingInput(const bool countMissing[4], const bool percentMissing[3],
                         const bool percentAbove[3]);

enum class PopulationRefusal { NotANumber, AboveHundred, NoneDiseased, NoneHealthy };
std::string RefusedPopulationNote(PopulationRefusal why, const Labels& labels);
// The same without what the window does instead, for where nothing is done instead.
std::string RefusedPopulation(PopulationRefusal why, const Labels& labels);

// The persons told in sentences, with the percentages as the table writes them; the first says
// so where the story is told at a prevalence entered for the population tested.
std::string PositiveSentence(const PersonsTree& t, const std::string& ppv,
                             const std::optional<std::string>& enteredPrevalence,
                             const Labels& labels);
std::string NegativeSentence(const PersonsTree& t, const std::string& npv,
                             const std::string& disorderAfterNegative, const Labels& labels);
// "Source: " and the publication the figures come from.
std::string SourceNote(std::string_view source);

std::string StatisticName(Statistic s);
// Why a figure has no value.
std::string UndefinedReason(Undefined why, const Labels& labels);
std::string HalfAddedNote();
std::string AdjustedLogitNote();
std::string EnteredPrevalenceNote();
std::string AtEnteredPrevalenceNote();
std::string NoIntervalsNote();
// Where no size up to a million shows every percentage alike: which one its persons show
// otherwise (`told`, empty where they leave it undefined), and how.
std::string RoundedPersonsNote(std::uint64_t persons, Share share, const std::string& told,
                               const std::string& table, const Labels& labels);
// A size asked for that does not show every figure as the table does, and those that do.
std::string SizeRefusal(std::uint64_t asked, const std::vector<std::uint64_t>& sizes);
// The table's predictive values and accuracy rest on its own prevalence.
std::string TablePrevalenceNote();
std::string BothInputsNote();
std::string Methods();
// The head of the copied table, its columns tab-separated.
std::string TableHead();
// The first line of the printed explanation, for the records: the date, then the input as
// entered, the counts (true positives, false positives, false negatives, true negatives) with
// the prevalence in the population tested where one was applied, or the three percentages.
std::string CountsHeading(const std::string& date, const std::uint64_t counts[4],
                          const std::string& population);
std::string PercentagesHeading(const std::string& date, const std::string& prevalence,
                               const std::string& sensitivity, const std::string& falsePositives);

// ---- The frequency tree ----

// The top box's noun, without its count; empty for 1 where the labels have no singular.
std::string TreeTopName(std::uint64_t total, const Labels& labels);
// "test positive", "tests negative".
std::string TestName(std::uint64_t n, bool positive);
std::string PrevalenceBranch();
std::string SensitivityBranch();
std::string FalsePositiveRateBranch();
std::string SpecificityBranch();
// "15 of 314 who test positive have the disorder (4.8%)", with the table's PPV.
std::string PositiveLine(const PersonsTree& t, const std::string& ppv, const Labels& labels);
std::string TreeDescription(const PersonsTree& t, const std::string& ppv, const Labels& labels);

// ---- The icon arrays ----

std::string IconArrayTitle(bool positive, std::uint64_t persons, const Labels& labels);
std::string NoOneTests(bool positive);
// The scale both arrays share, in the picture: "each icon: 10 persons in both arrays; part of an
// icon: fewer"; and as the description's first sentence.
std::string EachIcon(std::uint64_t perIcon, bool bothArrays, bool parts);
std::string IconScaleDescription(std::uint64_t perIcon, bool bothArrays, bool parts);
std::string WithDisorderLegend(std::uint64_t n, const Labels& labels);
std::string WithoutDisorderLegend(std::uint64_t n, const Labels& labels);
std::string IconGroupDescription(bool positive, std::uint64_t with, std::uint64_t without,
                                 const Labels& labels);

// ---- The predictive values over prevalence ----

std::string CurvesNeedBothGroups(const Labels& labels);
// A whole percentage on the value axis: "25%".
std::string AxisPercentText(int percent);
// 10^decade as a percentage: "0.01%", "10%".
std::string DecadeText(int decade);
std::string HighestPrevalenceText();
std::string PrevalenceAxisName(const Labels& labels);
// Where a marker stands: "prevalence 0.3%", "reading 2%: at the right end".
std::string PlaceText(double prevalence, bool current, double highest);
// "PPV 4.8%", "NPV undefined", from a percentage as the table writes it (empty: undefined).
std::string PpvLabel(const std::string& percent);
std::string NpvLabel(const std::string& percent);
std::string PpvLegend();
std::string NpvLegend();
struct CurvesReading {
    double prevalence;
    std::string positive, negative;  // as PpvLabel takes them
};
std::string CurvesDescription(int lowestDecade, const CurvesReading& now,
                              const std::optional<CurvesReading>& reading, const Labels& labels);

}  // namespace calc
