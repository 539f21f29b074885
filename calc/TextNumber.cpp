#include "calc/TextNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>
#include <vector>

namespace calc {

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

int DecimalPlaces(std::string_view pattern) {
    const auto point = pattern.find('.');
    if (point == std::string_view::npos) return 0;
    const auto decimals = pattern.substr(point + 1);
    return static_cast<int>(std::count(decimals.begin(), decimals.end(), '#'));
}

// Joins the rounded parts: intDigits may carry leading zeros and fracDigits trailing zeros, both
// of which "#" places drop.
std::string Compose(bool negative, std::string_view intDigits, std::string_view fracDigits) {
    while (!intDigits.empty() && intDigits.front() == '0') intDigits.remove_prefix(1);
    while (!fracDigits.empty() && fracDigits.back() == '0') fracDigits.remove_suffix(1);
    // A value that rounds to nothing is shown as a bare zero, without a sign.
    if (intDigits.empty() && fracDigits.empty()) return "0";
    std::string out;
    out.reserve(intDigits.size() + fracDigits.size() + 2);
    if (negative) out += '-';
    out += intDigits;
    if (!fracDigits.empty()) {
        out += '.';
        out += fracDigits;
    }
    return out;
}

constexpr int kFastMaxDecimals = 15;
constexpr double kPowersOfTen[kFastMaxDecimals + 1] = {
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
constexpr double kTwoTo52 = 4503599627370496.0;

// For magnitude < 2^52 and few decimals, without a long expansion. The integer part is split off
// exactly, so the scaled fraction stays below 10^15, where hi - round(hi) is exact and a scaled
// fraction that is not exactly on a half is at least one ulp away from it. fma recovers the
// rounding error of the scaling, which therefore matters only when hi lands exactly on a half: its
// sign then says on which side of the half the true value lies.
std::string FormatFast(bool negative, double magnitude, int decimals) {
    const double wholePart = std::floor(magnitude);
    const double fraction = magnitude - wholePart;
    const double scale = kPowersOfTen[decimals];
    const double hi = fraction * scale;
    const double lo = std::fma(fraction, scale, -hi);
    double rounded = std::round(hi);  // halves away from zero, so a tie shows as -0.5 below
    if (hi - rounded == -0.5 && lo < 0) rounded -= 1.0;

    auto whole = static_cast<std::uint64_t>(wholePart);
    auto scaledFraction = static_cast<std::uint64_t>(rounded);
    const auto fullScale = static_cast<std::uint64_t>(scale);
    if (scaledFraction >= fullScale) {
        scaledFraction -= fullScale;
        ++whole;
    }

    char intBuffer[24];
    const auto intEnd = std::to_chars(intBuffer, intBuffer + sizeof intBuffer, whole).ptr;
    char fracBuffer[kFastMaxDecimals];
    for (int i = decimals - 1; i >= 0; --i) {
        fracBuffer[i] = static_cast<char>('0' + scaledFraction % 10);
        scaledFraction /= 10;
    }
    return Compose(negative, std::string_view(intBuffer, intEnd - intBuffer),
                   std::string_view(fracBuffer, decimals));
}

// Little-endian base 10^9 limbs; enough to hold any double exactly.
using Limbs = std::vector<std::uint32_t>;
constexpr std::uint32_t kLimbBase = 1000000000;

void MultiplySmall(Limbs& limbs, std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (auto& limb : limbs) {
        const std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(product % kLimbBase);
        carry = product / kLimbBase;
    }
    while (carry != 0) {
        limbs.push_back(static_cast<std::uint32_t>(carry % kLimbBase));
        carry /= kLimbBase;
    }
}

// Every digit of a finite non-negative double: mantissa * 2^exponent is written as
// mantissa * 5^-exponent / 10^-exponent when the exponent is negative.
std::string FormatExact(bool negative, double magnitude, int decimals) {
    int exponent = 0;
    const double normalized = std::frexp(magnitude, &exponent);
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(normalized, 53));
    exponent -= 53;
    while (mantissa != 0 && (mantissa & 1) == 0 && exponent < 0) {
        mantissa >>= 1;
        ++exponent;
    }

    Limbs limbs;
    do {
        limbs.push_back(static_cast<std::uint32_t>(mantissa % kLimbBase));
        mantissa /= kLimbBase;
    } while (mantissa != 0);
    for (int twos = exponent; twos > 0; twos -= 30) MultiplySmall(limbs, 1u << std::min(twos, 30));
    for (int fives = -exponent; fives > 0; fives -= 13) {
        std::uint32_t factor = 1;
        for (int i = 0; i < std::min(fives, 13); ++i) factor *= 5;
        MultiplySmall(limbs, factor);
    }

    std::string digits = std::to_string(limbs.back());
    for (auto it = limbs.rbegin() + 1; it != limbs.rend(); ++it) {
        const std::string limb = std::to_string(*it);
        digits.append(9 - limb.size(), '0');
        digits += limb;
    }
    const std::size_t fractionDigits = exponent < 0 ? static_cast<std::size_t>(-exponent) : 0;
    if (digits.size() <= fractionDigits) digits.insert(0, fractionDigits + 1 - digits.size(), '0');
    std::size_t pointAt = digits.size() - fractionDigits;

    // The expansion is exact, so the first dropped digit alone decides: 5 or more is at least a
    // half, and halves go away from zero.
    const std::size_t keep = pointAt + static_cast<std::size_t>(decimals);
    if (digits.size() > keep) {
        const bool up = digits[keep] >= '5';
        digits.resize(keep);
        if (up) {
            std::size_t i = digits.size();
            while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
            if (i == 0) {
                digits.insert(digits.begin(), '1');
                ++pointAt;
            } else {
                ++digits[i - 1];
            }
        }
    }
    const std::string_view all(digits);
    return Compose(negative, all.substr(0, pointAt), all.substr(pointAt));
}

}  // namespace

double Val(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);

    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // The grammar is checked by hand because from_chars also takes "inf", "nan" and a leading
    // "-", and reads only a prefix where we want the whole text or nothing.
    int digits = 0;
    bool seenPoint = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            return 0.0;
        }
    }
    if (digits == 0) return 0.0;

    double value = 0.0;
    const char* const end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (ec != std::errc() || ptr != end || !std::isfinite(value) || value == 0.0) return 0.0;
    return negative ? -value : value;
}

std::string Format(double value, std::string_view pattern) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    const int decimals = DecimalPlaces(pattern);
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    if (magnitude < kTwoTo52 && decimals <= kFastMaxDecimals) {
        return FormatFast(negative, magnitude, decimals);
    }
    return FormatExact(negative, magnitude, decimals);
}

int Asc(std::string_view text) {
    if (text.empty()) return 0;
    const auto byteAt = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byteAt(0);
    if (lead < 0x80) return static_cast<int>(lead);

    // The second byte's range also rules out overlong forms, surrogates and values past U+10FFFF.
    std::size_t length = 0;
    unsigned codePoint = 0;
    unsigned secondLow = 0x80;
    unsigned secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        if (lead == 0xE0) secondLow = 0xA0;
        if (lead == 0xED) secondHigh = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        if (lead == 0xF0) secondLow = 0x90;
        if (lead == 0xF4) secondHigh = 0x8F;
    } else {
        return static_cast<int>(lead);
    }
    if (text.size() < length) return static_cast<int>(lead);
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned byte = byteAt(i);
        const unsigned low = i == 1 ? secondLow : 0x80;
        const unsigned high = i == 1 ? secondHigh : 0xBF;
        if (byte < low || byte > high) return static_cast<int>(lead);
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    return static_cast<int>(codePoint);
}

int StrComp(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    // memcmp compares as unsigned char, which is what puts UTF-8 in code point order.
    const int bytes = common == 0 ? 0 : std::memcmp(a.data(), b.data(), common);
    if (bytes != 0) return bytes < 0 ? -1 : 1;
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace calc
