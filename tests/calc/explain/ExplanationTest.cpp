#include "calc/explain/Explanation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "calc/explain/Examples.h"
#include "calc/explain/Wording.h"

namespace {

using calc::Explain;
using calc::ExplainedInput;
using calc::Statistic;
using S = calc::Statistic;

const calc::StatisticRow& RowOf(const calc::Explanation& x, Statistic s) {
    return x.statistics.at(static_cast<std::size_t>(s));
}

// The liver scan table of Altman and Bland (BMJ 1994). Expected figures: the published ones
// where there are any, the rest computed outside this code (Clopper-Pearson bounds by bisection
// on the regularised incomplete beta function with arbitrary precision; the log-method bounds
// of the ratios in Python's floating point with its NormalDist quantile).
TEST(ExplanationTest, LiverScanTable) {
    // clang-format off
    const struct { const char* population; Statistic row; const char *value, *interval; } rows[] = {
        {"", S::Sensitivity, "89.5", "85.1–93.0"},       {"", S::Specificity, "62.8", "51.7–73.0"},
        {"", S::PositiveLikelihoodRatio, "2.41", "1.82–3.18"},
        {"", S::NegativeLikelihoodRatio, "0.167", "0.113–0.247"},
        {"", S::DiagnosticOddsRatio, "14.4", "7.99–26.1"}, {"", S::YoudenIndex, "0.523", ""},
        {"", S::Prevalence, "75.0", "70.1–79.5"},       {"", S::PositivePredictiveValue, "87.8", "83.3–91.5"},
        {"", S::NegativePredictiveValue, "66.7", "55.3–76.8"}, {"", S::Accuracy, "82.8", "78.4–86.7"},
        {"10", S::Prevalence, "10.0", ""},             {"10", S::PositivePredictiveValue, "21.1", "16.8–26.1"},
        {"10", S::NegativePredictiveValue, "98.2", "97.3–98.8"},
        {"10", S::DisorderAfterNegative, "1.8", "1.2–2.7"}, {"10", S::Accuracy, "65.5", ""},
    };
    // clang-format on
    for (const auto& r : rows) {
        // clang-format off
        const auto x = Explain({.tp = "231", .fp = "32", .fn = "27", .tn = "54",
                                .populationPrevalence = r.population});
        // clang-format on
        const auto& row = RowOf(x, r.row);
        SCOPED_TRACE(row.name + " at '" + r.population + "'");
        EXPECT_EQ(row.value, r.value);
        if (*r.interval) {
            EXPECT_EQ(row.interval, r.interval);
        }
    }
}

// The story is told for the fewest people whose whole persons show every percentage as the table
// does. Expected sizes and persons worked out apart from this code, in exact fractions.
TEST(ExplanationTest, NaturalFrequencies) {
    using Sizes = std::vector<std::uint64_t>;
    const struct {
        calc::ExplanationRequest in;
        std::uint64_t total, diseased, truePositives, falsePositives, trueNegatives;
        Sizes sizes;
        bool roundedNote;
    } rows[] = {
        // clang-format off
        // 1,000 people would show 2 of 3 under a 50% branch, and 6.3% for 4.8%.
        {{.pre = "0.3", .dt = "50", .t = "3"}, 10000, 30, 15, 299, 9671, Sizes{10000, 100000, 1000000}, false},
        {{.pre = "0.3", .dt = "50", .t = "3", .populationSize = 1000}, 10000, 30, 15, 299, 9671, Sizes{10000, 100000, 1000000}, false},
        {{.pre = "0.3", .dt = "50", .t = "3", .populationSize = 100000}, 100000, 300, 150, 2991, 96709, Sizes{10000, 100000, 1000000}, false},
        {{.pre = "0.35", .dt = "50", .t = "3"}, 100000, 350, 175, 2990, 96660, Sizes{100000, 1000000}, false},
        // 1,000 people show the PPV (2 of 999) but draw 2 of 3 under a 50% branch.
        {{.pre = "0.3", .dt = "50", .t = "100"}, 10000, 30, 15, 9970, 0, Sizes{10000, 100000, 1000000}, false},
        // 4 of 1,000 show the prevalence's 0.4% but not the 99.7% beside it.
        {{.pre = "0.35", .dt = "100", .t = "0"}, 10000, 35, 35, 0, 9965, Sizes{10000, 100000, 1000000}, false},
        {{.pre = "0.001", .dt = "50", .t = "3"}, 1000000, 10, 5, 30000, 969990, Sizes{1000000}, false},
        {{.pre = "0.00005", .dt = "100", .t = "0.0001"}, 1000000, 1, 1, 1, 999998, Sizes{}, true},
        // An exact half of a person: 203.125 and 196.97 of 500 show 50.75%, which is 50.8.
        {{.tp = "13", .fp = "13", .fn = "19", .tn = "20", .populationPrevalence = "50"}, 1000, 500, 203, 197, 303, Sizes{1000, 10000, 100000, 1000000}, false},
        {{.tp = "231", .fp = "32", .fn = "27", .tn = "54", .populationPrevalence = "10"}, 10000, 1000, 895, 3349, 5651, Sizes{10000, 100000, 1000000}, false},
        {{.tp = "231", .fp = "32", .fn = "27", .tn = "54", .populationSize = 1000}, 344, 258, 231, 32, 54, Sizes{}, false},
        // clang-format on
    };
    for (const auto& r : rows) {
        const auto x = Explain(r.in);
        SCOPED_TRACE(testing::Message() << r.in.tp << r.in.pre << "/" << r.in.populationPrevalence
                                        << " N " << r.in.populationSize);
        const auto& p = x.persons;
        EXPECT_EQ((std::array{p.total, p.diseased, p.truePositives, p.falsePositives,
                              p.trueNegatives, p.falseNegatives + p.truePositives}),
                  (std::array{r.total, r.diseased, r.truePositives, r.falsePositives,
                              r.trueNegatives, r.diseased}));
        EXPECT_EQ(x.sizes, r.sizes);
        const bool noted = std::any_of(x.notes.begin(), x.notes.end(), [](const std::string& n) {
            return n.find("Whole persons") == 0;
        });
        EXPECT_EQ(noted, r.roundedNote);
    }
    const auto worked = Explain({.pre = "0.3", .dt = "50", .t = "3"});
    EXPECT_EQ(worked.positiveSentence,
              "Of 10,000 people, 30 have the disorder. 15 of these 30 test positive. Of the "
              "9,970 without the disorder, 299 also test positive. So 15 of the 314 people who "
              "test positive have the disorder (4.8%).");
    EXPECT_EQ(
        Explain({.tp = "231", .fp = "32", .fn = "27", .tn = "54", .populationPrevalence = "10"})
            .positiveSentence.substr(0, 102),
        "At the entered prevalence of 10.0%: of 10,000 people, 1,000 have the disorder. 895 "
        "of these 1,000 test");
    EXPECT_EQ(worked.negativeSentence,
              "Of the 9,686 people who test negative, 9,671 do not have the disorder (99.8%), so "
              "0.2% of those who test negative have the disorder.");
}

TEST(ExplanationTest, ChoosesTheInputOrSaysWhatIsMissing) {
    const struct {
        calc::ExplanationRequest in;
        ExplainedInput input;
        const char* ppvOrMissing;
    } rows[] = {
        // The calculator takes the percentages here, so the explanation must too.
        {{"0", "5", "3", "2", "0.3", "50", "3"}, ExplainedInput::Percentages, "4.8"},
        {{"15", "0", "15", "9671", "", "", ""}, ExplainedInput::Counts, "100.0"},
        // The calculator's digits, so that both windows show one value: 41 of 80 is exactly
        // 51.25%, which the calculator's double shows as 51.2; but never its "100" or "0" for a
        // value that is neither.
        {{"41", "39", "1", "1", "", "", ""}, ExplainedInput::Counts, "51.2"},
        {{"1", "499", "0", "1", "", "", ""}, ExplainedInput::Counts, "0.2"},
        {{"99999", "1", "0", "1", "", "", ""}, ExplainedInput::Counts, "99.999"},
        {{"0", "0", "0", "0", "0.3", "50", "0"}, ExplainedInput::Percentages, "100.0"},
        {{"0", "0", "0", "0", "", "", ""},
         ExplainedInput::None,
         "To explain a test, enter a count above 0, or the prevalence, the sensitivity and the "
         "false-positive rate."},
        {{"", "7", "x", "1.5", "150", "", "3"},
         ExplainedInput::None,
         "To explain a test, enter the true positives, the false negatives and the true "
         "negatives, or the prevalence and the sensitivity. The prevalence entered is above "
         "100%."},
    };
    for (const auto& r : rows) {
        const auto x = Explain(r.in);
        SCOPED_TRACE(r.ppvOrMissing);
        EXPECT_EQ(x.input, r.input);
        EXPECT_EQ(r.input == ExplainedInput::None
                      ? x.missing
                      : RowOf(x, Statistic::PositivePredictiveValue).value,
                  r.ppvOrMissing);
    }
}

// Each example against the figures of its source, as published there and not as entered: a
// figure mistyped, or a source misattributed, shows here.
TEST(ExplanationTest, ExamplesTellTheirSourcesFigures) {
    // clang-format off
    const struct { const char *item, *author; Statistic row; const char* published; } rows[] = {
        {"MammographyExample", "Gigerenzer G, Hoffrage U. How", S::PositivePredictiveValue, "7.8"},   // 8 of 103 women, 7.8%
        {"MammographyExample", "Gigerenzer G, Hoffrage U. How", S::Specificity, "90.4"},         // 9.6% false positives
        {"HemoccultExample", "Gigerenzer G. Calculated Risks", S::PositivePredictiveValue, "4.8"},  // 15 of 314, about 5%
        {"HivExample", "Gigerenzer G, Hoffrage U, Ebert A.", S::PositivePredictiveValue, "50.0"},  // "as low as 50%"
        {"PrenatalExample", "Nicolaides KH", S::Sensitivity, "100.0"},       // all 8 with trisomy 21 and 2 with 18
        {"PrenatalExample", "Nicolaides KH", S::Specificity, "99.9"},        // 1,937 of 1,939 euploid
        {"PsaExample", "Thompson IM", S::Prevalence, "21.9"},                // 1,225 of 5,587 biopsied
        {"PsaExample", "Thompson IM", S::Sensitivity, "20.5"},
        {"PsaExample", "Thompson IM", S::Specificity, "93.8"},
        {"LiverScanExample", "Altman DG, Bland JM", S::Sensitivity, "89.5"}, // 231/258, "0.90"
        {"LiverScanExample", "Altman DG, Bland JM", S::Specificity, "62.8"}, // 54/86, "0.63"
        {"AntigenExample", "Br\u00fcmmer LE", S::Sensitivity, "71.2"},
        {"AntigenExample", "Br\u00fcmmer LE", S::Specificity, "98.9"},
        {"CasscellsExample", "Casscells W", S::PositivePredictiveValue, "2.0"},  // "one in 51, less than 2 per cent"
    };
    // clang-format on
    for (const auto& r : rows) {
        SCOPED_TRACE(r.item);
        const auto& all = calc::Examples();
        const auto e = std::find_if(all.begin(), all.end(), [&](const calc::Example& e) {
            return e.item == std::string(r.item);
        });
        ASSERT_NE(e, all.end());
        const auto& f = e->fields;
        const auto x =
            Explain({f[0], f[1], f[2], f[3], f[4], f[5], f[6], {}, 0, e->labels, e->source});
        EXPECT_EQ(RowOf(x, r.row).value, r.published);
        EXPECT_EQ(x.source.rfind("Source: " + std::string(r.author), 0), 0u) << x.source;
        // A person can type each name into its field again.
        for (const auto& name : {e->labels.disorder, e->labels.people, e->labels.person}) {
            EXPECT_LE(name.size(), 40u) << name;
        }
    }
}

}  // namespace
