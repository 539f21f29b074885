#include "calc/KeyFilter.h"

#include <algorithm>
#include <initializer_list>

#include "calc/TextNumber.h"

namespace calc {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSpace(std::string_view mark) {
    return mark == " " || mark == "\xC2\xA0" || mark == "\xE2\x80\xAF";  // no-break, narrow
}

// 1,234 or 12.345.678: the digits alone, when the text is groups of three digits after a first
// group of one to three, split by the marks.
std::optional<std::string> Ungrouped(std::string_view text,
                                     std::initializer_list<std::string_view> marks) {
    std::string digits;
    std::size_t group = 0, groups = 1;
    for (std::size_t i = 0; i < text.size();) {
        if (IsDigit(text[i])) {
            digits += text[i++];
            ++group;
            continue;
        }
        const auto mark = std::find_if(marks.begin(), marks.end(), [&](std::string_view m) {
            return !m.empty() && text.substr(i).starts_with(m);
        });
        if (mark == marks.end()) return std::nullopt;
        if (group == 0 || group > 3 || (groups > 1 && group != 3)) return std::nullopt;
        i += mark->size();
        group = 0;
        ++groups;
    }
    if (groups == 1 || group != 3) return std::nullopt;
    return digits;
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

std::optional<std::string> PastedNumber(std::string_view text, bool pointAllowed,
                                        std::string_view grouping) {
    constexpr std::string_view blank = " \t\r\n";
    const std::size_t start = text.find_first_not_of(blank);
    if (start == std::string_view::npos) return std::string();
    std::string number(text.substr(start, text.find_last_not_of(blank) - start + 1));
    if (!pointAllowed) {
        // Which space a copied number holds depends on the program it was copied from.
        auto digits = Ungrouped(number, {","});
        if (!digits && IsSpace(grouping))
            digits = Ungrouped(number, {" ", "\xC2\xA0", "\xE2\x80\xAF"});
        if (!digits) digits = Ungrouped(number, {grouping});
        if (digits) number = *digits;
    }
    if (pointAllowed && std::count(number.begin(), number.end(), ',') == 1) {
        number[number.find(',')] = '.';
    }
    // Unlike a typed key, a control character here is no editing key but a character that would
    // go into the field: a tab or a line break inside a number hides part of it.
    const bool ok = std::all_of(number.begin(), number.end(),
                                [&](char c) { return IsDigit(c) || (pointAllowed && c == '.'); });
    // Two points make no number: 1.234,5 from a German spreadsheet, read as far as it goes, would
    // be another number.
    if (!ok || std::count(number.begin(), number.end(), '.') > 1) return std::nullopt;
    return number;
}

}  // namespace calc
