// Input: four counts, two prevalences as decimals of the same number of places and a size of
// population, drawn from the bytes. Every figure must be its exact value to the nearest double
// or explicitly infinite, every interval must hold its estimate and stay in its range, a share
// that is neither none nor all must never be written as 0.0 or 100.0, the predictive values
// must rise and fall with the prevalence, and the explanation built on the same numbers must
// add up and never show an infinite or undefined number.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "calc/Figures.h"
#include "calc/Statistics.h"
#include "calc/explain/Explanation.h"
#include "fuzz/FuzzSupport.h"

namespace {

using calc::Estimate;
using calc::Scale;

enum Range { Share, Ratio, Index, Count };

// A figure's text read back lies within half a unit of its last digit of the number it writes.
bool WithinHalfItsLastPlace(const std::string& text, const calc::Rational& x) {
    boost::multiprecision::cpp_int digits = 0, unit = 1;
    bool point = false;
    for (const char c : text) {
        if (c == '.') point = true;
        if (c < '0' || c > '9') continue;
        digits = digits * 10 + (c - '0');
        if (point) unit *= 10;
    }
    const calc::Rational read = calc::Rational(text[0] == '-' ? -digits : digits, unit);
    return 2 * abs(read - x) * unit <= 1;
}

void RequireFigure(const Estimate& e, Range range, int i, const char* at) {
    if (!e.Defined()) return;
    const double low = range == Index ? -1 : range == Count ? 1 : 0;
    const double high = range == Share || range == Index ? 1 : INFINITY;
    const Scale scale = range == Share   ? Scale::Percent
                        : range == Index ? Scale::Index
                                         : Scale::Ratio;
    FUZZ_REQUIRE(e.infinite == std::isinf(e.value) && (!e.infinite || range == Ratio),
                 "figure %d: infinite %d, value %g at %s", i, e.infinite, e.value, at);
    if (!e.infinite) {
        FUZZ_REQUIRE(e.value == e.exact.convert_to<double>() && e.value >= low && e.value <= high,
                     "figure %d is %g, exactly %s, at %s", i, e.value, e.exact.str().c_str(), at);
        const std::string text = calc::Figure(e.exact, scale);
        const bool edge =
            range == Share && e.exact != 0 && e.exact != 1 && (text == "0.0" || text == "100.0");
        const calc::Rational shown = range == Share ? e.exact * 100 : e.exact;
        FUZZ_REQUIRE(!edge && (e.exact == 0 || text.find_first_of("123456789") != text.npos) &&
                         WithinHalfItsLastPlace(text, shown),
                     "figure %d, exactly %s, written %s at %s", i, e.exact.str().c_str(),
                     text.c_str(), at);
    }
    if (!e.hasInterval) return;
    FUZZ_REQUIRE(std::isfinite(e.lower) && e.lower >= low &&
                     e.upperInfinite == std::isinf(e.upper) && e.upper <= high &&
                     (!e.upperInfinite || range == Ratio || range == Count),
                 "figure %d: interval %g to %g at %s", i, e.lower, e.upper, at);
    FUZZ_REQUIRE(e.lower <= e.value && e.value <= e.upper, "figure %d: %g outside %g to %g at %s",
                 i, e.value, e.lower, e.upper, at);
}

void RequireSound(const calc::TestStatistics& s, bool intervals, const char* at) {
    const std::pair<const Estimate*, Range> all[] = {
        {&s.sensitivity, Share},
        {&s.specificity, Share},
        {&s.positiveLikelihoodRatio, Ratio},
        {&s.negativeLikelihoodRatio, Ratio},
        {&s.prevalence, Share},
        {&s.positivePredictiveValue, Share},
        {&s.negativePredictiveValue, Share},
        {&s.accuracy, Share},
        {&s.diagnosticOddsRatio, Ratio},
        {&s.youdenIndex, Index},
        {&s.numberNeededToDiagnose, Count},
        {&s.disorderAfterNegative, Share},
    };
    for (int i = 0; i < 12; ++i) {
        RequireFigure(*all[i].first, all[i].second, i, at);
        FUZZ_REQUIRE(intervals || !all[i].first->hasInterval, "figure %d: an interval from rates",
                     i);
    }
    const Estimate &npv = s.negativePredictiveValue, &after = s.disorderAfterNegative;
    FUZZ_REQUIRE(
        npv.Defined() == after.Defined() && (!npv.Defined() || after.exact == 1 - npv.exact),
        "1 - NPV is not the probability after a negative result at %s", at);
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

// units / 10^places as a percentage's text.
std::string DecimalText(std::uint64_t units, int places) {
    std::string digits = std::to_string(units);
    if (places == 0) return digits;
    const auto p = static_cast<std::size_t>(places);
    if (digits.size() <= p) digits.insert(0, p + 1 - digits.size(), '0');
    return digits.insert(digits.size() - p, ".");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    std::uint32_t cells[4];
    for (auto& cell : cells) cell = in.ConsumeIntegral<std::uint32_t>();
    // Percentages of up to 15 places, as an entry field holds them.
    const int places = in.ConsumeIntegralInRange(0, 15);
    std::uint64_t hundred = 100;
    for (int i = 0; i < places; ++i) hundred *= 10;
    std::uint64_t p = in.ConsumeIntegralInRange<std::uint64_t>(0, hundred);
    std::uint64_t q = in.ConsumeIntegralInRange<std::uint64_t>(0, hundred);
    if (p > q) std::swap(p, q);
    const auto population = in.ConsumeIntegralInRange<std::uint64_t>(0, 1000000);
    const calc::Fraction atP{p, hundred}, atQ{q, hundred};
    const std::string texts[] = {DecimalText(p, places), DecimalText(q, places),
                                 DecimalText(hundred - q, places)};

    const calc::Counts counts{double(cells[0]), double(cells[1]), double(cells[2]),
                              double(cells[3])};
    RequireSound(calc::StatisticsFromCounts(counts), true, "the table's prevalence");
    const auto sP = calc::StatisticsFromCounts(counts, atP);
    const auto sQ = calc::StatisticsFromCounts(counts, atQ);
    RequireSound(sP, true, texts[0].c_str());
    RequireSound(sQ, true, texts[1].c_str());
    const auto& ppvP = sP.positivePredictiveValue;
    const auto& ppvQ = sQ.positivePredictiveValue;
    FUZZ_REQUIRE(!ppvP.Defined() || !ppvQ.Defined() || ppvP.value <= ppvQ.value,
                 "positive predictive value falls from %s to %s", texts[0].c_str(),
                 texts[1].c_str());
    const auto& npvP = sP.negativePredictiveValue;
    const auto& npvQ = sQ.negativePredictiveValue;
    FUZZ_REQUIRE(!npvP.Defined() || !npvQ.Defined() || npvP.value >= npvQ.value,
                 "negative predictive value rises from %s to %s", texts[0].c_str(),
                 texts[1].c_str());
    // The same draws read as percentages; q is a rate, so it may be anything up to 100%.
    RequireSound(calc::StatisticsFromRates(atP, atQ, {hundred - q, hundred}), false, "rates");

    const std::string cellTexts[] = {std::to_string(cells[0]), std::to_string(cells[1]),
                                     std::to_string(cells[2]), std::to_string(cells[3])};
    RequireTold(calc::Explain({.tp = cellTexts[0],
                               .fp = cellTexts[1],
                               .fn = cellTexts[2],
                               .tn = cellTexts[3],
                               .populationPrevalence = texts[0],
                               .populationSize = population}));
    RequireTold(calc::Explain(
        {.pre = texts[0], .dt = texts[1], .t = texts[2], .populationSize = population}));
    return 0;
}
