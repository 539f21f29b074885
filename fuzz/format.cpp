// Input: the first 8 bytes are the bits of the value (missing bytes count as zero). Any rest is
// a second pattern, tried besides the calculator's "###.#" and checked when it is well formed.

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "calc/TextNumber.h"
#include "fuzz/FuzzSupport.h"

namespace {

// The exact value rounded at `decimals` places, halves away from zero, written canonically.
// Independent of Format's own expansion: glibc's printf writes the exact binary value when given
// enough places, and a double never has more than 1074 of them.
std::string Reference(double value, std::size_t decimals) {
    const int places = static_cast<int>(std::max<std::size_t>(decimals + 1, 1075));
    std::string digits(places + 400, '\0');
    digits.resize(std::snprintf(digits.data(), digits.size(), "0%.*f", places, std::fabs(value)));
    const std::size_t point = digits.find('.');
    digits.erase(point, 1);
    // The leading "0" above takes the carry out of the highest digit.
    const bool up = digits[point + decimals] >= '5';
    digits.resize(point + decimals);
    for (std::size_t i = digits.size(); up && i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            break;
        }
        digits[i] = '0';
    }
    std::string_view whole = std::string_view(digits).substr(0, point);
    std::string_view fraction = std::string_view(digits).substr(point);
    whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
    fraction = fraction.substr(0, fraction.find_last_not_of('0') + 1);
    if (whole.empty() && fraction.empty()) return "0";
    std::string out = std::signbit(value) ? "-" : "";
    out += whole;
    if (!fraction.empty()) out += "." + std::string(fraction);
    return out;
}

void Check(double value, std::string_view pattern, std::size_t decimals) {
    const std::string shown = calc::Format(value, pattern);
    FUZZ_REQUIRE(!shown.empty(), "Format(%a) is empty", value);
    if (!std::isfinite(value)) {
        const char* name = std::isnan(value) ? "NaN" : value < 0 ? "-Infinity" : "Infinity";
        FUZZ_REQUIRE(shown == name, "Format(%a) gave %s", value, shown.c_str());
        return;
    }
    FUZZ_REQUIRE(fuzz::IsCanonicalNumber(shown, decimals), "Format(%a, %zu places) gave %s", value,
                 decimals, shown.c_str());
    const std::string reference = Reference(value, decimals);
    FUZZ_REQUIRE(shown == reference, "Format(%a, %zu places) gave %s, exactly rounded %s", value,
                 decimals, shown.c_str(), reference.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, std::min(size, sizeof bits));
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);

    Check(value, "###.#", 1);
    // Well below 2^52, where one decimal place is far coarser than a double's spacing.
    if (std::fabs(value) <= 1e12) {
        const long double back = calc::Val(calc::Format(value, "###.#"));
        const long double slack = 0.05L + (std::fabs(value) + 1) * 0x1p-52L;
        FUZZ_REQUIRE(std::fabs(back - value) <= slack, "Val(Format(%a)) gave %La", value, back);
    }

    if (size <= sizeof bits) return 0;
    const std::string_view pattern = fuzz::AsText(data + sizeof bits, size - sizeof bits);
    const auto point = pattern.find('.');
    const bool wellFormed = pattern.find_first_not_of("#.") == std::string_view::npos &&
                            pattern.find('.', point + 1) == std::string_view::npos;
    if (!wellFormed) {
        FUZZ_REQUIRE(!calc::Format(value, pattern).empty(), "Format(%a) is empty", value);
        return 0;
    }
    Check(value, pattern, point == std::string_view::npos ? 0 : pattern.size() - point - 1);
    return 0;
}
