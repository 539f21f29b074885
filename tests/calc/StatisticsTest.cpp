#include "calc/Figures.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using calc::Figure;
using calc::Rational;
using calc::Scale;

TEST(StatisticsTest, FiguresAtTheEdgesOfTheirPrecision) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        Rational x;
        Scale scale;
        const char* text;
    } rows[] = {
        {0, Scale::Percent, "0.0"},
        {1, Scale::Percent, "100.0"},
        {Rational(97, 100), Scale::Percent, "97.0"},
        {Rational(48, 1000), Scale::Percent, "4.8"},
        {Rational(1, 1000000), Scale::Percent, "0.0001"},
        {Rational(999999, 1000000), Scale::Percent, "99.9999"},
        {Rational(1, 2000), Scale::Percent, "0.1"},  // exactly 0.05: one decimal still holds
        {Rational(1999, 2000), Scale::Percent, "99.95"},
        {Rational(2499, 2500), Scale::Percent, "99.96"},
        {Rational(37, 100000), Scale::Percent, "0.037"},
        {Rational(375, 1000000), Scale::Percent, "0.038"},
        {Rational(15, 1000000), Scale::Percent, "0.0015"},
        {0, Scale::Ratio, "0"},
        {8, Scale::Ratio, "8.00"},
        {Rational(23, 10000), Scale::Ratio, "0.00230"},
        {Rational(2, 1000000000), Scale::Ratio, "0.00000000200"},
        {Rational(9994, 1000), Scale::Ratio, "9.99"},
        {Rational(9995, 1000), Scale::Ratio, "10.0"},
        {Rational(1999, 2), Scale::Ratio, "1000"},
        {Rational(123456, 10), Scale::Ratio, "12346"},
        {Rational(-12, 100), Scale::Index, "-0.120"},
        {Rational(-1, 2500), Scale::Index, "-0.000400"},
        {-1, Scale::Index, "-1.00"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.x.str());
        EXPECT_EQ(Figure(r.x, r.scale), r.text);
    }
    // A double is rounded as the number it holds, a little below 1.305.
    EXPECT_EQ(Figure(1.305, Scale::Ratio), "1.30");
    EXPECT_EQ(Figure(inf, Scale::Ratio), "");
}

}  // namespace
