#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// The one way by which the plain-C++ model says a text in the reader's language. The program
// fills it at start with its translations; without them, as in the engine's own build, every
// text is the English written where it is used.
//
// The calls take the arguments of Qt's QCoreApplication::translate (context, source,
// disambiguation, count), so that Qt's lupdate finds them under the alias that its
// -tr-function-alias option gives Tr (resources/translations/Update.cmake).
namespace calc {

// A text in the reader's language, in its form for a count of n (n < 0: no count); nothing where
// there is no translation.
using Translations = std::optional<std::string> (*)(const char* context, const char* source,
                                                    const char* disambiguation, int n);
void SetTranslations(Translations translations);

std::string Tr(const char* context, const char* source, const char* disambiguation = nullptr);

// A text whose words follow a count. English has no translation file, so both of its forms stand
// here: `source` for every count but 1 and `one` for 1, which the translations hold as the
// message's disambiguation. %n in the text becomes the count, grouped as the reader's numbers
// are.
std::string Tr(const char* context, const char* source, const char* one, std::uint64_t n);

// The text with %1 to %9 replaced by the arguments, in one pass, so that an argument holding a
// '%' (a name a person typed) stays as it is. A translation may leave an argument out.
std::string Arg(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace calc
