#include "calc/Statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "calc/Figures.h"

namespace {

using calc::Estimate;
using calc::Figure;
using calc::Fraction;
using calc::Rational;
using calc::Scale;
using calc::TestStatistics;

TEST(StatisticsTest, FiguresAtTheEdgesOfTheirPrecision) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        Rational x;
        Scale scale;
        const char* text;
    } rows[] = {
        {0, Scale::Percent, "0.0"},
        {1, Scale::Percent, "100.0"},
        {Rational(97, 100), Scale::Percent, "97.0"},
        {Rational(48, 1000), Scale::Percent, "4.8"},
        {Rational(1, 1000000), Scale::Percent, "0.0001"},
        {Rational(999999, 1000000), Scale::Percent, "99.9999"},
        {Rational(1, 2000), Scale::Percent, "0.1"},  // exactly 0.05: one decimal still holds
        {Rational(1999, 2000), Scale::Percent, "99.95"},
        {Rational(2499, 2500), Scale::Percent, "99.96"},
        {Rational(37, 100000), Scale::Percent, "0.037"},
        {Rational(375, 1000000), Scale::Percent, "0.038"},
        {Rational(15, 1000000), Scale::Percent, "0.0015"},
        {0, Scale::Ratio, "0"},
        {8, Scale::Ratio, "8.00"},
        {Rational(23, 10000), Scale::Ratio, "0.00230"},
        {Rational(2, 1000000000), Scale::Ratio, "0.00000000200"},
        {Rational(9994, 1000), Scale::Ratio, "9.99"},
        {Rational(9995, 1000), Scale::Ratio, "10.0"},
        {Rational(1999, 2), Scale::Ratio, "1000"},
        {Rational(123456, 10), Scale::Ratio, "12346"},
        {Rational(-12, 100), Scale::Index, "-0.120"},
        {Rational(-1, 2500), Scale::Index, "-0.000400"},
        {-1, Scale::Index, "-1.00"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.x.str());
        EXPECT_EQ(Figure(r.x, r.scale), r.text);
    }
    // A double is rounded as the number it holds, a little below 1.305.
    EXPECT_EQ(Figure(1.305, Scale::Ratio), "1.30");
    EXPECT_EQ(Figure(inf, Scale::Ratio), "");
}

// Exact halves that a double holds a little below the half, so that they would round down.
TEST(StatisticsTest, ExactValuesRoundHalvesUp) {
    const auto counts = [](double tp, double fp, double fn, double tn) {
        return calc::StatisticsFromCounts({tp, fp, fn, tn});
    };
    const auto entered = calc::FromPercent(*calc::ReadDecimal("63.75"));
    const struct {
        const char* what;
        TestStatistics s;
        Estimate TestStatistics::*figure;
        Scale scale;
        const char* text;
    } rows[] = {
        {"sensitivity 3 of 2000", counts(3, 1, 1997, 5), &TestStatistics::sensitivity,
         Scale::Percent, "0.2"},
        {"LR+ 1.305", counts(9, 20, 1, 9), &TestStatistics::positiveLikelihoodRatio, Scale::Ratio,
         "1.31"},
        {"PPV 18.75 at 50%", calc::StatisticsFromCounts({3, 13, 11, 1}, Fraction{1, 2}),
         &TestStatistics::positivePredictiveValue, Scale::Percent, "18.8"},
        {"prevalence 63.75", calc::StatisticsFromRates(entered, {1, 2}, {1, 2}),
         &TestStatistics::prevalence, Scale::Percent, "63.8"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(Figure((r.s.*r.figure).exact, r.scale), r.text);
    }
}

// "value lower-upper", "inf" where infinite and "+" where 0.5 was added to every cell.
std::string Describe(const Estimate& e, Scale scale) {
    const char* const why[] = {
        "", "NoneDiseased", "NoneHealthy", "NonePositive", "NoneNegative", "NoBetterThanChance"};
    if (!e.Defined()) return why[static_cast<int>(e.undefined)];
    std::string text = e.infinite ? "inf" : Figure(e.exact, scale);
    if (!e.hasInterval) return text + " no interval";
    text += " " + Figure(e.lower, scale) + "-" + (e.upperInfinite ? "inf" : Figure(e.upper, scale));
    return text + (e.halfAdded ? " +" : "");
}

// The first table is the liver scan of Altman and Bland (BMJ 1994; 308:1552). Expected figures
// written from the formulas in mpmath at 50 digits, apart from this code, Clopper-Pearson bounds
// by bisection on the regularised incomplete beta function.
TEST(StatisticsTest, RatiosAndYoudenIndexOverEveryZeroCell) {
    const struct {
        double tp, fp, fn, tn;
        const char *positive, *negative, *odds, *youden, *toDiagnose;
    } rows[] = {
        // clang-format off
        {231, 32, 27, 54, "2.41 1.82-3.18", "0.167 0.113-0.247", "14.4 7.99-26.1", "0.523 0.368-0.660", "1.91 1.52-2.71"},
        {670, 202, 74, 640, "3.75 3.32-4.24", "0.131 0.105-0.163", "28.7 21.5-38.2", "0.661 0.607-0.710", "1.51 1.41-1.65"},
        {0, 5, 10, 85, "0 0-12.7 +", "1.06 0.884-1.17 +", "0 0-14.4 +", "-0.0556 -0.125-0.290", "NoBetterThanChance"},
        {10, 0, 5, 85, "inf 6.96-inf +", "0.333 0.176-0.681 +", "inf 16.8-inf +", "0.667 0.341-0.882", "1.50 1.13-2.93"},
        {10, 5, 0, 85, "18.0 6.95-35.9 +", "0 0-0.726 +", "inf 16.8-inf +", "0.944 0.567-0.982", "1.06 1.02-1.76"},
        {10, 5, 5, 0, "0.667 0.466-1.10 +", "inf 0.267-inf +", "0 0-3.75 +", "-0.333 -0.616-0.404", "NoBetterThanChance"},
        {0, 0, 5, 85, "NonePositive", "1.00 0.724-1.17 +", "NonePositive", "0 -0.0425-0.522", "NoBetterThanChance"},
        {10, 5, 0, 0, "1.00 0.792-1.37 +", "NoneNegative", "NoneNegative", "0 -0.308-0.522", "NoBetterThanChance"},
        {0, 5, 0, 85, "NoneDiseased", "NoneDiseased", "NoneDiseased", "NoneDiseased", "NoneDiseased"},
        {10, 0, 5, 0, "NoneHealthy", "NoneHealthy", "NoneHealthy", "NoneHealthy", "NoneHealthy"},
        {0, 5, 5, 0, "0 0-1.31 +", "inf 0.766-inf +", "0 0-0.496 +", "-1.00 -1.00-0.0436", "NoBetterThanChance"},
        {10, 0, 0, 85, "inf 10.3-inf +", "0 0-0.686 +", "inf 67.6-inf +", "1.00 0.649-1.00", "1.00 1.00-1.54"},
        {3, 1, 2, 4, "3.00 0.452-19.9", "0.500 0.157-1.59", "6.00 0.354-102", "0.400 -0.570-0.942", "2.50 1.06-inf"},
        // clang-format on
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.tp << "/" << r.fp << "/" << r.fn << "/" << r.tn);
        const auto s = calc::StatisticsFromCounts({r.tp, r.fp, r.fn, r.tn});
        EXPECT_EQ(Describe(s.positiveLikelihoodRatio, Scale::Ratio), r.positive);
        EXPECT_EQ(Describe(s.negativeLikelihoodRatio, Scale::Ratio), r.negative);
        EXPECT_EQ(Describe(s.diagnosticOddsRatio, Scale::Ratio), r.odds);
        EXPECT_EQ(Describe(s.youdenIndex, Scale::Index), r.youden);
        EXPECT_EQ(Describe(s.numberNeededToDiagnose, Scale::Ratio), r.toDiagnose);
    }
}

// Reference bounds: the standard and the adjusted logit intervals as Mercaldo, Lau and Zhou
// (Statistics in Medicine 26, 2007) write them, computed in mpmath at 50 digits apart from this
// code; a bound of 0 or 1 is the value's own where that value is 0 or 100%. -1: undefined.
TEST(StatisticsTest, PredictiveValuesAtAnEnteredPrevalence) {
    const struct {
        double tp, fp, fn, tn;
        Fraction prevalence;
        bool adjusted;
        double ppvLower, ppvUpper, npvLower, npvUpper;
    } rows[] = {
        // clang-format off
        {10, 5, 0, 85, {1, 10}, true, 0.380579440652, 0.732634936016, 0.941690333163, 1},
        {10, 0, 5, 85, {1, 10}, true, 0.435022706248, 1, 0.929791713327, 0.977474368174},
        {0, 5, 10, 85, {1, 10}, true, 0, 0.482612859873, 0.886045359887, 0.923369908045},
        {10, 5, 5, 0, {1, 10}, true, 0.0522079677194, 0.127722303383, 0, 0.955060842201},
        {0, 0, 5, 85, {3, 10}, true, -1, -1, 0.672991781161, 0.805180909662},
        {231, 32, 27, 54, {1, 10}, false, 0.16842149964, 0.260869506763, 0.973318426783, 0.987644603479},
        // clang-format on
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.tp << "/" << r.fp << "/" << r.fn << "/" << r.tn);
        const auto s = calc::StatisticsFromCounts({r.tp, r.fp, r.fn, r.tn}, r.prevalence);
        const Estimate &ppv = s.positivePredictiveValue, &npv = s.negativePredictiveValue;
        const Estimate& after = s.disorderAfterNegative;
        EXPECT_EQ(ppv.Defined(), r.ppvLower >= 0);
        if (ppv.Defined()) {
            EXPECT_EQ(ppv.adjustedLogit, r.adjusted);
            EXPECT_NEAR(ppv.lower, r.ppvLower, 1e-10);
            EXPECT_NEAR(ppv.upper, r.ppvUpper, 1e-10);
        }
        EXPECT_EQ(npv.adjustedLogit, r.adjusted);
        EXPECT_NEAR(npv.lower, r.npvLower, 1e-10);
        EXPECT_NEAR(npv.upper, r.npvUpper, 1e-10);
        EXPECT_EQ(after.exact, 1 - npv.exact);
        EXPECT_NEAR(after.lower, 1 - r.npvUpper, 1e-10);
        EXPECT_NEAR(after.upper, 1 - r.npvLower, 1e-10);
    }
}

}  // namespace
