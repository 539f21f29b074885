#pragma once

#include <string>
#include <string_view>

// Conversions between user text and numbers. They never depend on the C locale: the decimal
// point is always ".", so a result does not change with the desktop's language settings.
namespace calc {

// Reads the whole text as a plain decimal numeral (optional sign, digits, at most one point,
// surrounding white space ignored). Anything else, and any numeral too large for a double,
// gives 0, so the result is always finite.
double Val(std::string_view text);

// Formats a value with a pattern of "#" places and an optional "." followed by "#" decimal
// places. The exact binary value is rounded, halves away from zero; no leading zero, no trailing
// zeros after the point, no trailing point, and never "-0". Non-finite values give "Infinity",
// "-Infinity" or "NaN".
std::string Format(double value, std::string_view pattern);

// Code point of the first UTF-8 character; 0 for the empty text. If the text does not start
// with a well-formed UTF-8 sequence, the value of its first byte (0x80..0xFF).
int Asc(std::string_view text);

// -1, 0 or 1 as a sorts before, equal to or after b. Unsigned byte order, which for valid UTF-8
// is code point order.
int StrComp(std::string_view a, std::string_view b);

}  // namespace calc
