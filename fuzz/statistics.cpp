// Input: four counts, two prevalences and a size of population, drawn from the bytes. Every
// figure must be finite, every interval must hold its estimate and stay in its range, the
// predictive values must rise and fall with the prevalence, and the explanation built on the
// same numbers must add up and never show an infinite or undefined number.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "calc/Statistics.h"
#include "calc/TextNumber.h"
#include "calc/explain/Explanation.h"
#include "fuzz/FuzzSupport.h"

namespace {

void RequireSound(const calc::TestStatistics& s, double p) {
    const calc::Estimate* all[] = {&s.sensitivity,
                                   &s.specificity,
                                   &s.positiveLikelihoodRatio,
                                   &s.negativeLikelihoodRatio,
                                   &s.prevalence,
                                   &s.positivePredictiveValue,
                                   &s.negativePredictiveValue,
                                   &s.accuracy};
    for (int i = 0; i < 8; ++i) {
        const calc::Estimate& e = *all[i];
        if (!e.Defined()) continue;
        const double top = i == 2 || i == 3 ? INFINITY : 1.0;
        FUZZ_REQUIRE(std::isfinite(e.value) && e.value >= 0 && e.value <= top,
                     "figure %d is %g at %g", i, e.value, p);
        if (!e.hasInterval) continue;
        FUZZ_REQUIRE(
            std::isfinite(e.lower) && std::isfinite(e.upper) && e.lower >= 0 && e.upper <= top,
            "figure %d: interval %g to %g at %g", i, e.lower, e.upper, p);
        FUZZ_REQUIRE(e.lower <= e.value && e.value <= e.upper,
                     "figure %d: %g outside %g to %g at %g", i, e.value, e.lower, e.upper, p);
    }
}

void RequireTold(const calc::Explanation& x) {
    const std::string text = x.PlainText();
    FUZZ_REQUIRE(
        text.find("Infinity") == std::string::npos && text.find("NaN") == std::string::npos,
        "shown: %s", text.c_str());
    if (x.input == calc::ExplainedInput::None) return;
    const auto& t = x.persons;
    FUZZ_REQUIRE(t.diseased <= t.total && t.truePositives + t.falseNegatives == t.diseased &&
                     t.falsePositives + t.trueNegatives == t.Healthy(),
                 "persons do not add up");
}

std::string PercentText(double fraction) {
    return calc::Format(fraction * 100, "#.######");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    std::uint32_t cells[4];
    for (auto& cell : cells) cell = in.ConsumeIntegral<std::uint32_t>();
    double p = in.ConsumeProbability<double>();
    double q = in.ConsumeProbability<double>();
    if (p > q) std::swap(p, q);
    const auto population = in.ConsumeIntegralInRange<std::uint64_t>(0, 1000000);

    const calc::Counts counts{double(cells[0]), double(cells[1]), double(cells[2]),
                              double(cells[3])};
    RequireSound(calc::StatisticsFromCounts(counts), -1);
    const auto atP = calc::StatisticsFromCounts(counts, p);
    const auto atQ = calc::StatisticsFromCounts(counts, q);
    RequireSound(atP, p);
    RequireSound(atQ, q);
    const auto& ppvP = atP.positivePredictiveValue;
    const auto& ppvQ = atQ.positivePredictiveValue;
    FUZZ_REQUIRE(!ppvP.Defined() || !ppvQ.Defined() || ppvP.value <= ppvQ.value,
                 "positive predictive value falls from %g to %g", p, q);
    const auto& npvP = atP.negativePredictiveValue;
    const auto& npvQ = atQ.negativePredictiveValue;
    FUZZ_REQUIRE(!npvP.Defined() || !npvQ.Defined() || npvP.value >= npvQ.value,
                 "negative predictive value rises from %g to %g", p, q);

    const std::string texts[] = {std::to_string(cells[0]), std::to_string(cells[1]),
                                 std::to_string(cells[2]), std::to_string(cells[3]),
                                 PercentText(p)};
    RequireTold(calc::Explain({.tp = texts[0],
                               .fp = texts[1],
                               .fn = texts[2],
                               .tn = texts[3],
                               .populationPrevalence = texts[4],
                               .populationSize = population}));
    // The same draws read as percentages; q is a rate, so it may be anything up to 100%.
    const std::string rates[] = {PercentText(p), PercentText(q), PercentText(1 - q)};
    RequireTold(calc::Explain(
        {.pre = rates[0], .dt = rates[1], .t = rates[2], .populationSize = population}));
    return 0;
}
