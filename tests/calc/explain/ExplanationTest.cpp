#include "calc/explain/Explanation.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "calc/Statistics.h"

namespace {

using calc::Explain;
using calc::ExplainedInput;

// Expected figures: the published ones where there are any, the rest computed with arbitrary
// precision outside this code (bisection on the regularised incomplete beta function).
TEST(ExplanationTest, LiverScanTable) {
    // clang-format off
    const struct { const char* population; std::size_t row; const char *value, *interval; } rows[] = {
        {"", 0, "89.5", "85.1–93"},     {"", 1, "62.8", "51.7–73"},   {"", 2, "2.41", "1.82–3.18"},
        {"", 3, "0.17", "0.11–0.25"},   {"", 4, "75", "70.1–79.5"},   {"", 5, "87.8", "83.3–91.5"},
        {"", 6, "66.7", "55.3–76.8"},   {"", 7, "82.8", "78.4–86.7"}, {"10", 4, "10", ""},
        {"10", 5, "21.1", "16.8–26.1"}, {"10", 6, "98.2", "97.3–98.8"}, {"10", 7, "65.5", ""},
    };
    // clang-format on
    for (const auto& r : rows) {
        // clang-format off
        const auto x = Explain({.tp = "231", .fp = "32", .fn = "27", .tn = "54",
                                .populationPrevalence = r.population});
        // clang-format on
        SCOPED_TRACE(x.statistics[r.row].name + " at '" + r.population + "'");
        EXPECT_EQ(x.statistics[r.row].value, r.value);
        EXPECT_EQ(x.statistics[r.row].interval, r.interval);
    }
}

TEST(ExplanationTest, NaturalFrequencies) {
    const struct {
        const char *tp, *pre, *dt, *t, *population;
        std::uint64_t chosen, total, diseased, truePositives, falsePositives, trueNegatives;
        bool roundedNote;
    } rows[] = {
        {"", "0.3", "50", "3", "", 0, 10000, 30, 15, 299, 9671, false},
        {"", "0.3", "50", "3", "", 1000, 1000, 3, 2, 30, 967, true},  // 1.5 rounds up
        {"", "0.35", "50", "3", "", 1000, 1000, 4, 2, 30, 966, true},
        {"", "0.00005", "100", "0.0001", "", 0, 1000000, 1, 1, 1, 999998, true},
        {"231", "", "", "", "10", 0, 10000, 1000, 895, 3349, 5651, false},
        {"231", "", "", "", "", 1000, 344, 258, 231, 32, 54, false},
    };
    for (const auto& r : rows) {
        const bool counts = *r.tp != '\0';
        // clang-format off
        const auto x = Explain({.tp = r.tp, .fp = counts ? "32" : "", .fn = counts ? "27" : "",
                                .tn = counts ? "54" : "", .pre = r.pre, .dt = r.dt, .t = r.t,
                                .populationPrevalence = r.population, .populationSize = r.chosen});
        // clang-format on
        SCOPED_TRACE(std::string(r.tp) + r.pre + "/" + r.population + " N " +
                     std::to_string(r.chosen));
        const auto& p = x.persons;
        EXPECT_EQ((std::array{p.total, p.diseased, p.truePositives, p.falsePositives,
                              p.trueNegatives, p.falseNegatives + p.truePositives}),
                  (std::array{r.total, r.diseased, r.truePositives, r.falsePositives,
                              r.trueNegatives, r.diseased}));
        EXPECT_EQ(x.notes.size(), r.roundedNote ? 1u : 0u);
    }
    const auto worked = Explain({.pre = "0.3", .dt = "50", .t = "3"});
    EXPECT_EQ(worked.positiveSentence,
              "Of 10,000 people, 30 have the disorder. 15 of these 30 test positive. Of the "
              "9,970 without the disorder, 299 also test positive. So 15 of the 314 people who "
              "test positive have the disorder (4.8%).");
    EXPECT_EQ(worked.negativeSentence,
              "Of the 9,686 people who test negative, 9,671 do not have the disorder (99.8%).");
}

TEST(ExplanationTest, ChoosesTheInputOrSaysWhatIsMissing) {
    const struct {
        calc::ExplanationRequest in;
        ExplainedInput input;
        const char* ppvOrMissing;
    } rows[] = {
        // The calculator takes the percentages here, so the explanation must too.
        {{"0", "5", "3", "2", "0.3", "50", "3"}, ExplainedInput::Percentages, "4.8"},
        {{"15", "0", "15", "9671", "", "", ""}, ExplainedInput::Counts, "100"},
        {{"0", "0", "0", "0", "0.3", "50", "0"}, ExplainedInput::Percentages, "100"},
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
        EXPECT_EQ(r.input == ExplainedInput::None ? x.missing : x.statistics[5].value,
                  r.ppvOrMissing);
    }
}

// Every figure of many small tables, zeros included, at several prevalences.
TEST(ExplanationTest, StatisticsHoldTheirPropertiesOverManyTables) {
    const double cells[] = {0, 1, 2, 5, 40};
    const std::optional<calc::Fraction> prevalences[] = {
        std::nullopt,          calc::Fraction{0, 1},      calc::Fraction{1, 1000},
        calc::Fraction{3, 10}, calc::Fraction{999, 1000}, calc::Fraction{1, 1}};
    for (double a : cells)
        for (double b : cells)
            for (double c : cells)
                for (double d : cells) {
                    double lastPpv = -1, lastNpv = 2;
                    for (const auto& p : prevalences) {
                        const auto s = calc::StatisticsFromCounts({a, b, c, d}, p);
                        // clang-format off
                        const calc::Estimate* all[] = {&s.sensitivity, &s.specificity,
                            &s.positiveLikelihoodRatio, &s.negativeLikelihoodRatio, &s.prevalence,
                            &s.positivePredictiveValue, &s.negativePredictiveValue, &s.accuracy};
                        // clang-format on
                        for (int i = 0; i < 8; ++i) {
                            const calc::Estimate& e = *all[i];
                            SCOPED_TRACE(testing::Message()
                                         << a << " " << b << " " << c << " " << d << " at "
                                         << (p ? p->numerator : 1) << "/"
                                         << (p ? p->denominator : 0) << ", figure " << i);
                            if (!e.Defined()) continue;
                            const bool ratio = i == 2 || i == 3;
                            EXPECT_TRUE((std::isfinite(e.value) || (ratio && e.infinite)) &&
                                        e.value >= 0 && (ratio || e.value <= 1));
                            if (!e.hasInterval) continue;
                            EXPECT_TRUE(std::isfinite(e.lower) &&
                                        (std::isfinite(e.upper) || e.upperInfinite));
                            EXPECT_TRUE(0 <= e.lower && e.lower <= e.value && e.value <= e.upper);
                            EXPECT_TRUE(ratio || e.upper <= 1);
                        }
                        if (!p || !s.positivePredictiveValue.Defined() ||
                            !s.negativePredictiveValue.Defined()) {
                            continue;
                        }
                        EXPECT_GE(s.positivePredictiveValue.value, lastPpv);
                        EXPECT_LE(s.negativePredictiveValue.value, lastNpv);
                        lastPpv = s.positivePredictiveValue.value;
                        lastNpv = s.negativePredictiveValue.value;
                    }
                    // clang-format off
                    const auto text = Explain({.tp = std::to_string(int(a)), .fp = std::to_string(int(b)),
                        .fn = std::to_string(int(c)), .tn = std::to_string(int(d))}).PlainText();
                    // clang-format on
                    EXPECT_EQ(text.find("Infinity"), std::string::npos) << text;
                    EXPECT_EQ(text.find("NaN"), std::string::npos) << text;
                }
}

}  // namespace
