#include "calc/KeyFilter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using calc::IsAcceptedKey;
using calc::PastedNumber;

std::string Utf8Latin1(unsigned code) {
    if (code < 0x80) return std::string(1, static_cast<char>(code));
    return {static_cast<char>(0xC0 | (code >> 6)), static_cast<char>(0x80 | (code & 0x3F))};
}

TEST(KeyFilterTest, EveryLatin1Code) {
    for (const bool pointAllowed : {false, true}) {
        for (unsigned code = 0; code <= 255; ++code) {
            SCOPED_TRACE(testing::Message()
                         << "code " << code << " point allowed " << pointAllowed);
            const bool expected = (code >= '0' && code <= '9') || code < 32 || code == 127 ||
                                  (pointAllowed && code == '.');
            EXPECT_EQ(IsAcceptedKey(Utf8Latin1(code), pointAllowed), expected);
            // The same code as a lone byte, which is not valid UTF-8 from 0x80 on.
            EXPECT_EQ(IsAcceptedKey(std::string(1, static_cast<char>(code)), pointAllowed),
                      expected);
        }
    }
}

TEST(KeyFilterTest, OtherKeys) {
    const struct {
        const char* name;
        std::string key;
        bool accepted;
    } rows[] = {
        {"empty (key without text)", "", true},
        {"e acute", "\xC3\xA9", false},
        {"sharp s", "\xC3\x9F", false},
        {"Arabic alef", "\xD8\xA7", false},
        {"Arabic-Indic five", "\xD9\xA5", false},
        {"CJK", "\xE4\xB8\xAD", false},
        {"fullwidth one", "\xEF\xBC\x91", false},
        {"emoji", "\xF0\x9F\x98\x80", false},
        {"truncated lead byte", "\xE4\xB8", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(IsAcceptedKey(row.key, false), row.accepted);
        EXPECT_EQ(IsAcceptedKey(row.key, true), row.accepted);
    }
}

TEST(KeyFilterTest, PastedText) {
    const std::optional<std::string> refused;
    const struct {
        const char* text;
        std::optional<std::string> whole, decimal;  // as a table cell and a percentage take it
    } rows[] = {
        {"15\r\n", "15", "15"},
        {" \t0,3 ", refused, "0.3"},
        {"12,345", "12345", "12.345"},
        {"1,234,567", "1234567", refused},
        {"1,5", refused, "1.5"},
        {"12,34", refused, "12.34"},
        {"1234,567", refused, "1234.567"},
        {",123", refused, ".123"},
        {"1\r5", refused, refused},
        {"1 5", refused, refused},
        {"1.2.3", refused, "1.2.3"},
        {"-5", refused, refused},
        {"\xEF\xBC\x95", refused, refused},
        {"  ", "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(PastedNumber(row.text, false), row.whole);
        EXPECT_EQ(PastedNumber(row.text, true), row.decimal);
    }
}

}  // namespace
