#include "app/CaseFiles.h"

#include <map>

#include "framework/JsonFile.h"

namespace app {

namespace {

// What a person calls the entries of a case, for a message about one of them.
std::string EntryName(const std::string& key) {
    static const std::map<std::string, std::string> names{
        {"tp", "true positives"},
        {"fp", "false positives"},
        {"fn", "false negatives"},
        {"tn", "true negatives"},
        {"prevalence", "prevalence"},
        {"sensitivity", "sensitivity"},
        {"falsePositiveRate", "false-positive rate"},
        {"looksFor", "what the test looks for"},
        {"tested", "who is tested"},
        {"testedOne", "one of them"},
        {"populationPrevalence", "prevalence in the population tested"},
        {"size", "number of people the story is told for"},
        {"source", "source"},
    };
    const auto it = names.find(key);
    return it == names.end() ? key : it->second;
}

}  // namespace

CaseFromFile ReadCase(const std::string& path) {
    const std::string named = "\"" + path + "\"";
    const framework::JsonRead json = framework::ReadJsonFile(path, calc::kLargestCase);
    using Json = framework::JsonRead::Problem;
    switch (json.problem) {
        case Json::Unreadable:
            return {std::nullopt, named + " could not be opened: " + json.reason + "."};
        case Json::TooLarge:
            return {std::nullopt, named + " is larger than a case can be; it is not a case."};
        case Json::Damaged:
            return {std::nullopt, named + " is damaged and cannot be opened."};
        case Json::NotFlat:
            return {std::nullopt, named + " is not a Predivo case."};
        case Json::None:
            break;
    }
    calc::CaseEntries entries(json.object.begin(), json.object.end());
    const calc::CaseRead read = calc::FromEntries(entries);
    using Case = calc::CaseRead::Problem;
    switch (read.problem) {
        case Case::NotACase:
            return {std::nullopt, named + " is not a Predivo case."};
        case Case::Newer:
            return {std::nullopt,
                    named + " was saved by a newer version of Predivo and cannot be opened here."};
        case Case::BadField:
            return {std::nullopt, named + " cannot be opened: its " + EntryName(read.field) +
                                      " is not something that field can hold."};
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
    return "The case could not be saved as \"" + path + "\": " + reason + ".";
}

}  // namespace app
