#pragma once

// What the three pictures share. Only for calc/explain's picture sources.

#include <string_view>

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

// A drawing of the pictures' width on paper.
inline Drawing Canvas(double height) {
    Drawing d(kWidth, height);
    d.Box({0, 0}, {kWidth, height}, Ink::Paper, Ink::None, 0);
    return d;
}

}  // namespace calc::picture
