#include "calc/KeyFilter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using calc::IsAcceptedKey;

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

}  // namespace
