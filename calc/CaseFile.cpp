#include "calc/CaseFile.h"

#include <algorithm>
#include <iterator>

#include "calc/KeyFilter.h"

namespace calc {

namespace {

constexpr const char* kFormat = "predivo-case";
constexpr const char* kFieldKeys[] = {
    "tp", "fp", "fn", "tn", "prevalence", "sensitivity", "falsePositiveRate"};
// The fields' own limits: a cell takes five digits, a percentage nine characters.
constexpr std::size_t kCellLimit = 5, kPercentLimit = 9, kSourceLimit = 400;

// A text a field could hold: only keys its key rule lets through, within its limit.
bool FieldHolds(const std::string& text, bool pointAllowed) {
    if (text.size() > (pointAllowed ? kPercentLimit : kCellLimit)) return false;
    return std::all_of(text.begin(), text.end(), [&](char c) {
        return static_cast<unsigned char>(c) >= ' ' &&
               IsAcceptedKey(std::string_view(&c, 1), pointAllowed);
    });
}

bool LabelHolds(const std::string& text, std::size_t limit) {
    return CountCharacters(text) <= limit &&
           std::none_of(text.begin(), text.end(),
                        [](unsigned char c) { return c < ' ' || c == 0x7F; });
}

}  // namespace

std::size_t CountCharacters(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](unsigned char c) { return (c & 0xC0) != 0x80; }));
}

CaseEntries ToEntries(const Case& c) {
    CaseEntries e{{"format", std::string(kFormat)},
                  {"version", kCaseVersion},
                  {"looksFor", c.labels.disorder},
                  {"tested", c.labels.people},
                  {"testedOne", c.labels.person},
                  {"populationPrevalence", c.populationPrevalence},
                  {"size", static_cast<std::int64_t>(c.size)},
                  {"source", c.source}};
    for (std::size_t i = 0; i < c.fields.size(); ++i) e[kFieldKeys[i]] = c.fields[i];
    return e;
}

CaseRead FromEntries(const CaseEntries& entries) {
    CaseRead read;
    const auto text = [&](const char* key) -> const std::string* {
        const auto it = entries.find(key);
        return it == entries.end() ? nullptr : std::get_if<std::string>(&it->second);
    };
    const auto number = [&](const char* key) -> std::optional<std::int64_t> {
        const auto it = entries.find(key);
        if (it == entries.end()) return std::nullopt;
        if (const auto* n = std::get_if<std::int64_t>(&it->second)) return *n;
        return std::nullopt;
    };
    const std::string* format = text("format");
    const auto version = number("version");
    if (!format || *format != kFormat || !version || *version < 1) {
        read.problem = CaseRead::Problem::NotACase;
        return read;
    }
    if (*version > kCaseVersion) {
        read.problem = CaseRead::Problem::Newer;
        return read;
    }
    const auto bad = [&](const char* key) {
        read.problem = CaseRead::Problem::BadField;
        read.field = key;
        return read;
    };
    Case& c = read.value;
    for (std::size_t i = 0; i < c.fields.size(); ++i) {
        const std::string* t = text(kFieldKeys[i]);
        if (!t || !FieldHolds(*t, i >= 4)) return bad(kFieldKeys[i]);
        c.fields[i] = *t;
    }
    const struct {
        const char* key;
        std::string* into;
        std::size_t limit;
    } labels[] = {{"looksFor", &c.labels.disorder, kLabelLimit},
                  {"tested", &c.labels.people, kLabelLimit},
                  {"testedOne", &c.labels.person, kLabelLimit},
                  {"source", &c.source, kSourceLimit}};
    for (const auto& l : labels) {
        const std::string* t = text(l.key);
        if (!t || !LabelHolds(*t, l.limit)) return bad(l.key);
        *l.into = *t;
    }
    const std::string* population = text("populationPrevalence");
    if (!population || !FieldHolds(*population, true)) return bad("populationPrevalence");
    c.populationPrevalence = *population;
    const auto size = number("size");
    const bool known =
        size &&
        (*size == 0 || std::find(std::begin(kPopulationSizes), std::end(kPopulationSizes),
                                 static_cast<std::uint64_t>(*size)) != std::end(kPopulationSizes));
    if (!known) return bad("size");
    c.size = static_cast<std::uint64_t>(*size);
    return read;
}

}  // namespace calc
