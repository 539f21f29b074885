#include "calc/Statistics.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <boost/math/distributions/normal.hpp>
#include <boost/math/special_functions/beta.hpp>

namespace calc {

namespace {

namespace policies = boost::math::policies;
// A figure shown to a person must never end the program: errors come back as values, and
// doubles are not promoted, which is accurate enough for one decimal and several times faster.
using Policy = policies::policy<policies::domain_error<policies::errno_on_error>,
                                policies::overflow_error<policies::errno_on_error>,
                                policies::evaluation_error<policies::errno_on_error>,
                                policies::promote_double<false>>;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

double Z() {
    static const double z =
        boost::math::quantile(boost::math::normal_distribution<double, Policy>(), 0.975);
    return z;
}

struct Bounds {
    double lower;
    double upper;
};

// Exact (Clopper-Pearson) interval of x successes in n trials, n > 0.
Bounds ClopperPearson(double x, double n) {
    const double lower = x <= 0 ? 0.0 : boost::math::ibeta_inv(x, n - x + 1, 0.025, Policy());
    const double upper = x >= n ? 1.0 : boost::math::ibeta_inv(x + 1, n - x, 0.975, Policy());
    // With counts in the billions the quantiles lose their last digits, and a bound can stray
    // past the estimate by a hair; the exact interval always holds x / n.
    const double estimate = x / n;
    return {std::min(lower, estimate), std::max(upper, estimate)};
}

Rational Exact(Fraction f) {
    return {boost::multiprecision::cpp_int(f.numerator),
            boost::multiprecision::cpp_int(f.denominator)};
}

Estimate Undefinable(Undefined why) {
    Estimate e;
    e.undefined = why;
    return e;
}

Estimate Exactly(Rational x) {
    Estimate e;
    e.value = x.convert_to<double>();
    e.exact = std::move(x);
    return e;
}

// numerator / denominator, both at least 0: infinite where only the denominator is 0.
Estimate Quotient(const Rational& numerator, const Rational& denominator, Undefined whenBothZero) {
    if (denominator != 0) return Exactly(numerator / denominator);
    if (numerator == 0) return Undefinable(whenBothZero);
    Estimate e;
    e.infinite = true;
    e.value = kInfinity;
    return e;
}

// exp and log may each be off by an ulp, so a transformed interval of zero width could miss
// its own point estimate by that much.
void SetAround(Estimate& e, double lower, double upper) {
    e.hasInterval = true;
    e.lower = std::min(lower, e.value);
    e.upper = std::max(upper, e.value);
    e.upperInfinite = std::isinf(e.upper);
}

Estimate Proportion(const Rational& x, const Rational& n, Undefined whenEmpty) {
    if (n <= 0) return Undefinable(whenEmpty);
    Estimate e = Exactly(x / n);
    const Bounds b = ClopperPearson(x.convert_to<double>(), n.convert_to<double>());
    SetAround(e, b.lower, b.upper);
    return e;
}

struct ExactRates {
    Rational sensitivity, missRate, specificity, falsePositiveRate;

    Rates Approximately() const {
        return {sensitivity.convert_to<double>(), missRate.convert_to<double>(),
                specificity.convert_to<double>(), falsePositiveRate.convert_to<double>()};
    }
};

ExactRates RatesOf(const Rational& sensitivity, const Rational& specificity) {
    return {sensitivity, 1 - sensitivity, specificity, 1 - specificity};
}

// The figures that need both groups and no prevalence, as point values.
void RatioFigures(TestStatistics& s, const ExactRates& r) {
    s.positiveLikelihoodRatio =
        Quotient(r.sensitivity, r.falsePositiveRate, Undefined::NonePositive);
    s.negativeLikelihoodRatio = Quotient(r.missRate, r.specificity, Undefined::NoneNegative);
    // Both products are 0 only where no one tests positive or no one tests negative.
    s.diagnosticOddsRatio =
        Quotient(r.sensitivity * r.specificity, r.falsePositiveRate * r.missRate,
                 r.sensitivity == 0 ? Undefined::NonePositive : Undefined::NoneNegative);
    s.youdenIndex = Exactly(r.sensitivity + r.specificity - 1);
    s.numberNeededToDiagnose = s.youdenIndex.exact > 0 ? Exactly(1 / s.youdenIndex.exact)
                                                       : Undefinable(Undefined::NoBetterThanChance);
}

// The predictive values and accuracy at prevalence p, as point values.
void PredictiveFigures(TestStatistics& s, const ExactRates& r, const Rational& p) {
    const Rational q = 1 - p;
    s.positivePredictiveValue = Quotient(
        r.sensitivity * p, r.sensitivity * p + r.falsePositiveRate * q, Undefined::NonePositive);
    s.negativePredictiveValue =
        Quotient(r.specificity * q, r.specificity * q + r.missRate * p, Undefined::NoneNegative);
    s.accuracy = Exactly(r.sensitivity * p + r.specificity * q);
    const Estimate& npv = s.negativePredictiveValue;
    s.disorderAfterNegative = npv.Defined() ? Exactly(1 - npv.exact) : Undefinable(npv.undefined);
}

// Log-method intervals of the likelihood ratios and the odds ratio (Altman et al., Statistics
// with Confidence, 2nd ed. 2000). A zero cell leaves a logarithm or a variance infinite, so
// then every cell gets 0.5 and each group grows by 1; a value of 0 keeps 0 as its lower bound
// and an infinite one has no upper bound.
void RatioIntervals(TestStatistics& s, const Counts& c) {
    const bool anyZero = c.truePositives == 0 || c.falsePositives == 0 || c.falseNegatives == 0 ||
                         c.trueNegatives == 0;
    const double add = anyZero ? 0.5 : 0.0;
    const double tp = c.truePositives + add, fp = c.falsePositives + add;
    const double fn = c.falseNegatives + add, tn = c.trueNegatives + add;
    const double diseased = tp + fn, healthy = fp + tn;
    const auto around = [&](Estimate& e, double logRatio, double variance) {
        if (!e.Defined()) return;
        const double margin = Z() * std::sqrt(variance);
        const bool zero = !e.infinite && e.exact == 0;
        e.halfAdded = anyZero;
        SetAround(e, zero ? 0.0 : std::exp(logRatio - margin),
                  e.infinite ? kInfinity : std::exp(logRatio + margin));
    };
    around(s.positiveLikelihoodRatio, std::log((tp / diseased) / (fp / healthy)),
           1 / tp - 1 / diseased + 1 / fp - 1 / healthy);
    around(s.negativeLikelihoodRatio, std::log((fn / diseased) / (tn / healthy)),
           1 / fn - 1 / diseased + 1 / tn - 1 / healthy);
    around(s.diagnosticOddsRatio, std::log((tp / fp) * (tn / fn)),
           1 / tp + 1 / fp + 1 / fn + 1 / tn);
}

// J's bounds add those of sensitivity and specificity; the number needed to diagnose takes
// their reciprocals, and where J's lower bound is not above 0 it has no upper bound.
void IndexIntervals(TestStatistics& s) {
    Estimate& j = s.youdenIndex;
    SetAround(j, s.sensitivity.lower + s.specificity.lower - 1,
              s.sensitivity.upper + s.specificity.upper - 1);
    Estimate& nnd = s.numberNeededToDiagnose;
    if (!nnd.Defined()) return;
    SetAround(nnd, 1 / j.upper, j.lower > 0 ? 1 / j.lower : kInfinity);
}

double Logistic(double x) {
    return 1 / (1 + std::exp(-x));
}

// The bounds of a predictive value that is 0 or 1 are that value on its own side.
void SetLogit(Estimate& e, double logit, double margin, bool adjusted) {
    if (!e.Defined()) return;
    e.adjustedLogit = adjusted;
    SetAround(e, e.exact == 0 ? 0.0 : Logistic(logit - margin),
              e.exact == 1 ? 1.0 : Logistic(logit + margin));
}

// Logit intervals of the predictive values at prevalence p (Mercaldo, Lau and Zhou, Statistics
// in Medicine 26, 2007). Where the sensitivity or the specificity is 0 or 1 the standard one
// has an infinite logit or a variance of 0, and the adjusted one takes its place: z²/2 added
// to every count and z² to each group. At a prevalence of 0 or 1 the values are certain.
void PredictiveIntervals(TestStatistics& s, const Counts& c, double p) {
    if (p <= 0 || p >= 1) return;
    const bool adjusted = c.truePositives == 0 || c.falsePositives == 0 || c.falseNegatives == 0 ||
                          c.trueNegatives == 0;
    const double add = adjusted ? Z() * Z() / 2 : 0.0;
    const double tp = c.truePositives + add, fp = c.falsePositives + add;
    const double fn = c.falseNegatives + add, tn = c.trueNegatives + add;
    const double diseased = tp + fn, healthy = fp + tn;
    const double sensitivity = tp / diseased, missRate = fn / diseased;
    const double specificity = tn / healthy, falsePositiveRate = fp / healthy;
    const double logOdds = std::log(p / (1 - p));

    const double positive = std::log(sensitivity / falsePositiveRate) + logOdds;
    SetLogit(s.positivePredictiveValue, positive,
             Z() * std::sqrt(missRate / (sensitivity * diseased) +
                             specificity / (falsePositiveRate * healthy)),
             adjusted);
    const double negative = std::log(specificity / missRate) - logOdds;
    const double margin = Z() * std::sqrt(sensitivity / (missRate * diseased) +
                                          falsePositiveRate / (specificity * healthy));
    SetLogit(s.negativePredictiveValue, negative, margin, adjusted);
    // 1 - NPV from its own logit, which keeps the digits a subtraction from 1 would lose.
    SetLogit(s.disorderAfterNegative, -negative, margin, adjusted);
}

// Both predictive values are written as 1 / (1 + c x) with x monotone in the prevalence, so
// that they rise and fall with it even in floating point.
double PositiveValue(double sensitivity, double falsePositiveRate, double p) {
    if (sensitivity == 0) return 0.0;
    return 1 / (1 + (falsePositiveRate / sensitivity) * ((1 - p) / p));
}

double NegativeValue(double missRate, double specificity, double p) {
    if (specificity == 0) return 0.0;
    return 1 / (1 + (missRate / specificity) * (p / (1 - p)));
}

}  // namespace

std::optional<double> PositivePredictiveAt(const Rates& r, double p) {
    if ((r.sensitivity == 0 || p == 0) && (r.falsePositiveRate == 0 || p == 1)) return std::nullopt;
    return PositiveValue(r.sensitivity, r.falsePositiveRate, p);
}

std::optional<double> NegativePredictiveAt(const Rates& r, double p) {
    if ((r.missRate == 0 || p == 0) && (r.specificity == 0 || p == 1)) return std::nullopt;
    return NegativeValue(r.missRate, r.specificity, p);
}

TestStatistics StatisticsFromCounts(const Counts& c, std::optional<Fraction> populationPrevalence) {
    const Rational tp = c.truePositives, fp = c.falsePositives;
    const Rational fn = c.falseNegatives, tn = c.trueNegatives;
    const Rational diseased = tp + fn, healthy = fp + tn, total = diseased + healthy;
    TestStatistics s;
    s.sensitivity = Proportion(tp, diseased, Undefined::NoneDiseased);
    s.specificity = Proportion(tn, healthy, Undefined::NoneHealthy);
    const bool bothGroups = diseased > 0 && healthy > 0;
    const Undefined noGroup = diseased > 0 ? Undefined::NoneHealthy : Undefined::NoneDiseased;
    // An undefined proportion's exact value is 0, and the curves' rates are 0 for an empty group.
    const ExactRates rates = RatesOf(s.sensitivity.exact, s.specificity.exact);
    s.rates = rates.Approximately();
    if (diseased <= 0) s.rates.missRate = 0;
    if (healthy <= 0) s.rates.falsePositiveRate = 0;
    if (bothGroups) {
        RatioFigures(s, rates);
        RatioIntervals(s, c);
        IndexIntervals(s);
    } else {
        s.positiveLikelihoodRatio = s.negativeLikelihoodRatio = s.diagnosticOddsRatio =
            s.youdenIndex = s.numberNeededToDiagnose = Undefinable(noGroup);
    }
    if (!populationPrevalence) {
        s.prevalence = Proportion(diseased, total, Undefined::NoneDiseased);
        s.positivePredictiveValue = Proportion(tp, tp + fp, Undefined::NonePositive);
        s.negativePredictiveValue = Proportion(tn, tn + fn, Undefined::NoneNegative);
        s.disorderAfterNegative = Proportion(fn, tn + fn, Undefined::NoneNegative);
        s.accuracy = Proportion(tp + tn, total, Undefined::NoneDiseased);
        return s;
    }

    s.prevalence = Exactly(Exact(*populationPrevalence));
    if (!bothGroups) {
        s.positivePredictiveValue = s.negativePredictiveValue = s.accuracy =
            s.disorderAfterNegative = Undefinable(noGroup);
        return s;
    }
    PredictiveFigures(s, rates, s.prevalence.exact);
    PredictiveIntervals(s, c, s.prevalence.value);
    return s;
}

TestStatistics StatisticsFromRates(Fraction prevalence, Fraction sensitivity,
                                   Fraction falsePositiveRate) {
    const ExactRates r = RatesOf(Exact(sensitivity), 1 - Exact(falsePositiveRate));
    TestStatistics s;
    s.rates = r.Approximately();
    s.sensitivity = Exactly(r.sensitivity);
    s.specificity = Exactly(r.specificity);
    s.prevalence = Exactly(Exact(prevalence));
    RatioFigures(s, r);
    PredictiveFigures(s, r, s.prevalence.exact);
    return s;
}

}  // namespace calc
