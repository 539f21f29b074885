#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "calc/Statistics.h"

// A statistic's value or bound as the Explanation window writes it: digits, '-' for a minus and
// the reader's decimal point, rounded from the number exactly with halves away from zero. Every
// number the explanation shows is written here, so that one format holds for all of them.
namespace calc {

// How the reader's language writes numbers: the decimal point, the separator between groups of
// three digits, and the fewest digits that it groups (Spanish writes "9671" but "10.000"). The
// program sets it from the language it speaks; English until then.
struct NumberFormat {
    std::string point = ".";
    std::string group = ",";
    int groupFrom = 4;
};
void SetNumberFormat(NumberFormat format);
// A point and no grouping, whatever the language: numbers for a script to read.
NumberFormat PlainNumbers();

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

// Persons with their digits grouped: "9,671", "9.671", "9\u202f671".
std::string GroupedText(std::uint64_t n);
// A number written with a point ("0.5", ".3", "0.01") with the reader's point instead.
std::string Localized(std::string_view numeral);
// A fraction from 0 to 1 as a percentage with its sign, at the table's precision ("4.8%",
// "99.96%").
std::string ShareText(double fraction);
// A percentage as the table writes it, with its sign as the language places it: "4.8" as
// "4.8%", "4,8" as "4,8\u00a0%".
std::string PercentSign(const std::string& percent);
// An interval from its two bounds as written: "85.1–93.0".
std::string RangeText(const std::string& lower, const std::string& upper);

}  // namespace calc
