#pragma once

// What the three pictures share. Only for calc/explain's picture sources.

#include <string>
#include <string_view>
#include <vector>

#include "calc/explain/Drawing.h"

namespace calc::picture {

inline constexpr double kWidth = 640;

// A text's width on the generous side, so that boxes and gaps are laid out before any font is
// at hand and still hold their texts in a wide desktop font.
inline double RoughWidth(std::string_view text, double size) {
    double chars = 0;
    for (const unsigned char c : text) chars += (c & 0xC0) != 0x80 ? 1 : 0;
    return 0.62 * size * chars;
}

// The text in lines of at most that width, broken between words, and within a word only where
// the word alone is wider, as a person's long label may be; never inside a character.
inline std::vector<std::string> Wrapped(std::string_view text, double size, double width) {
    std::vector<std::string> lines{""};
    const auto fits = [&](const std::string& line) { return RoughWidth(line, size) <= width; };
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t space = text.find(' ', at);
        const std::string_view word =
            text.substr(at, space == std::string_view::npos ? std::string_view::npos : space - at);
        at = space == std::string_view::npos ? text.size() : space + 1;
        if (word.empty()) continue;
        const std::string joined =
            lines.back().empty() ? std::string(word) : lines.back() + " " + std::string(word);
        if (fits(joined)) {
            lines.back() = joined;
            continue;
        }
        if (!lines.back().empty()) lines.emplace_back();
        for (std::size_t i = 0; i < word.size();) {
            std::size_t next = i + 1;
            while (next < word.size() && (static_cast<unsigned char>(word[next]) & 0xC0) == 0x80) {
                ++next;
            }
            const std::string piece(word.substr(i, next - i));
            if (!lines.back().empty() && !fits(lines.back() + piece)) lines.emplace_back();
            lines.back() += piece;
            i = next;
        }
    }
    return lines;
}

// A drawing of the pictures' width on paper.
inline Drawing Canvas(double height) {
    Drawing d(kWidth, height);
    d.Box({0, 0}, {kWidth, height}, Ink::Paper, Ink::None, 0);
    return d;
}

}  // namespace calc::picture
