#include "calc/TextNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

// The conversions are checked against independent oracles (the C library's correctly rounded
// strtod and exact printf expansion, its UTF-8 decoder) by the val, format and key_filter fuzz
// targets. These tables keep the cases a person would think of, and each known trap, in the
// normal test run.
namespace {

using calc::Asc;
using calc::Format;
using calc::StrComp;
using calc::Val;

TEST(ValTest, ReadsOnlyPlainDecimalNumerals) {
    const std::string huge = "17976931348623157" + std::string(292, '0');
    const std::string tiny = "0." + std::string(400, '0') + "1";  // underflows to zero
    // clang-format off
    const struct { std::string text; double expected; } rows[] = {
        {"0.3", 0.3}, {" \t\r\n\v\f12.5 \n", 12.5}, {"-.5", -0.5}, {"5.", 5}, {"-0", 0},
        {"9007199254740993", 9007199254740992.0},  // halfway: even neighbour
        {huge, std::numeric_limits<double>::max()}, {tiny, 0}, {"1" + std::string(309, '0'), 0},
        {"", 0}, {"-", 0}, {"1.2.3", 0}, {"1,5", 0}, {"1e3", 0}, {"inf", 0}, {"1\n2", 0},
        {std::string("1\0" "2", 3), 0},
        {"\xC2\xA0" "5", 0},  // no-break space is not white space here
        {"\xD9\xA5", 0},      // Arabic-Indic digit five
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE("text \"" + row.text.substr(0, 30) + "\"");
        const double value = Val(row.text);
        EXPECT_EQ(value, row.expected);
        EXPECT_FALSE(std::signbit(value) && value == 0) << "negative zero";
    }
}

TEST(FormatTest, RoundsTheExactBinaryValue) {
    const double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    const struct { double value; const char *pattern, *expected; } rows[] = {
        {0.25, "###.#", ".3"}, {-4.75, "###.#", "-4.8"},  // exact binary halves: away from zero
        {0.35, "###.#", ".3"}, {0.45, "###.#", ".5"},     // just below the half, just above
        {99.95, "###.#", "100"}, {-0.04, "###.#", "0"}, {0.49999999999999994, "#", "0"},
        {1.005, "##.##", "1"},  // 1.00499999999999989...
        {4503599627370495.5, "###.#", "4503599627370495.5"},
        {4503599627370495.5, "#", "4503599627370496"},
        {0x1p80, "###.#", "1208925819614629174706176"},  // past the fast path: every digit
        {-0x1.fffffffffffffp62, "#", "-9223372036854774784"},
        {inf, "###.#", "Infinity"}, {std::numeric_limits<double>::quiet_NaN(), "###.#", "NaN"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.pattern << " with " << std::hexfloat << row.value);
        EXPECT_EQ(Format(row.value, row.pattern), row.expected);
    }
}

TEST(AscAndStrCompTest, DecodeAndOrderByCodePoint) {
    // The first character's code point; a bad lead byte stands for itself.
    // clang-format off
    const struct { std::string text; int expected; } codes[] = {
        {"", 0}, {"\xC3\xA9", 0xE9}, {"\xF0\x9F\x98\x80", 0x1F600},
        {"\xC3", 0xC3},              // cut short
        {"\x80", 0x80},              // continuation byte first
        {"\xC0\x80", 0xC0},          // overlong
        {"\xED\xA0\x80", 0xED},      // surrogate
        {"\xF4\x90\x80\x80", 0xF4},  // beyond U+10FFFF
    };
    const struct { std::string a, b; int expected; } orders[] = {
        {"", "a", -1}, {"9", "10", 1}, {std::string("a\0b", 3), std::string("a\0c", 3), -1},
        {"\xC3\xA9", "z", 1},                      // U+00E9 after every ASCII letter
        {"\xEF\xBF\xBD", "\xF0\x9F\x98\x80", -1},  // U+FFFD before U+1F600
    };
    // clang-format on
    for (const auto& row : codes) EXPECT_EQ(Asc(row.text), row.expected) << row.expected;
    for (const auto& row : orders) EXPECT_EQ(StrComp(row.a, row.b), row.expected) << row.a;
}

}  // namespace
