#include "app/CaseFiles.h"

#include <map>

#include "calc/Translation.h"
#include "framework/JsonFile.h"
#include "framework/Language.h"

namespace app {

namespace {

using framework::Tr;

// What a person calls the entries of a case, for a message about one of them.
std::string EntryName(const std::string& key) {
    const std::map<std::string, std::string> names{
        {"tp", Tr("Cases", "true positives")},
        {"fp", Tr("Cases", "false positives")},
        {"fn", Tr("Cases", "false negatives")},
        {"tn", Tr("Cases", "true negatives")},
        {"prevalence", Tr("Cases", "prevalence")},
        {"sensitivity", Tr("Cases", "sensitivity")},
        {"falsePositiveRate", Tr("Cases", "false-positive rate")},
        {"looksFor", Tr("Cases", "what the test looks for")},
        {"tested", Tr("Cases", "who is tested")},
        {"testedOne", Tr("Cases", "one of them")},
        {"populationPrevalence", Tr("Cases", "prevalence in the population tested")},
        {"size", Tr("Cases", "number of people the story is told for")},
        {"source", Tr("Cases", "source")},
    };
    const auto it = names.find(key);
    return it == names.end() ? key : it->second;
}

std::string Say(const std::string& message, const std::string& path, const std::string& why = {}) {
    return calc::Arg(message, {path, why});
}

}  // namespace

CaseFromFile ReadCase(const std::string& path) {
    const framework::JsonRead json = framework::ReadJsonFile(path, calc::kLargestCase);
    using Json = framework::JsonRead::Problem;
    switch (json.problem) {
        case Json::Unreadable:
            return {std::nullopt,
                    Say(Tr("Cases", "\"%1\" could not be opened: %2."), path, json.reason)};
        case Json::TooLarge:
            return {
                std::nullopt,
                Say(Tr("Cases", "\"%1\" is larger than a case can be; it is not a case."), path)};
        case Json::Damaged:
            return {std::nullopt,
                    Say(Tr("Cases", "\"%1\" is damaged and cannot be opened."), path)};
        case Json::NotFlat:
            return {std::nullopt, Say(Tr("Cases", "\"%1\" is not a Predivo case."), path)};
        case Json::None:
            break;
    }
    calc::CaseEntries entries(json.object.begin(), json.object.end());
    const calc::CaseRead read = calc::FromEntries(entries);
    using Case = calc::CaseRead::Problem;
    switch (read.problem) {
        case Case::NotACase:
            return {std::nullopt, Say(Tr("Cases", "\"%1\" is not a Predivo case."), path)};
        case Case::Newer:
            return {std::nullopt,
                    Say(Tr("Cases",
                           "\"%1\" was saved by a newer version of Predivo and cannot be "
                           "opened here."),
                        path)};
        case Case::BadField:
            return {std::nullopt,
                    Say(Tr("Cases",
                           "\"%1\" cannot be opened: its %2 is not something that field "
                           "can hold."),
                        path, EntryName(read.field))};
        case Case::None:
            break;
    }
    return {read.value, {}};
}

std::string WriteCase(const calc::Case& c, const std::string& path) {
    const calc::CaseEntries entries = calc::ToEntries(c);
    const std::string reason =
        framework::WriteJsonFile(path, framework::JsonObject(entries.begin(), entries.end()));
    if (reason.empty()) return {};
    return Say(Tr("Cases", "The case could not be saved as \"%1\": %2."), path, reason);
}

}  // namespace app
