#pragma once

#include <optional>

#include <boost/multiprecision/cpp_int.hpp>

// The usual measures of a diagnostic test with their 95% confidence intervals. Proportions are
// fractions from 0 to 1; counts are doubles so that any count a field can hold stays exact.
namespace calc {

// Every point value is a ratio of whole counts and entered decimals, so it is kept exactly as
// well: a double cannot hold 0.15% or 1.305, and rounding it would take an exact half down.
using Rational = boost::multiprecision::cpp_rational;

// Why a figure has no value: its denominator is 0.
enum class Undefined {
    No,
    NoneDiseased,     // no one has the disorder
    NoneHealthy,      // no one is without the disorder
    NoFalsePositive,  // the positive likelihood ratio divides by the false-positive rate
    NoTrueNegative,   // the negative likelihood ratio divides by the specificity
    NonePositive,     // no one tests positive
    NoneNegative,     // no one tests negative
};

struct Estimate {
    Undefined undefined = Undefined::No;
    double value = 0;
    bool hasInterval = false;
    double lower = 0;
    double upper = 0;
    // Likelihood ratios: a cell the log method needs is 0, so its interval adds 0.5 to every
    // cell; the lower limit is then 0, as the ratio is.
    bool halfAdded = false;
    // Predictive values at a given prevalence that are 0 or 1: the interval comes from the
    // Clopper-Pearson interval of the proportion whose count is 0.
    bool fromZeroCount = false;

    bool Defined() const { return undefined == Undefined::No; }
};

// A test's four rates, fractions from 0 to 1.
struct Rates {
    double sensitivity = 0, missRate = 0, specificity = 0, falsePositiveRate = 0;
};

// The predictive values at prevalence p of a test with these rates; nothing where no one would
// test positive (negative). The table, the tree and the curves all take them from here.
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
                                    std::optional<double> populationPrevalence = std::nullopt);

// Without sample sizes there are no intervals: point values only.
TestStatistics StatisticsFromRates(double prevalence, double sensitivity, double falsePositiveRate);

}  // namespace calc
