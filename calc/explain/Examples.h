#pragma once

#include <array>
#include <vector>

#include "calc/explain/Explanation.h"

namespace calc {

// A classic problem of the risk-literacy literature, as the calculator takes it.
struct Example {
    const char* item;   // the name of its menu item
    const char* title;  // the menu item's text
    // The calculator's entry fields: true positives, false positives, false negatives, true
    // negatives, prevalence, sensitivity, false-positive rate; the unused set empty.
    std::array<const char*, 7> fields;
    Labels labels;
    // Where the figures were published, and what was assumed where the source is silent.
    const char* source;
};
const std::vector<Example>& Examples();

}  // namespace calc
