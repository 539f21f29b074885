#pragma once

#include <string>
#include <string_view>
#include <vector>

// Positive predictive value of a screening test, from either a 2x2 table of frequencies or the
// prevalence, sensitivity and false positive rate in percent.
namespace calc {

enum class InputMode { None = 0, Frequencies = 1, Percentages = 2 };

// The calculator's entry fields in reading order, then the result field.
enum class Field { tp, fp, fn, tn, pre, dt, t, ppp };

struct CalcOutcome {
    InputMode mode = InputMode::None;
    // true: empty `emptied` in order, then write pppText. false: show `message` modally, then
    // focus `focus`; nothing else changes.
    bool calculated = false;
    std::vector<Field> emptied;  // calculated only
    std::string pppText;         // calculated only
    std::string message;         // not calculated only
    Field focus = Field::tp;     // not calculated only
};

// Takes the texts of the seven entry fields. Complete frequencies win over complete
// percentages; the set that was not used is emptied so that the screen never shows a result
// next to inputs it did not come from.
CalcOutcome RunCalculation(std::string_view tpText, std::string_view fpText,
                           std::string_view fnText, std::string_view tnText,
                           std::string_view preText, std::string_view dtText,
                           std::string_view tText);

}  // namespace calc
