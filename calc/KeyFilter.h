#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace calc {

// Whether a key typed into a number field may pass: digits, control keys (so editing and
// navigation keep working) and, where the field takes fractions, the point. `key` is the text of
// one key press, one character at most.
bool IsAcceptedKey(std::string_view key, bool pointAllowed);

// The number a pasted text is meant to be, as the field should take it, or nothing when the text
// is no such number. Spaces and line breaks around it are dropped. In a whole-number field the
// marks between groups of three digits are dropped: commas, as spreadsheets copy numbers, or the
// desktop's own `grouping` (a point in German, a space in French). Where a point is allowed one
// comma is the point, and a text with two points is no number.
std::optional<std::string> PastedNumber(std::string_view text, bool pointAllowed,
                                        std::string_view grouping = {});

}  // namespace calc
