#include "calc/Calculation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
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

// num/den in percent, rounded by hand to tenths and written as the result field shows it;
// nothing for an exact half, which the double arithmetic may settle either way.
std::optional<std::string> ExactPercent(std::int64_t num, std::int64_t den) {
    num *= 1000;
    const std::int64_t twice = 2 * (num % den);
    if (twice == den) return std::nullopt;
    const std::int64_t tenths = num / den + (twice > den ? 1 : 0);
    std::string text = tenths >= 10 ? std::to_string(tenths / 10) : "";
    if (tenths % 10 != 0) text += "." + std::to_string(tenths % 10);
    return text.empty() ? "0" : text;
}

// The choice rules, one row each: which set wins and what is emptied, or what is refused with
// which message and focus. A row with a result expects the other set emptied in field order.
//
// The rows named by an exact half, such as 28.75, land a hair above or below the half once
// computed in doubles, and only the arithmetic's grouping decides which. Their expectations come
// from an exact expansion of the double results; each shows a different answer under a regrouped
// formula (tp * 100 / (tp + fp), or prevalence as a fraction times dt and t), or with a fused
// multiply-add, so neither goes unnoticed.
TEST(CalculationTest, ChoosesTheCompleteSetOrRefuses) {
    const std::string big = "1" + std::string(308, '0');
    const struct {
        const char* name;
        Inputs in;
        InputMode mode;
        const char* ppp;  // null for a refusal
        Field focus = Field::tp;
    } rows[] = {
        {"percentages", {"", "", "", "", "0.3", "50", "3"}, kPct, "4.8"},
        {"frequencies", {"15", "299", "15", "9671", "", "", ""}, kFreq, "4.8"},
        {"fn, tn irrelevant", {"1", "2", "1000", "1000", "", "", ""}, kFreq, "33.3"},
        {"text around", {" 15 ", "+299", "15.", "9671\t", "", "", ""}, kFreq, "4.8"},
        {"all 100", {"", "", "", "", "100", "100", "100"}, kPct, "100"},
        {"no leading zero", {"", "", "", "", "0.01", "50", "3"}, kPct, ".2"},
        {"rounds to 0", {"", "", "", "", "0.0000001", "50", "3"}, kPct, "0"},
        {"both complete", {"1", "2", "5", "5", "150", "150", "150"}, kFreq, "33.3"},
        {"partial pct", {"15", "299", "15", "9671", "x", "5", ""}, kFreq, "4.8"},
        {"partial freq", {"7", "", "0", "-3", "0.3", "50", "3"}, kPct, "4.8"},
        {"near double max", {big, big, "1", "1", "", "", ""}, kFreq, "50"},
        {"0.35", {"7", "1993", "1", "1", "", "", ""}, kFreq, ".4"},
        {"0.45", {"9", "1991", "1", "1", "", "", ""}, kFreq, ".4"},
        {"28.75", {"23", "57", "1", "1", "", "", ""}, kFreq, "28.7"},
        {"51.25", {"41", "39", "1", "1", "", "", ""}, kFreq, "51.2"},
        {"46.25", {"", "", "", "", "57", "37", "57"}, kPct, "46.2"},
        {"63.75", {"", "", "", "", "68", "24", "29"}, kPct, "63.8"},
        {"13.75", {"", "", "", "", "8", "11", "6"}, kPct, "13.8"},
        {"28.75 from percentages", {"", "", "", "", "5", "23", "3"}, kPct, "28.7"},
        {"81.25", {"", "", "", "", "67.6", "27", "13"}, kPct, "81.2"},
        {"empty", {}, InputMode::None, nullptr},
        {"fp zero", {"15", "0", "15", "9671", "", "", ""}, InputMode::None, nullptr},
        {"fn zero", {"15", "299", "0", "9671", "", "", ""}, InputMode::None, nullptr},
        {"tn zero", {"15", "299", "15", "0", "", "", ""}, InputMode::None, nullptr},
        {"t zero", {"", "", "", "", "0.3", "50", "0"}, InputMode::None, nullptr},
        {"tp negative", {"-15", "299", "15", "9671", "", "", ""}, InputMode::None, nullptr},
        {"unreadable", {"15", "2 99", "15", "9671", "0,3", "50", "3"}, InputMode::None, nullptr},
        {"pre > 100", {"", "", "", "", "100.01", "50", "3"}, kPct, nullptr, Field::pre},
        {"t > 100", {"", "", "", "", "50", "50", "100.0001"}, kPct, nullptr, Field::t},
        {"first of several", {"", "", "", "", "5", "101", "999"}, kPct, nullptr, Field::dt},
        {"huge pre", {"", "", "", "", big, "50", "3"}, kPct, nullptr, Field::pre},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const CalcOutcome outcome = Calculate(row.in);
        EXPECT_EQ(outcome.mode, row.mode);
        EXPECT_EQ(outcome.calculated, row.ppp != nullptr);
        EXPECT_EQ(outcome.pppText, row.ppp ? row.ppp : "");
        EXPECT_EQ(outcome.message, row.ppp                       ? ""
                                   : row.mode == InputMode::None ? kIncomplete
                                                                 : kTooLarge);
        if (!row.ppp) {
            EXPECT_EQ(outcome.focus, row.focus);
        }
        EXPECT_EQ(outcome.emptied, !row.ppp            ? std::vector<Field>{}
                                   : row.mode == kFreq ? kPercentFields
                                                       : kFrequencyFields);
    }
}

// The arithmetic's oracle: answers over a grid of both kinds of input against exact fractions.
TEST(CalculationTest, SweepsMatchExactFractions) {
    for (std::int64_t tp = 1; tp <= 120; ++tp) {
        for (std::int64_t fp = 1; fp <= 120; ++fp) {
            if (auto exact = ExactPercent(tp, tp + fp)) {
                ASSERT_EQ(Calculate({std::to_string(tp), std::to_string(fp), "3", "4", "", "", ""})
                              .pppText,
                          *exact)
                    << tp << " / " << fp;
            }
        }
    }
    // Prevalence in tenths of a percent, so decimal inputs such as 0.3 take part.
    for (std::int64_t pre = 1; pre <= 1000; pre += 7) {
        const std::string preText = std::to_string(pre / 10) + "." + std::to_string(pre % 10);
        for (std::int64_t dt = 1; dt <= 100; dt += 3) {
            for (std::int64_t t = 1; t <= 100; t += 4) {
                if (auto exact = ExactPercent(pre * dt, pre * dt + (1000 - pre) * t)) {
                    ASSERT_EQ(
                        Calculate({"", "", "", "", preText, std::to_string(dt), std::to_string(t)})
                            .pppText,
                        *exact)
                        << preText << " " << dt << " " << t;
                }
            }
        }
    }
}

}  // namespace
