#include "calc/Calculation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using calc::CalcOutcome;
using calc::Field;
using calc::InputMode;
using calc::RunCalculation;

const std::string kIncomplete = "Enter the 4 frequencies OR the 3 percentages.";
const std::string kTooLarge = "Percentages cannot be greater than 100.";
const std::vector<Field> kPercentFields = {Field::pre, Field::dt, Field::t};
const std::vector<Field> kFrequencyFields = {Field::tp, Field::fp, Field::fn, Field::tn};
constexpr InputMode kFreq = InputMode::Frequencies;
constexpr InputMode kPct = InputMode::Percentages;

struct Inputs {
    std::string tp, fp, fn, tn, pre, dt, t;
};

CalcOutcome Calculate(const Inputs& in) {
    return RunCalculation(in.tp, in.fp, in.fn, in.tn, in.pre, in.dt, in.t);
}

// Text of a count of tenths as the result field shows it.
std::string TenthsText(std::int64_t tenths) {
    std::string text = tenths >= 10 ? std::to_string(tenths / 10) : "";
    if (tenths % 10 != 0) text += "." + std::to_string(tenths % 10);
    return text.empty() ? "0" : text;
}

// Exact num/den in tenths, rounded half up; false when it is an exact half, which the double
// arithmetic may settle either way.
bool RoundedTenths(std::int64_t num, std::int64_t den, std::int64_t& tenths) {
    const std::int64_t twice = 2 * (num % den);
    tenths = num / den + (twice >= den ? 1 : 0);
    return twice != den;
}

TEST(CalculationTest, ComputesFromTheCompleteSet) {
    const std::string big = "1" + std::string(308, '0');
    const struct {
        const char* name;
        Inputs in;
        InputMode mode;
        const char* ppp;
    } rows[] = {
        {"percentages", {"", "", "", "", "0.3", "50", "3"}, kPct, "4.8"},
        {"frequencies", {"15", "299", "15", "9671", "", "", ""}, kFreq, "4.8"},
        {"one third", {"1", "2", "5", "5", "", "", ""}, kFreq, "33.3"},
        {"fn, tn irrelevant", {"1", "2", "1000", "1000", "", "", ""}, kFreq, "33.3"},
        {"text around", {" 15 ", "+299", "15.", "9671\t", "", "", ""}, kFreq, "4.8"},
        {"prevalence 100", {"", "", "", "", "100", "50", "3"}, kPct, "100"},
        {"all 100", {"", "", "", "", "50", "100", "100"}, kPct, "50"},
        {"no leading zero", {"", "", "", "", "0.01", "50", "3"}, kPct, ".2"},
        {"rounds to 0", {"", "", "", "", "0.0000001", "50", "3"}, kPct, "0"},
        {"both complete", {"1", "2", "5", "5", "150", "150", "150"}, kFreq, "33.3"},
        {"partial pct", {"15", "299", "15", "9671", "x", "5", ""}, kFreq, "4.8"},
        {"partial freq", {"7", "", "0", "-3", "0.3", "50", "3"}, kPct, "4.8"},
        {"near double max", {big, big, "1", "1", "", "", ""}, kFreq, "50"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const CalcOutcome outcome = Calculate(row.in);
        EXPECT_TRUE(outcome.calculated);
        EXPECT_EQ(outcome.mode, row.mode);
        EXPECT_EQ(outcome.pppText, row.ppp);
        // The set that was not used is cleared, in field order.
        EXPECT_EQ(outcome.emptied,
                  row.mode == InputMode::Frequencies ? kPercentFields : kFrequencyFields);
        EXPECT_EQ(outcome.message, "");
    }
}

TEST(CalculationTest, RefusesIncompleteOrImpossibleInput) {
    const std::string big = "1" + std::string(308, '0');
    const struct {
        const char* name;
        Inputs in;
        InputMode mode;
        Field focus;
    } rows[] = {
        {"empty", {}, InputMode::None, Field::tp},
        {"fp zero", {"15", "0", "15", "9671", "", "", ""}, InputMode::None, Field::tp},
        {"fn zero", {"15", "299", "0", "9671", "", "", ""}, InputMode::None, Field::tp},
        {"tn zero", {"15", "299", "15", "0", "", "", ""}, InputMode::None, Field::tp},
        {"tp negative", {"-15", "299", "15", "9671", "", "", ""}, InputMode::None, Field::tp},
        {"unreadable", {"15", "2 99", "15", "9671", "0,3", "50", "3"}, InputMode::None, Field::tp},
        {"pre > 100", {"", "", "", "", "100.01", "50", "3"}, kPct, Field::pre},
        {"dt > 100", {"", "", "", "", "50", "150", "3"}, kPct, Field::dt},
        {"t > 100", {"", "", "", "", "50", "50", "100.0001"}, kPct, Field::t},
        {"first of several", {"", "", "", "", "5", "101", "999"}, kPct, Field::dt},
        {"huge pre", {"", "", "", "", big, "50", "3"}, kPct, Field::pre},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const CalcOutcome outcome = Calculate(row.in);
        EXPECT_FALSE(outcome.calculated);
        EXPECT_EQ(outcome.mode, row.mode);
        EXPECT_EQ(outcome.message, row.mode == InputMode::None ? kIncomplete : kTooLarge);
        EXPECT_EQ(outcome.focus, row.focus);
        EXPECT_TRUE(outcome.emptied.empty());
        EXPECT_EQ(outcome.pppText, "");
    }
}

// Exact halves such as 28.75 land a hair above or below the half once computed in doubles, and
// only the arithmetic's grouping decides which. These expectations come from an exact expansion
// of the double results; each row shows a different answer under a regrouped formula (tp * 100 /
// (tp + fp), or prevalence as a fraction times dt and t), so a regrouping does not go unnoticed,
// and the last under a fused multiply-add, which a compiler may form where the target has one.
TEST(CalculationTest, ExactHalvesFollowTheDoubleArithmetic) {
    const struct {
        Inputs in;
        const char* expected;
    } rows[] = {
        {{"7", "1993", "1", "1", "", "", ""}, ".4"},     // 0.35
        {{"9", "1991", "1", "1", "", "", ""}, ".4"},     // 0.45
        {{"23", "57", "1", "1", "", "", ""}, "28.7"},    // 28.75
        {{"41", "39", "1", "1", "", "", ""}, "51.2"},    // 51.25
        {{"", "", "", "", "57", "37", "57"}, "46.2"},    // 46.25
        {{"", "", "", "", "68", "24", "29"}, "63.8"},    // 63.75
        {{"", "", "", "", "8", "11", "6"}, "13.8"},      // 13.75
        {{"", "", "", "", "5", "23", "3"}, "28.7"},      // 28.75
        {{"", "", "", "", "67.6", "27", "13"}, "81.2"},  // 81.25
    };
    for (const auto& row : rows) {
        const auto& in = row.in;
        SCOPED_TRACE(in.tp + "," + in.fp + " / " + in.pre + "," + in.dt + "," + in.t);
        EXPECT_EQ(Calculate(in).pppText, row.expected);
    }
}

TEST(CalculationTest, FrequencySweepMatchesExactFractions) {
    for (std::int64_t tp = 1; tp <= 120; ++tp) {
        for (std::int64_t fp = 1; fp <= 120; ++fp) {
            std::int64_t tenths = 0;
            if (!RoundedTenths(1000 * tp, tp + fp, tenths)) continue;
            SCOPED_TRACE(testing::Message() << "tp " << tp << " fp " << fp);
            ASSERT_EQ(
                Calculate({std::to_string(tp), std::to_string(fp), "3", "4", "", "", ""}).pppText,
                TenthsText(tenths));
        }
    }
}

TEST(CalculationTest, PercentageSweepMatchesExactFractions) {
    // Prevalence in tenths of a percent, so decimal inputs such as 0.3 take part.
    for (std::int64_t pre = 1; pre <= 1000; pre += 7) {
        for (std::int64_t dt = 1; dt <= 100; dt += 3) {
            for (std::int64_t t = 1; t <= 100; t += 4) {
                const std::int64_t truePositives = pre * dt;
                const std::int64_t falsePositives = (1000 - pre) * t;
                std::int64_t tenths = 0;
                if (!RoundedTenths(1000 * truePositives, truePositives + falsePositives, tenths)) {
                    continue;
                }
                const std::string preText =
                    std::to_string(pre / 10) + "." + std::to_string(pre % 10);
                SCOPED_TRACE("pre " + preText + " dt " + std::to_string(dt) + " t " +
                             std::to_string(t));
                ASSERT_EQ(
                    Calculate({"", "", "", "", preText, std::to_string(dt), std::to_string(t)})
                        .pppText,
                    TenthsText(tenths));
            }
        }
    }
}

}  // namespace
