#include "calc/Statistics.h"

#include <algorithm>
#include <cmath>

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

Estimate Undefinable(Undefined why) {
    Estimate e;
    e.undefined = why;
    return e;
}

Estimate Proportion(double x, double n, Undefined whenEmpty) {
    if (n <= 0) return Undefinable(whenEmpty);
    Estimate e;
    e.value = x / n;
    const Bounds b = ClopperPearson(x, n);
    e.hasInterval = true;
    e.lower = b.lower;
    e.upper = b.upper;
    return e;
}

Estimate Point(double value) {
    Estimate e;
    e.value = value;
    return e;
}

// exp and log may each be off by an ulp, so a transformed interval of zero width could miss
// its own point estimate by that much.
void SetAround(Estimate& e, double lower, double upper) {
    e.hasInterval = true;
    e.lower = std::min(lower, e.value);
    e.upper = std::max(upper, e.value);
}

// (hit / diseased) / (other / healthy) by the log method.
Estimate LikelihoodRatio(double hit, double diseased, double other, double healthy,
                         Undefined whenOtherIsZero) {
    if (diseased <= 0) return Undefinable(Undefined::NoneDiseased);
    if (healthy <= 0) return Undefinable(Undefined::NoneHealthy);
    if (other <= 0) return Undefinable(whenOtherIsZero);
    Estimate e = Point((hit / diseased) / (other / healthy));
    const auto logLimits = [](double a, double n1, double b, double n0) {
        const double log = std::log((a / n1) / (b / n0));
        const double margin = Z() * std::sqrt(1 / a - 1 / n1 + 1 / b - 1 / n0);
        return Bounds{std::exp(log - margin), std::exp(log + margin)};
    };
    if (hit > 0) {
        const Bounds b = logLimits(hit, diseased, other, healthy);
        SetAround(e, b.lower, b.upper);
    } else {
        e.halfAdded = true;
        SetAround(e, 0.0, logLimits(hit + 0.5, diseased + 1, other + 0.5, healthy + 1).upper);
    }
    return e;
}

double Logistic(double x) {
    return 1 / (1 + std::exp(-x));
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

Estimate PositiveAt(const Rates& r, double p) {
    const auto value = PositivePredictiveAt(r, p);
    return value ? Point(*value) : Undefinable(Undefined::NonePositive);
}

Estimate NegativeAt(const Rates& r, double p) {
    const auto value = NegativePredictiveAt(r, p);
    return value ? Point(*value) : Undefinable(Undefined::NoneNegative);
}

// Standard logit intervals for predictive values at a given prevalence; where a value is 0 or 1
// the logit is infinite, and the exact interval of the proportion whose count is 0 takes its
// place. At a prevalence of 0 or 1 the values are certain.
void PredictiveIntervals(TestStatistics& s, const Rates& r, double diseased, double healthy,
                         double p) {
    if (p <= 0 || p >= 1) return;
    const double logOdds = std::log(p / (1 - p));
    Estimate& ppv = s.positivePredictiveValue;
    if (ppv.Defined()) {
        if (r.falsePositiveRate == 0) {
            ppv.fromZeroCount = true;
            const double fprUpper = ClopperPearson(0, healthy).upper;
            SetAround(ppv, PositiveValue(r.sensitivity, fprUpper, p), 1.0);
        } else if (r.sensitivity == 0) {
            ppv.fromZeroCount = true;
            const double sensUpper = ClopperPearson(0, diseased).upper;
            SetAround(ppv, 0.0, PositiveValue(sensUpper, r.falsePositiveRate, p));
        } else {
            const double logit = std::log(r.sensitivity / r.falsePositiveRate) + logOdds;
            const double margin = Z() * std::sqrt(r.missRate / (r.sensitivity * diseased) +
                                                  r.specificity / (r.falsePositiveRate * healthy));
            SetAround(ppv, Logistic(logit - margin), Logistic(logit + margin));
        }
    }
    Estimate& npv = s.negativePredictiveValue;
    if (npv.Defined()) {
        if (r.missRate == 0) {
            npv.fromZeroCount = true;
            const double missUpper = ClopperPearson(0, diseased).upper;
            SetAround(npv, NegativeValue(missUpper, r.specificity, p), 1.0);
        } else if (r.specificity == 0) {
            npv.fromZeroCount = true;
            const double specUpper = ClopperPearson(0, healthy).upper;
            SetAround(npv, 0.0, NegativeValue(r.missRate, specUpper, p));
        } else {
            const double logit = std::log(r.specificity / r.missRate) - logOdds;
            const double margin = Z() * std::sqrt(r.sensitivity / (r.missRate * diseased) +
                                                  r.falsePositiveRate / (r.specificity * healthy));
            SetAround(npv, Logistic(logit - margin), Logistic(logit + margin));
        }
    }
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

TestStatistics StatisticsFromCounts(const Counts& c, std::optional<double> populationPrevalence) {
    const double diseased = c.truePositives + c.falseNegatives;
    const double healthy = c.falsePositives + c.trueNegatives;
    const double total = diseased + healthy;
    TestStatistics s;
    Rates& r = s.rates;
    if (diseased > 0) {
        r.sensitivity = c.truePositives / diseased;
        r.missRate = c.falseNegatives / diseased;
    }
    if (healthy > 0) {
        r.specificity = c.trueNegatives / healthy;
        r.falsePositiveRate = c.falsePositives / healthy;
    }
    s.sensitivity = Proportion(c.truePositives, diseased, Undefined::NoneDiseased);
    s.specificity = Proportion(c.trueNegatives, healthy, Undefined::NoneHealthy);
    s.positiveLikelihoodRatio = LikelihoodRatio(c.truePositives, diseased, c.falsePositives,
                                                healthy, Undefined::NoFalsePositive);
    s.negativeLikelihoodRatio = LikelihoodRatio(c.falseNegatives, diseased, c.trueNegatives,
                                                healthy, Undefined::NoTrueNegative);
    if (!populationPrevalence) {
        s.prevalence = Proportion(diseased, total, Undefined::NoneDiseased);
        s.positivePredictiveValue = Proportion(c.truePositives, c.truePositives + c.falsePositives,
                                               Undefined::NonePositive);
        s.negativePredictiveValue = Proportion(c.trueNegatives, c.trueNegatives + c.falseNegatives,
                                               Undefined::NoneNegative);
        s.accuracy = Proportion(c.truePositives + c.trueNegatives, total, Undefined::NoneDiseased);
        return s;
    }

    const double p = *populationPrevalence;
    s.prevalence = Point(p);
    if (diseased <= 0 || healthy <= 0) {
        const Undefined why = diseased <= 0 ? Undefined::NoneDiseased : Undefined::NoneHealthy;
        s.positivePredictiveValue = s.negativePredictiveValue = s.accuracy = Undefinable(why);
        return s;
    }
    s.positivePredictiveValue = PositiveAt(r, p);
    s.negativePredictiveValue = NegativeAt(r, p);
    s.accuracy = Point(r.sensitivity * p + r.specificity * (1 - p));
    PredictiveIntervals(s, r, diseased, healthy, p);
    return s;
}

TestStatistics StatisticsFromRates(double prevalence, double sensitivity,
                                   double falsePositiveRate) {
    TestStatistics s;
    const Rates& r =
        s.rates = {sensitivity, 1 - sensitivity, 1 - falsePositiveRate, falsePositiveRate};
    s.sensitivity = Point(sensitivity);
    s.specificity = Point(r.specificity);
    s.positiveLikelihoodRatio = falsePositiveRate > 0 ? Point(sensitivity / falsePositiveRate)
                                                      : Undefinable(Undefined::NoFalsePositive);
    s.negativeLikelihoodRatio = r.specificity > 0 ? Point(r.missRate / r.specificity)
                                                  : Undefinable(Undefined::NoTrueNegative);
    s.prevalence = Point(prevalence);
    s.positivePredictiveValue = PositiveAt(r, prevalence);
    s.negativePredictiveValue = NegativeAt(r, prevalence);
    s.accuracy = Point(sensitivity * prevalence + r.specificity * (1 - prevalence));
    return s;
}

}  // namespace calc
