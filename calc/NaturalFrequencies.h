#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A test told as whole persons: of N people, so many have the disorder, so many of them test
// positive. Computed from the texts exactly, since a double would round 0.35% of 1,000 (3.5)
// down to 3.
namespace calc {

// units / 10^scale.
struct Decimal {
    std::uint64_t units = 0;
    int scale = 0;
};

// A plain decimal numeral: digits with at most one point, white space around and a leading "+"
// allowed as the calculator allows them. Anything else gives nothing, as do numerals with more
// than 15 significant digits or decimals, which no entry field can hold.
std::optional<Decimal> ReadDecimal(std::string_view text);

// numerator / denominator, denominator > 0.
struct Fraction {
    std::uint64_t numerator = 0;
    std::uint64_t denominator = 1;
};

// A percentage of at most 100, as a fraction.
Fraction FromPercent(Decimal percent);

struct PersonsTree {
    std::uint64_t total = 0;
    std::uint64_t diseased = 0;
    std::uint64_t truePositives = 0;
    std::uint64_t falseNegatives = 0;
    std::uint64_t falsePositives = 0;
    std::uint64_t trueNegatives = 0;

    std::uint64_t Healthy() const { return total - diseased; }
    std::uint64_t Positives() const { return truePositives + falsePositives; }
    std::uint64_t Negatives() const { return falseNegatives + trueNegatives; }
};

// N persons (at most 10^6) split by the three rates, each fraction at most 1, rounded to whole
// persons with halves away from zero.
PersonsTree SplitPopulation(std::uint64_t total, Fraction prevalence, Fraction sensitivity,
                            Fraction falsePositiveRate);

}  // namespace calc
