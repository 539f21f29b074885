#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>

#include "calc/explain/Explanation.h"

// A case as a person keeps it in a file: what they typed, and what the Explanation window was
// told about it. Plain data; the program reads and writes it as JSON.
namespace calc {

struct Case {
    // The calculator's seven entry fields as typed: tp, fp, fn, tn, pre, dt, t.
    std::array<std::string, 7> fields;
    // What the test looks for, and who is tested, plural and singular; empty for the defaults.
    Labels labels;
    std::string populationPrevalence;
    std::uint64_t size = 0;  // 0: the fewest people that show the figures
    std::string source;      // the example's source, where the case is one
};

inline constexpr std::int64_t kCaseVersion = 1;
// The most characters a name for what is tested, or for who is, may have.
inline constexpr std::size_t kLabelLimit = 40;
// Characters of a UTF-8 text, as a field counts them.
std::size_t CountCharacters(const std::string& text);
// Far more than any case holds, and little enough to read at once.
inline constexpr std::int64_t kLargestCase = 64 * 1024;

using CaseValue = std::variant<std::string, std::int64_t>;
using CaseEntries = std::map<std::string, CaseValue>;

CaseEntries ToEntries(const Case& c);

// Why entries cannot be opened as a case; the case when they can.
struct CaseRead {
    enum class Problem { None, NotACase, Newer, BadField };
    Problem problem = Problem::None;
    std::string field;  // BadField: the entry at fault
    Case value;
};
CaseRead FromEntries(const CaseEntries& entries);

}  // namespace calc
