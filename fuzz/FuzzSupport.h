#pragma once

// Shared by the fuzz targets. A broken property aborts, so that libFuzzer keeps the input as a
// reproducer, just as it does for a sanitizer report.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#define FUZZ_REQUIRE(holds, ...)                                     \
    do {                                                             \
        if (!(holds)) {                                              \
            std::fprintf(stderr, "\nPROPERTY FAILED: " __VA_ARGS__); \
            std::fputc('\n', stderr);                                \
            std::abort();                                            \
        }                                                            \
    } while (false)

namespace fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Fields are separated by '|': no numeral contains it, so Val sees the same junk through any
// other byte. Missing fields are empty and those past `count` are ignored.
inline std::vector<std::string_view> SplitFields(std::string_view input, std::size_t count) {
    std::vector<std::string_view> fields(count);
    for (auto& field : fields) {
        const auto bar = input.find('|');
        field = input.substr(0, bar);
        input = bar == std::string_view::npos ? std::string_view() : input.substr(bar + 1);
    }
    return fields;
}

// The white space of the "C" locale's isspace.
inline std::string_view Trim(std::string_view text) {
    constexpr std::string_view space = " \t\n\v\f\r";
    const auto first = text.find_first_not_of(space);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

// Optional sign, then digits with at most one point among them, at least one digit.
inline bool IsPlainNumeral(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
    bool digit = false;
    bool point = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

// A finite number as shown to the user: no leading zero before the point, at most `decimals`
// places with no trailing zero or point, and no sign on a bare zero.
inline bool IsCanonicalNumber(std::string_view shown, std::size_t decimals) {
    if (shown == "0") return true;
    if (!shown.empty() && shown[0] == '-') shown.remove_prefix(1);
    const auto point = shown.find('.');
    const auto whole = shown.substr(0, point);
    const auto fraction =
        point == std::string_view::npos ? std::string_view() : shown.substr(point + 1);
    const auto digits = [](std::string_view part) {
        return part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!digits(whole) || !digits(fraction) || (whole.empty() && fraction.empty())) return false;
    if (!whole.empty() && whole[0] == '0') return false;
    if (point == std::string_view::npos) return true;
    return !fraction.empty() && fraction.size() <= decimals && fraction.back() != '0';
}

}  // namespace fuzz
