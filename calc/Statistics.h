#pragma once

#include <optional>

#include <boost/multiprecision/cpp_int.hpp>

#include "calc/NaturalFrequencies.h"

// The usual measures of a diagnostic test with their 95% confidence intervals. Proportions are
// fractions from 0 to 1; counts are doubles so that any count a field can hold stays exact.
namespace calc {

// Every point value is a ratio of whole counts and entered decimals, so it is kept exactly as
// well: a double cannot hold 0.15% or 1.305, and rounding it would take an exact half down.
using Rational = boost::multiprecision::cpp_rational;

// Why a figure has no value: its denominator is 0.
enum class Undefined {
    No,
    NoneDiseased,        // no one has the disorder
    NoneHealthy,         // no one is without the disorder
    NonePositive,        // no one tests positive
    NoneNegative,        // no one tests negative
    NoBetterThanChance,  // Youden's index is 0 or below, so no number of persons finds one case
};

struct Estimate {
    Undefined undefined = Undefined::No;
    // The value exactly, where it is defined and finite; value is the nearest double to it.
    Rational exact;
    double value = 0;
    // A ratio whose denominator alone is 0: value is then +infinity, which no text should show.
    bool infinite = false;
    bool hasInterval = false;
    double lower = 0;
    double upper = 0;
    // The interval has no upper end; upper is +infinity.
    bool upperInfinite = false;
    // Ratios by the log method: a cell of the table is 0, so the interval (not the value) comes
    // from the table with 0.5 added to every cell.
    bool halfAdded = false;
    // Predictive values at an entered prevalence where the sensitivity or the specificity is 0
    // or 100%: the interval is the adjusted logit one, sensitivity and specificity estimated as
    // (count + z²/2) / (group + z²); the bound on the side of a value of 0 or 100% is that value.
    bool adjustedLogit = false;

    bool Defined() const { return undefined == Undefined::No; }
};

// A test's four rates, fractions from 0 to 1.
struct Rates {
    double sensitivity = 0, missRate = 0, specificity = 0, falsePositiveRate = 0;
};

// The predictive values at prevalence p of a test with these rates; nothing where no one would
// test positive (negative). The curves take them from here at any prevalence; at the test's own
// the statistics hold the same values exactly.
std::optional<double> PositivePredictiveAt(const Rates& r, double p);
std::optional<double> NegativePredictiveAt(const Rates& r, double p);

struct TestStatistics {
    Estimate sensitivity;
    Estimate specificity;
    Estimate positiveLikelihoodRatio;
    Estimate negativeLikelihoodRatio;
    Estimate prevalence;
    Estimate positivePredictiveValue;
    Estimate negativePredictiveValue;
    Estimate accuracy;
    // (TP·TN) / (FP·FN), the odds of a positive result with the disorder over those without it.
    Estimate diagnosticOddsRatio;
    // J = sensitivity + specificity - 1, from -1 to 1; its bounds are those of sensitivity and
    // specificity added, less 1.
    Estimate youdenIndex;
    // Number needed to diagnose, 1 / J: how many must be tested to find one more case than
    // chance would. Its bounds are the reciprocals of J's, swapped.
    Estimate numberNeededToDiagnose;
    // The probability of the disorder after a negative result, 1 - NPV, at the same prevalence
    // as the predictive values.
    Estimate disorderAfterNegative;
    // The rates behind the figures; zero where a group is empty.
    Rates rates;
};

struct Counts {
    double truePositives = 0;
    double falsePositives = 0;
    double falseNegatives = 0;
    double trueNegatives = 0;
};

// Without a population prevalence the predictive values are proportions of the sample. With
// one (a fraction from 0 to 1) they are those of a population with that prevalence, which is
// what a case-control study needs; prevalence and accuracy then carry no interval.
TestStatistics StatisticsFromCounts(const Counts& counts,
                                    std::optional<Fraction> populationPrevalence = std::nullopt);

// Without sample sizes there are no intervals: point values only. Each fraction is from 0 to 1.
TestStatistics StatisticsFromRates(Fraction prevalence, Fraction sensitivity,
                                   Fraction falsePositiveRate);

}  // namespace calc
