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
// is no such number. Spaces and line breaks around it are dropped; in a whole-number field commas
// between groups of three digits are dropped, and where a point is allowed one comma is the point.
std::optional<std::string> PastedNumber(std::string_view text, bool pointAllowed);

}  // namespace calc
