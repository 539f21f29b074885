#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <variant>

namespace framework {

// A small document kept as one JSON object of texts and whole numbers, such as a saved case.
using JsonValue = std::variant<std::string, std::int64_t>;
using JsonObject = std::map<std::string, JsonValue>;

struct JsonRead {
    enum class Problem { None, Unreadable, TooLarge, Damaged, NotFlat };
    Problem problem = Problem::None;
    std::string reason;  // the system's words for Unreadable
    JsonObject object;
};

// Reads a file of at most maxBytes that holds one JSON object whose values are texts or whole
// numbers. Anything else is a problem, and nothing of the file is kept.
JsonRead ReadJsonFile(const std::string& path, std::int64_t maxBytes);

// Writes the object whole or not at all: a file of that name is replaced only once the new one
// is complete. Returns an empty string on success, otherwise the system's reason.
std::string WriteJsonFile(const std::string& path, const JsonObject& object);

}  // namespace framework
