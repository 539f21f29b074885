#pragma once

#include <cstdint>
#include <string>

#include "calc/Statistics.h"

// A statistic's value or bound as the Explanation window writes it: plain ASCII digits, '-' for
// a minus and '.' for the point, rounded from the number exactly with halves away from zero.
namespace calc {

enum class Scale {
    // A fraction from 0 to 1 written as a percentage without its sign, to one decimal always
    // written ("97.0", "100.0"). Where that would show a value that is neither 0 nor 1 as 0.0 or
    // 100.0, it has the two significant digits of its distance from there instead, without
    // trailing zeros, as the pictures write such a share ("0.037", "99.96", "0.0015").
    Percent,
    // Likelihood ratios, the odds ratio, the number needed to diagnose: three significant
    // digits with their trailing zeros ("8.00", "0.00230"), but from 1000 on the whole integer
    // part ("12346"), since "12300" would claim digits that were rounded away. 0 is "0".
    Ratio,
    // Youden's index, from -1 to 1: three significant digits ("0.661", "-0.120").
    Index,
};

std::string Figure(const Rational& x, Scale scale);
// A double as it is exactly, so that an interval's bounds round as the values do. A number that
// is not finite has no digits and gives ""; an estimate's flags say where it is infinite.
std::string Figure(double x, Scale scale);

// Persons grouped by commas ("9,671"), whatever the desktop's language, as the calculator's
// numbers ignore it too.
std::string GroupedText(std::uint64_t n);
// A fraction from 0 to 1 as a percentage with its sign, at the table's precision ("4.8%",
// "99.96%").
std::string ShareText(double fraction);
// A percentage as the table writes it, with its sign: "4.8" as "4.8%".
std::string PercentSign(const std::string& percent);
// An interval from its two bounds as written: "85.1–93.0".
std::string RangeText(const std::string& lower, const std::string& upper);

}  // namespace calc
