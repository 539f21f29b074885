#include "calc/KeyFilter.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using calc::IsAcceptedKey;
using calc::PastedNumber;

// The rule itself is checked exhaustively against its definition by the key_filter fuzz target;
// these rows are the keys a person is most likely to press.
TEST(KeyFilterTest, KeysAndPastedText) {
    // clang-format off
    const struct { std::string key; bool whole, decimal; } keys[] = {  // cell, percentage
        {"0", true, true}, {"9", true, true}, {".", false, true}, {",", false, false},
        {"a", false, false}, {"-", false, false}, {" ", false, false}, {"", true, true},
        {"\x08", true, true}, {"\r", true, true}, {"\x1f", true, true}, {"\x7f", true, true},
        {"\xC3\xA9", false, false}, {"\xD9\xA5", false, false}, {"\xEF\xBC\x91", false, false},
        {"\xB2", false, false}, {"\xE4\xB8", false, false},
    };
    const std::optional<std::string> no;
    const struct { const char* text; std::optional<std::string> whole, decimal; } pasted[] = {
        {"15\r\n", "15", "15"}, {" \t0,3 ", no, "0.3"}, {"12,345", "12345", "12.345"},
        {"1,234,567", "1234567", no}, {"1,5", no, "1.5"}, {"12,34", no, "12.34"},
        {"1234,567", no, "1234.567"}, {",123", no, ".123"}, {"1\r5", no, no}, {"1 5", no, no},
        {"1.234,5", no, no}, {"-5", no, no}, {"\xEF\xBC\x95", no, no}, {"  ", "", ""},
    };
    // In a cell, under a language that groups digits with another mark than the comma.
    const struct { const char *text, *grouping; std::optional<std::string> whole; } grouped[] = {
        {"9.671", ".", "9671"}, {"1.234.567", ".", "1234567"}, {"9,671", ".", "9671"},
        {"9.671", ",", no}, {"9.67", ".", no}, {"1,234.567", ".", no}, {"9 671", ",", no},
        {"9\xC2\xA0""671", " ", "9671"}, {"1 234\xE2\x80\xAF""567", "\xC2\xA0", "1234567"},
        {"9 671", "\xE2\x80\xAF", "9671"},
    };
    // clang-format on
    for (const auto& row : keys) {
        SCOPED_TRACE(testing::Message()
                     << "key code " << int(static_cast<unsigned char>(row.key[0])));
        EXPECT_EQ(IsAcceptedKey(row.key, false), row.whole);
        EXPECT_EQ(IsAcceptedKey(row.key, true), row.decimal);
    }
    for (const auto& row : pasted) {
        EXPECT_EQ(PastedNumber(row.text, false), row.whole) << row.text;
        EXPECT_EQ(PastedNumber(row.text, true), row.decimal) << row.text;
    }
    for (const auto& row : grouped)
        EXPECT_EQ(PastedNumber(row.text, false, row.grouping), row.whole);
}

}  // namespace
