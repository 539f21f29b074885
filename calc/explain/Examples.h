#pragma once

#include <array>
#include <string>
#include <vector>

#include "calc/explain/Explanation.h"

namespace calc {

// A classic problem of the risk-literacy literature, as the calculator takes it.
struct Example {
    const char* item;   // the name of its menu item
    std::string title;  // the menu item's text
    // The calculator's entry fields: true positives, false positives, false negatives, true
    // negatives, prevalence, sensitivity, false-positive rate; the unused set empty.
    std::array<const char*, 7> fields;
    Labels labels;
    // Where the figures were published, and what was assumed where the source is silent.
    std::string source;
};
// In the reader's language, as it is when asked.
std::vector<Example> Examples();

}  // namespace calc
