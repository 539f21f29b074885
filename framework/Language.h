#pragma once

#include <optional>
#include <string>
#include <vector>

// The language the program speaks: its translations, Qt's own for the dialogs, and how the
// language writes numbers.
namespace framework {

struct Language {
    std::string code;  // "de", "fr", "es"; "en" where the program speaks English
    // How that language writes numbers on this desktop: the decimal point, the separator of
    // groups of three digits, and the fewest digits that it groups.
    std::string point, group;
    int groupFrom = 4;
};

// Speaks the first of the desktop's languages (QLocale::uiLanguages), or of `preferred`, that
// the program has a translation for; English where none has one or an English one comes first.
// The program's translations are compiled in as ":/translations/<name>_<code>.qm"; Qt's are
// Debian's, where installed.
Language ChooseLanguage(const std::string& name, const std::vector<std::string>& preferred = {});
const Language& CurrentLanguage();

// The chosen language's text for a message, in its form for a count of n (n < 0: no count);
// nothing where it has none.
std::optional<std::string> Translation(const char* context, const char* source,
                                       const char* disambiguation, int n);
// A text in the chosen language, or the English as given.
std::string Tr(const char* context, const char* source, const char* disambiguation = nullptr);

}  // namespace framework
