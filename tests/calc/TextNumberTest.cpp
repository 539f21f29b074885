#include "framework/TextNumber.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using framework::Asc;
using framework::Format;
using framework::StrComp;
using framework::Val;

std::string Utf8(char32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

// Oracle for Format: the C library prints the exact binary expansion (no double has more than
// 1074 fraction digits), which is then rounded by hand, halves away from zero.
std::string ExactFormat(double value, int decimals) {
    std::vector<char> buffer(1500);
    std::snprintf(buffer.data(), buffer.size(), "0%.1100f", std::fabs(value));  // 0: carry room
    std::string digits(buffer.data());
    const std::size_t intLength = digits.find('.');
    digits.erase(intLength, 1);
    const bool up = digits[intLength + decimals] >= '5';
    digits.resize(intLength + decimals);
    for (std::size_t i = digits.size(); up && digits[i - 1]++ == '9'; --i) digits[i - 1] = '0';
    std::string whole = digits.substr(0, intLength);
    std::string fraction = digits.substr(intLength);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    if (whole.empty() && fraction.empty()) return "0";
    return (std::signbit(value) ? "-" : "") + whole + (fraction.empty() ? "" : "." + fraction);
}

// Wide enough for every integer up to 2^127, to check big values by plain integer arithmetic.
__extension__ typedef unsigned __int128 Wide;

std::string Pattern(int decimals) {
    return decimals == 0 ? "###" : "###." + std::string(decimals, '#');
}

TEST(ValTest, ReadsOnlyPlainDecimalNumerals) {
    const struct {
        std::string text;
        double expected;
    } rows[] = {
        {"0.3", 0.3},
        {" \t\r\n\v\f12.5 \n", 12.5},
        {"+4", 4},
        {"-.5", -0.5},
        {".5", 0.5},
        {"5.", 5},
        {"007", 7},
        {"-0", 0},
        {"0.30000000000000004", 0.30000000000000004},
        {"9007199254740993", 9007199254740992.0},  // halfway: even neighbour
        {"0.1000000000000000055511151231257827", 0.1},
        {"", 0},
        {".", 0},
        {"-", 0},
        {"+-1", 0},
        {"1.2.3", 0},
        {"12abc", 0},
        {"1,5", 0},
        {"1e3", 0},
        {"0x10", 0},
        {"inf", 0},
        {"nan", 0},
        {"1 2", 0},
        {"1\n2", 0},
        {std::string("1\0"
                     "2",
                     3),
         0},
        {"\xC2\xA0"
         "5",
         0},              // no-break space is not white space here
        {"\xD9\xA5", 0},  // Arabic-Indic digit five
        {"1" + std::string(309, '0'), 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("text \"" + row.text + "\"");
        const double value = Val(row.text);
        EXPECT_EQ(value, row.expected);
        EXPECT_FALSE(std::signbit(value) && value == 0) << "negative zero";
    }
}

TEST(ValTest, ExtremeNumeralsStayFinite) {
    const std::string huge = "17976931348623157" + std::string(292, '0');
    EXPECT_EQ(Val(huge), std::numeric_limits<double>::max());
    EXPECT_EQ(Val("-" + huge), -std::numeric_limits<double>::max());
    for (const std::string& tiny :
         {"0." + std::string(400, '0') + "1", "0." + std::string(323, '0') + "3"}) {
        const double value = Val(tiny);
        EXPECT_TRUE(std::isfinite(value));
        EXPECT_GE(value, 0.0);
        EXPECT_LT(value, 1e-300);
    }
}

TEST(FormatTest, RoundsTheExactBinaryValue) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        const char* pattern;
        const char* expected;
    } rows[] = {
        {0.25, "###.#", ".3"},  // exact binary halves go away from zero
        {4.75, "###.#", "4.8"},
        {-4.75, "###.#", "-4.8"},
        {0.35, "###.#", ".3"},  // the double lies just below the half
        {0.45, "###.#", ".5"},  // ... just above
        {99.95, "###.#", "100"},
        {0.1664, "###.#", ".2"},
        {100, "###.#", "100"},
        {50, "###.#", "50"},
        {4.96, "###.#", "5"},
        {0.04, "###.#", "0"},
        {-0.04, "###.#", "0"},
        {-0.0, "###.#", "0"},
        {123456.7, "###.#", "123456.7"},
        {2.5, "#", "3"},
        {0.5, "#", "1"},
        {0.49999999999999994, "#", "0"},
        {1.5, "##.##", "1.5"},
        {0.05, "##.##", ".05"},
        {1.005, "##.##", "1"},  // 1.00499999999999989...
        {4503599627370495.5, "###.#", "4503599627370495.5"},
        {4503599627370495.5, "#", "4503599627370496"},
        {inf, "###.#", "Infinity"},
        {-inf, "###.#", "-Infinity"},
        {std::numeric_limits<double>::quiet_NaN(), "###.#", "NaN"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.pattern << " with " << std::hexfloat << row.value);
        EXPECT_EQ(Format(row.value, row.pattern), row.expected);
    }
}

TEST(FormatTest, NearHalfValuesMatchExactExpansion) {
    for (int decimals = 0; decimals <= 3; ++decimals) {
        const double step = std::pow(10.0, -decimals);
        for (const double magnitude : {0.0, 1.0, 1e3, 1e6, 1e9, 1e12, 4e15}) {
            for (int k = 0; k < 400; ++k) {
                const double half = magnitude + (k + 0.5) * step;
                for (const double v :
                     {std::nextafter(half, 0.0), half, std::nextafter(half, 1e300)}) {
                    SCOPED_TRACE(testing::Message()
                                 << std::hexfloat << v << " decimals " << decimals);
                    EXPECT_EQ(Format(v, Pattern(decimals)), ExactFormat(v, decimals));
                    EXPECT_EQ(Format(-v, Pattern(decimals)), ExactFormat(-v, decimals));
                }
            }
        }
    }
}

TEST(FormatTest, ArbitraryValuesMatchExactExpansion) {
    std::mt19937_64 random(20240607);
    std::uniform_int_distribution<std::uint64_t> bits;
    int checked = 0;
    while (checked < 20000) {
        const double v = std::bit_cast<double>(bits(random));
        if (!std::isfinite(v)) continue;
        const int decimals = checked % 22;
        SCOPED_TRACE(testing::Message() << std::hexfloat << v << " decimals " << decimals);
        ASSERT_EQ(Format(v, Pattern(decimals)), ExactFormat(v, decimals));
        // Bit patterns are mostly huge or tiny; scaling brings them into everyday ranges.
        int exponent = 0;
        const double everyday = std::ldexp(std::frexp(v, &exponent), checked % 60 - 8);
        ASSERT_EQ(Format(everyday, Pattern(decimals)), ExactFormat(everyday, decimals));
        ++checked;
    }
}

TEST(FormatTest, WideIntegersKeepEveryDigit) {
    const auto digitsOf = [](Wide n) {
        std::string out;
        do {
            out.insert(out.begin(), static_cast<char>('0' + n % 10));
            n /= 10;
        } while (n != 0);
        return out;
    };
    for (int exponent = 52; exponent < 127; ++exponent) {
        for (const double v : {std::ldexp(1.0, exponent), std::ldexp(0x1.fffffffffffffp0, exponent),
                               std::ldexp(0x1.2345678p0, exponent)}) {
            SCOPED_TRACE(testing::Message() << std::hexfloat << v);
            EXPECT_EQ(Format(v, "###.#"), digitsOf(static_cast<Wide>(v)));
            EXPECT_EQ(Format(-v, "#"), "-" + digitsOf(static_cast<Wide>(v)));
        }
    }
    EXPECT_EQ(Format(std::numeric_limits<double>::max(), "###.#").size(), 309u);
}

TEST(AscTest, DecodesFirstCharacterOrReportsBadLeadByte) {
    const struct {
        std::string text;
        int expected;
    } rows[] = {
        {"", 0},
        {std::string(1, '\0'), 0},
        {"A", 65},
        {"Ab", 65},
        {"\x7F", 127},
        {"\xC3\xA9", 0xE9},
        {"\xE2\x82\xAC", 0x20AC},
        {"\xF0\x9F\x98\x80", 0x1F600},
        {"\xC3", 0xC3},              // cut short
        {"\xF0\x9F\x98", 0xF0},      // cut short
        {"\x80", 0x80},              // continuation byte first
        {"\xC0\x80", 0xC0},          // overlong
        {"\xE0\x80\x80", 0xE0},      // overlong
        {"\xF0\x80\x80\x80", 0xF0},  // overlong
        {"\xED\xA0\x80", 0xED},      // surrogate
        {"\xF4\x90\x80\x80", 0xF4},  // beyond U+10FFFF
        {"\xE2\x82\x41", 0xE2},      // bad continuation
        {"\xFF", 0xFF},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "expected " << row.expected);
        EXPECT_EQ(Asc(row.text), row.expected);
    }
}

TEST(AscTest, RoundTripsEveryCodePoint) {
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        ASSERT_EQ(Asc(Utf8(cp) + "x"), static_cast<int>(cp))
            << "U+" << std::hex << std::uint32_t{cp};
    }
}

TEST(StrCompTest, OrdersByCodePoint) {
    const struct {
        std::string a, b;
        int expected;
    } rows[] = {
        {"", "", 0},
        {"", "a", -1},
        {"a", "", 1},
        {"ab", "a", 1},
        {"9", "10", 1},
        {"\xFF", "a", 1},
        {std::string("a\0b", 3), std::string("a\0c", 3), -1},
        {std::string("a\0", 2), "a", 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("\"" + row.a + "\" vs \"" + row.b + "\"");
        EXPECT_EQ(StrComp(row.a, row.b), row.expected);
    }

    const char32_t points[] = {0,     0x2F,  0x30,   0x39,   0x7F,    0x80,    0xE9,
                               0x7FF, 0x800, 0xFFFD, 0xFFFF, 0x10000, 0x1F600, 0x10FFFF};
    for (const char32_t a : points) {
        for (const char32_t b : points) {
            SCOPED_TRACE(testing::Message()
                         << std::hex << "U+" << std::uint32_t{a} << " vs U+" << std::uint32_t{b});
            EXPECT_EQ(StrComp(Utf8(a), Utf8(b)), (a > b) - (a < b));
        }
    }
}

}  // namespace
