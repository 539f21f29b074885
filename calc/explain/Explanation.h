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

struct ExplanationRequest {
    // The texts of the calculator's seven entry fields.
    std::string_view tp{}, fp{}, fn{}, tn{}, pre{}, dt{}, t{};
    // Prevalence in the population tested, in percent; empty for the table's own. Counts only.
    std::string_view populationPrevalence{};
    // One of kPopulationSizes; anything else picks the smallest that tells the predictive
    // values as they are computed.
    std::uint64_t populationSize = 0;
};

enum class ExplainedInput { None, Counts, Percentages };

struct StatisticRow {
    std::string name;      // "Sensitivity (%)"
    std::string value;     // "89.5", "2.41" or "undefined"
    std::string interval;  // "85.1–93", or empty
    std::string note;      // why a value is undefined, or how its interval was found
};

struct Explanation {
    ExplainedInput input = ExplainedInput::None;
    std::string missing;  // None: which fields to fill in
    PersonsTree persons;
    // The persons are the entered counts; otherwise persons.total is one of kPopulationSizes.
    bool personsAreCounts = false;
    std::string positiveSentence;
    std::string negativeSentence;
    std::vector<std::string> notes;  // about the persons and the input, each one sentence
    std::vector<StatisticRow> statistics;
    // The same figures as numbers, for the pictures; prevalence is the population's where one
    // was entered.
    TestStatistics figures;
    std::string statisticsNote;  // why there are no intervals, if there are none
    std::string methods;

    // Everything above as plain text, the table tab-separated.
    std::string PlainText() const;
};

Explanation Explain(const ExplanationRequest& request);

}  // namespace calc
