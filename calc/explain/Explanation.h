#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calc/NaturalFrequencies.h"
#include "calc/Statistics.h"

// What the Explanation window shows for the calculator's entry fields: the test told as persons,
// its statistics with their intervals, or which fields are still missing.
namespace calc {

// The sizes of population a person may choose for a test given as percentages.
inline constexpr std::uint64_t kPopulationSizes[] = {1000, 10000, 100000, 1000000};

// What the test looks for and who is tested, as the person explaining names them: "breast
// cancer", "women aged 50 to 69", "woman aged 50 to 69". Blank ones leave the explanation's own
// words; a blank singular beside a plural leaves a count of 1 without a noun ("the 1 who tests
// positive"), since no singular can be made from a plural reliably.
struct Labels {
    std::string disorder, people, person;
};

struct ExplanationRequest {
    // The texts of the calculator's seven entry fields.
    std::string_view tp{}, fp{}, fn{}, tn{}, pre{}, dt{}, t{};
    // Prevalence in the population tested, in percent; empty for the table's own. Counts only.
    std::string_view populationPrevalence{};
    // One of the sizes that reproduce every figure (Explanation::sizes); anything else picks the
    // smallest of them.
    std::uint64_t populationSize = 0;
    Labels labels{};
    // Where the entered figures were published, named under the sentences; empty for none.
    std::string_view source{};
};

enum class ExplainedInput { None, Counts, Percentages };

// The table's rows, in the order they stand.
enum class Statistic {
    Sensitivity,
    Specificity,
    PositiveLikelihoodRatio,
    NegativeLikelihoodRatio,
    DiagnosticOddsRatio,
    YoudenIndex,
    NumberNeededToDiagnose,
    Prevalence,
    PositivePredictiveValue,
    NegativePredictiveValue,
    DisorderAfterNegative,
    Accuracy,
};

// The percentages the story shows, each of which its whole persons must show alike.
enum class Share {
    Prevalence,
    WithoutDisorder,
    Sensitivity,
    MissRate,
    FalsePositiveRate,
    Specificity,
    PositivePredictive,
    NegativePredictive,
    DisorderAfterNegative,
};

struct StatisticRow {
    std::string name;      // "Sensitivity (%)"
    std::string value;     // "89.5", "2.41", "infinite" or "undefined"
    std::string lower;     // the 95% interval's bounds, or empty
    std::string upper;     // "infinite" where it has no upper end
    std::string interval;  // both, as the window shows them: "85.1–93.0"
    std::string note;      // why a value is undefined, or how its interval was found
};

// The percentages that the sentences and the pictures show, written as the table writes them,
// without the sign; empty where the figure is undefined.
struct ShownPercents {
    std::string prevalence, withoutDisorder;
    std::string sensitivity, missRate;
    std::string falsePositiveRate, specificity;
    std::string positivePredictive, negativePredictive, disorderAfterNegative;
};

struct Explanation {
    ExplainedInput input = ExplainedInput::None;
    Labels labels;        // as requested, for the pictures
    std::string source;   // "Source: ...", or empty
    std::string missing;  // None: which fields to fill in
    PersonsTree persons;
    // The persons are the entered counts; otherwise persons.total is one of `sizes`.
    bool personsAreCounts = false;
    // The sizes of kPopulationSizes whose whole persons show every percentage as the table does;
    // empty for the entered counts, and where none does (the persons are then a million).
    std::vector<std::uint64_t> sizes;
    ShownPercents shown;
    std::string positiveSentence;
    std::string negativeSentence;
    std::vector<std::string> notes;  // about the persons and the input, each one sentence
    // Why an entered population prevalence was not applied; empty where it was or none was.
    std::string populationRefused;
    std::vector<StatisticRow> statistics;
    // The same figures as numbers, for the pictures; prevalence is the population's where one
    // was entered.
    TestStatistics figures;
    std::string statisticsNote;  // why there are no intervals, if there are none
    std::string methods;

    // Everything above as plain text, the table tab-separated with the bounds in columns of
    // their own, for a spreadsheet.
    std::string PlainText() const;
    // Only the statistics, tab-separated under their head, for a script.
    std::string TableText() const;
};

Explanation Explain(const ExplanationRequest& request);

}  // namespace calc
