#include "calc/Figures.h"

#include <algorithm>
#include <cmath>

#include "calc/Translation.h"

namespace calc {

namespace {

using boost::multiprecision::cpp_int;

NumberFormat& Format() {
    static NumberFormat format;
    return format;
}

cpp_int PowerOfTen(int exponent) {
    return boost::multiprecision::pow(cpp_int(10), static_cast<unsigned>(exponent));
}

Rational TenToThe(int exponent) {
    return exponent >= 0 ? Rational(PowerOfTen(exponent))
                         : Rational(cpp_int(1), PowerOfTen(-exponent));
}

// floor(log10(x)) for x > 0: estimated from the lengths in bits, which may be one off either way.
int Exponent(const Rational& x) {
    const auto bits = static_cast<long>(msb(numerator(x))) - static_cast<long>(msb(denominator(x)));
    int e = static_cast<int>(std::floor(static_cast<double>(bits) * 0.30102999566398120));
    while (x < TenToThe(e)) --e;
    while (x >= TenToThe(e + 1)) ++e;
    return e;
}

// x >= 0 in units of 10^-decimals, halves up.
cpp_int Rounded(const Rational& x, int decimals) {
    cpp_int top = numerator(x), bottom = denominator(x);
    if (decimals >= 0) {
        top *= PowerOfTen(decimals);
    } else {
        bottom *= PowerOfTen(-decimals);
    }
    return (2 * top + bottom) / (2 * bottom);
}

std::string Written(const cpp_int& units, int decimals, bool negative) {
    std::string digits = units.str();
    const auto places = static_cast<std::size_t>(std::max(decimals, 0));
    if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
    if (places > 0) digits.insert(digits.size() - places, Format().point);
    return (negative && units != 0 ? "-" : "") + digits;
}

std::string Significant(const Rational& x, int digits) {
    if (x == 0) return "0";
    const Rational magnitude = abs(x);
    // No decimals from 1000 on: the integer part is never rounded.
    int decimals = std::max(0, digits - 1 - Exponent(magnitude));
    cpp_int units = Rounded(magnitude, decimals);
    // 9.995 rounds to 10.00, a digit more than asked for.
    if (decimals > 0 && units >= PowerOfTen(digits)) units = Rounded(magnitude, --decimals);
    return Written(units, decimals, x < 0);
}

std::string Percent(const Rational& fraction) {
    const Rational x = fraction * 100;
    const cpp_int tenths = Rounded(abs(x), 1);
    if (x <= 0 || x >= 100 || (tenths != 0 && tenths != 1000)) {
        return Written(tenths, 1, x < 0);
    }
    const Rational gap = std::min(x, Rational(100 - x));
    const int decimals = 1 - Exponent(gap);
    std::string text = Written(Rounded(x, decimals), decimals, false);
    // The rounded value is neither 0 nor 100, so a digit other than 0 stays after the point.
    text.erase(text.find_last_not_of('0') + 1);
    return text;
}

}  // namespace

void SetNumberFormat(NumberFormat format) {
    Format() = std::move(format);
}

NumberFormat PlainNumbers() {
    return {".", "", 0};
}

std::string Figure(const Rational& x, Scale scale) {
    switch (scale) {
        case Scale::Percent:
            return Percent(x);
        case Scale::Ratio:
        case Scale::Index:
            return Significant(x, 3);
    }
    return "";
}

std::string Figure(double x, Scale scale) {
    if (!std::isfinite(x)) return "";
    return Figure(Rational(x), scale);
}

std::string GroupedText(std::uint64_t n) {
    const std::string digits = std::to_string(n);
    const NumberFormat& f = Format();
    if (f.group.empty() || digits.size() < static_cast<std::size_t>(f.groupFrom)) return digits;
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += f.group;
        out += digits[i];
    }
    return out;
}

std::string Localized(std::string_view numeral) {
    std::string out;
    for (const char c : numeral) {
        if (c == '.') {
            out += Format().point;
        } else {
            out += c;
        }
    }
    return out;
}

std::string ShareText(double fraction) {
    return PercentSign(Figure(fraction, Scale::Percent));
}

std::string PercentSign(const std::string& percent) {
    //: A percentage: the number, then the sign as the language writes it, after a no-break space
    //: where it takes one.
    return Arg(Tr("Figures", "%1%"), {percent});
}

std::string RangeText(const std::string& lower, const std::string& upper) {
    return lower + "\u2013" + upper;
}

}  // namespace calc
