#pragma once

#include <string_view>

namespace calc {

// Whether a key typed into a number field may pass: digits, control keys (so editing and
// navigation keep working) and, where the field takes fractions, the point. `key` is the text of
// one key press, one character at most.
bool IsAcceptedKey(std::string_view key, bool pointAllowed);

}  // namespace calc
