#pragma once

#include <cstdint>
#include <optional>

#include "calc/Explanation.h"
#include "framework/Drawing.h"

// The three pictures of the Explanation window, drawn once for every surface. Each expects an
// explanation whose input is not None.
namespace windows {

// Persons with the disorder, then those without, as a tree of whole persons.
framework::Drawing FrequencyTree(const calc::Explanation& x);

// How many persons one icon stands for: the smallest of 1, 10, 100, ... with which the groups
// together take at most 1,000 icons.
std::uint64_t PersonsPerIcon(std::uint64_t group1, std::uint64_t group2);
// A group's icons at that scale: rounded half away from zero, at least one for any person.
std::uint64_t IconsFor(std::uint64_t persons, std::uint64_t perIcon);

// Those who test positive and, beside them, those who test negative, an icon for so many.
framework::Drawing IconArrays(const calc::Explanation& x);

// Both predictive values of the test against prevalence, on a logarithmic axis, with the current
// prevalence marked; a reading (a prevalence from 0 to 1) adds the values there.
framework::Drawing PredictiveCurves(const calc::Explanation& x,
                                    std::optional<double> reading = std::nullopt);
// The prevalence under horizontal position xpos of that drawing, held to the axis.
double PrevalenceAt(const calc::Explanation& x, double xpos);
// The reading steps (positive to the right) along the axis from prevalence, held to the axis.
double StepReading(const calc::Explanation& x, double prevalence, int steps);

}  // namespace windows
