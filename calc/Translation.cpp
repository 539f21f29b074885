#include "calc/Translation.h"

#include <climits>
#include <vector>

#include "calc/Figures.h"

namespace calc {

namespace {

Translations installed = nullptr;

}  // namespace

void SetTranslations(Translations translations) {
    installed = translations;
}

std::string Tr(const char* context, const char* source, const char* disambiguation) {
    if (installed) {
        if (auto text = installed(context, source, disambiguation, -1)) return *text;
    }
    return source;
}

std::string Tr(const char* context, const char* source, const char* one, std::uint64_t n) {
    std::optional<std::string> text;
    // Every count from 2 on takes one form in the languages translated, so a huge one is clamped.
    if (installed)
        text = installed(context, source, one, static_cast<int>(n > INT_MAX ? INT_MAX : n));
    if (!text) text = n == 1 ? one : source;
    std::string out;
    for (std::size_t i = 0; i < text->size(); ++i) {
        if ((*text)[i] == '%' && i + 1 < text->size() && (*text)[i + 1] == 'n') {
            out += GroupedText(n);
            ++i;
        } else {
            out += (*text)[i];
        }
    }
    return out;
}

std::string Arg(std::string_view text, std::initializer_list<std::string_view> args) {
    const std::vector<std::string_view> values(args);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            out += values[index];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace calc
