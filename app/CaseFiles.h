#pragma once

#include <optional>
#include <string>

#include "calc/CaseFile.h"

namespace app {

// A case read from a file, or the one message that says why it cannot be opened.
struct CaseFromFile {
    std::optional<calc::Case> value;
    std::string message;
};
CaseFromFile ReadCase(const std::string& path);

// Writes the case whole or not at all; the message for a failed write, else empty.
std::string WriteCase(const calc::Case& c, const std::string& path);

}  // namespace app
