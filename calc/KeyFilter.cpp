#include "calc/KeyFilter.h"

#include <algorithm>

#include "calc/TextNumber.h"

namespace calc {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// 1,234 or 12,345,678: commas that group thousands, as spreadsheets copy them.
bool IsGroupedByThousands(std::string_view text) {
    const std::size_t first = text.find(',');
    if (first == 0 || first > 3) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool commaHere = i >= first && (i - first) % 4 == 0;
        if (commaHere ? text[i] != ',' : !IsDigit(text[i])) return false;
    }
    return (text.size() - first) % 4 == 0;
}

}  // namespace

bool IsAcceptedKey(std::string_view key, bool pointAllowed) {
    if (StrComp(key, "0") >= 0 && StrComp(key, "9") <= 0) return true;
    // Keys without text (arrows, Home, modifiers) arrive as an empty key, whose code is 0. They
    // insert nothing, and refusing them would break moving around in the field.
    const int code = Asc(key);
    if (code < 32) return true;
    if (code == 127) return true;
    return pointAllowed && code == '.';
}

std::optional<std::string> PastedNumber(std::string_view text, bool pointAllowed) {
    constexpr std::string_view blank = " \t\r\n";
    const std::size_t start = text.find_first_not_of(blank);
    if (start == std::string_view::npos) return std::string();
    std::string number(text.substr(start, text.find_last_not_of(blank) - start + 1));
    if (!pointAllowed && IsGroupedByThousands(number)) std::erase(number, ',');
    if (pointAllowed && std::count(number.begin(), number.end(), ',') == 1) {
        number[number.find(',')] = '.';
    }
    // Unlike a typed key, a control character here is no editing key but a character that would
    // go into the field: a tab or a line break inside a number hides part of it.
    const bool ok = std::all_of(number.begin(), number.end(),
                                [&](char c) { return IsDigit(c) || (pointAllowed && c == '.'); });
    if (!ok) return std::nullopt;
    return number;
}

}  // namespace calc
