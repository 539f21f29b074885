#pragma once

#include <cstdint>
#include <optional>

#include "calc/explain/Drawing.h"
#include "calc/explain/Explanation.h"

// The three pictures of the Explanation window, drawn once for every surface. Each expects an
// explanation whose input is not None.
namespace calc {

// Persons with the disorder, then those without, as a tree of whole persons.
Drawing FrequencyTree(const Explanation& x);

// How many persons one icon stands for, in both arrays alike so that they compare: the smallest
// of 1, 10, 100, ... with which the larger array takes at most 1,000 icons as drawn, a part of an
// icon counted as one.
std::uint64_t PersonsPerIcon(const PersonsTree& t);
// A group's icons at that scale, as drawn: its whole icons, and one more for the part of an icon
// that the rest of it takes (drawn as that part, a tenth at least, so that any person shows).
std::uint64_t IconsFor(std::uint64_t persons, std::uint64_t perIcon);

// Those who test positive and, beside them, those who test negative, on that one scale.
Drawing IconArrays(const Explanation& x);

// Both predictive values of the test against prevalence, on a logarithmic axis, with the current
// prevalence marked; a reading (a prevalence from 0 to 1) adds the values there.
Drawing PredictiveCurves(const Explanation& x, std::optional<double> reading = std::nullopt);
// The prevalence under horizontal position xpos of that drawing, held to the axis.
double PrevalenceAt(const Explanation& x, double xpos);
// The reading steps (positive to the right) along the axis from prevalence, held to the axis.
double StepReading(const Explanation& x, double prevalence, int steps);

}  // namespace calc
