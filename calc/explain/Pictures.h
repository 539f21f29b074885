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

// How many persons one icon stands for: the smallest of 1, 10, 100, ... with which the groups
// together take at most 1,000 icons.
std::uint64_t PersonsPerIcon(std::uint64_t group1, std::uint64_t group2);
// A group's icons at that scale: rounded half away from zero, at least one for any person.
std::uint64_t IconsFor(std::uint64_t persons, std::uint64_t perIcon);

// Those who test positive and, beside them, those who test negative, an icon for so many.
Drawing IconArrays(const Explanation& x);

// Both predictive values of the test against prevalence, on a logarithmic axis, with the current
// prevalence marked; a reading (a prevalence from 0 to 1) adds the values there.
Drawing PredictiveCurves(const Explanation& x, std::optional<double> reading = std::nullopt);
// The prevalence under horizontal position xpos of that drawing, held to the axis.
double PrevalenceAt(const Explanation& x, double xpos);
// The reading steps (positive to the right) along the axis from prevalence, held to the axis.
double StepReading(const Explanation& x, double prevalence, int steps);

}  // namespace calc
