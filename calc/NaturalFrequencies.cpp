#include "calc/NaturalFrequencies.h"

namespace calc {

namespace {

constexpr int kMaxDigits = 15;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::uint64_t PowerOfTen(int exponent) {
    std::uint64_t power = 1;
    while (exponent-- > 0) power *= 10;
    return power;
}

// Up to 10^6 persons times a numerator below 10^18 needs more than 64 bits.
__extension__ using Wide = unsigned __int128;

std::uint64_t RoundedShare(std::uint64_t persons, Fraction f) {
    const Wide twice = Wide{2} * persons * f.numerator + f.denominator;
    return static_cast<std::uint64_t>(twice / (Wide{2} * f.denominator));
}

}  // namespace

std::optional<Decimal> ReadDecimal(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto point = text.find('.');
    std::string_view whole = text.substr(0, point);
    std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() && fraction.empty()) return std::nullopt;
    for (std::string_view part : {whole, fraction}) {
        if (part.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    }
    while (!whole.empty() && whole.front() == '0') whole.remove_prefix(1);
    while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
    if (fraction.size() > kMaxDigits || whole.size() + fraction.size() > kMaxDigits) {
        return std::nullopt;
    }
    Decimal d;
    for (std::string_view part : {whole, fraction}) {
        for (const char c : part) d.units = d.units * 10 + static_cast<std::uint64_t>(c - '0');
    }
    d.scale = static_cast<int>(fraction.size());
    return d;
}

Fraction FromPercent(Decimal percent) {
    return {percent.units, 100 * PowerOfTen(percent.scale)};
}

PersonsTree SplitPopulation(std::uint64_t total, Fraction prevalence, Fraction sensitivity,
                            Fraction falsePositiveRate) {
    PersonsTree tree;
    tree.total = total;
    tree.diseased = RoundedShare(total, prevalence);
    tree.truePositives = RoundedShare(tree.diseased, sensitivity);
    tree.falseNegatives = tree.diseased - tree.truePositives;
    tree.falsePositives = RoundedShare(tree.Healthy(), falsePositiveRate);
    tree.trueNegatives = tree.Healthy() - tree.falsePositives;
    return tree;
}

}  // namespace calc
