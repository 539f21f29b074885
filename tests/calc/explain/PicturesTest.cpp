// The pictures are read back from their recorded shapes and labels: what carries meaning, not
// pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "calc/explain/Pictures.h"

using calc::Ink;
using calc::Label;
using calc::Shape;
using Kind = calc::Shape::Kind;

namespace {

template <class T>
std::vector<T> All(const calc::Drawing& d) {
    std::vector<T> out;
    for (const auto& item : d.Items()) {
        if (const auto* t = std::get_if<T>(&item)) out.push_back(*t);
    }
    return out;
}

const calc::ExplanationRequest kWorked{.pre = "0.3", .dt = "50", .t = "3"};

}  // namespace

TEST(PicturesTest, TreeCountsBranchesAndThePositives) {
    const struct {
        calc::ExplanationRequest in;
        std::string counts, standingOut;  // boxes top to bottom, left to right
        std::multiset<std::string> percents;
        std::string line;
    } rows[] = {
        // clang-format off
        {kWorked, "10,000 30 9,970 15 15 299 9,671 ", "15 299 ",
         {"0.3%", "3%", "50%", "50%", "97%", "99.7%"}, "15 of 314 who test positive have the disorder (4.8%)"},
        // No one has the disorder: the sensitivity's branches carry no percentage.
        {{.tp = "0", .fp = "5", .fn = "0", .tn = "7"}, "12 0 12 0 0 5 7 ", "0 5 ",
         {"0%", "100%", "41.7%", "58.3%"}, "0 of 5 who test positive have the disorder (0%)"},
        {{.tp = "0", .fp = "0", .fn = "3", .tn = "9"}, "12 3 9 0 3 0 9 ", "0 0 ",
         {"0%", "0%", "100%", "100%", "25%", "75%"}, "No one tests positive"},
        // One in a million does not round away to 0% or 100%.
        {{.pre = "0.0001", .dt = "99.9", .t = "0.1"}, "1,000,000 1 999,999 1 0 1,000 998,999 ", "1 1,000 ",
         {"0.0001%", "99.9999%", "99.9%", "0.1%", "0.1%", "99.9%"}, "1 of 1,001 who test positive has the disorder (0.1%)"},
        // clang-format on
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.line);
        const auto tree = calc::FrequencyTree(calc::Explain(r.in));
        std::set<std::tuple<double, double, std::string>> counts;
        std::multiset<std::string> percents;
        std::string standingOut, countTexts;
        for (const Label& l : All<Label>(tree)) {
            if (l.text.back() == '%') percents.insert(l.text);
            if (l.bold && l.size == 13) counts.emplace(l.at.y, l.at.x, l.text);
            for (const Shape& s : All<Shape>(tree)) {
                const auto &a = s.points[0], &b = s.points.back();
                if (s.stroke == Ink::Accent && s.fill == Ink::AccentFaint && l.size == 13 &&
                    l.at.x > a.x && l.at.x < b.x && l.at.y > a.y && l.at.y < b.y) {
                    standingOut += l.text + " ";
                }
            }
        }
        for (const auto& c : counts) countTexts += std::get<2>(c) + " ";
        EXPECT_EQ(countTexts, r.counts);
        EXPECT_EQ(standingOut, r.standingOut);
        EXPECT_EQ(percents, r.percents);
        EXPECT_EQ(tree.description.rfind(r.line + ". ", 0), 0u);
    }
}

TEST(PicturesTest, IconScaleKeepsEveryGroupVisible) {
    // clang-format off
    const struct { std::uint64_t group1, group2, perIcon, icons1, icons2; } rows[] = {
        {15, 299, 1, 15, 299}, {15, 9671, 10, 2, 967}, {0, 1000, 1, 0, 1000},
        // A group that rounds to no icon still shows one, and that icon needs room too.
        {4, 994996, 1000, 1, 995}, {1, 1000, 10, 1, 100},
    };
    // clang-format on
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.group1) + " and " + std::to_string(r.group2));
        EXPECT_EQ(calc::PersonsPerIcon(r.group1, r.group2), r.perIcon);
        EXPECT_EQ(calc::IconsFor(r.group1, r.perIcon), r.icons1);
        EXPECT_EQ(calc::IconsFor(r.group2, r.perIcon), r.icons2);
    }
    const auto arrays = calc::IconArrays(calc::Explain(kWorked));
    std::vector<int> icons(4);  // positive with, positive without, negative with, without
    for (const Shape& s : All<Shape>(arrays)) {
        const bool with = s.kind == Kind::Ellipse && s.fill == Ink::Series1;
        const bool without = s.kind == Kind::Rectangle && s.fill == Ink::None;
        if (with || without) ++icons[(s.points[0].x < 320 ? 0 : 2) + (without ? 1 : 0)];
    }
    // Each legend shows one icon of either kind.
    EXPECT_EQ(icons, (std::vector{15 + 1, 299 + 1, 2 + 1, 967 + 1}));
    std::string scales;
    for (const Label& l : All<Label>(arrays)) scales += l.text.rfind("each icon", 0) ? "" : l.text;
    EXPECT_EQ(scales, "each icon: 1 personeach icon: 10 persons");
}

TEST(PicturesTest, CurvesPassThroughTheMarkedValues) {
    const calc::ExplanationRequest rows[] = {
        kWorked,
        {.tp = "231", .fp = "32", .fn = "27", .tn = "54"},
        {.pre = "0.0004", .dt = "90", .t = "0.5"},  // below the axis's usual start
    };
    for (const auto& in : rows) {
        const auto x = calc::Explain(in);
        SCOPED_TRACE(x.positiveSentence);
        Shape frame, marker, ppv, npv;
        for (const Shape& s : All<Shape>(calc::PredictiveCurves(x))) {
            if (s.kind == Kind::Rectangle && s.fill == Ink::None) frame = s;
            if (s.kind == Kind::Polyline && s.stroke == Ink::Accent) marker = s;
            if (s.points.size() > 2) (s.stroke == Ink::Series1 ? ppv : npv) = s;
        }
        ASSERT_TRUE(frame.points.size() == 2 && marker.points.size() == 2);
        ASSERT_TRUE(npv.dashed && !ppv.dashed && ppv.points.size() == npv.points.size());
        const double top = frame.points[0].y, bottom = frame.points[1].y, at = marker.points[0].x;
        std::size_t n = 0;  // the point nearest the marker
        for (std::size_t i = 1; i < ppv.points.size(); ++i) {
            if (std::abs(ppv.points[i].x - at) < std::abs(ppv.points[n].x - at)) n = i;
            EXPECT_LE(ppv.points[i].y, ppv.points[i - 1].y + 1e-9);
            EXPECT_GE(npv.points[i].y, npv.points[i - 1].y - 1e-9);
        }
        const auto y = [&](const calc::Estimate& e) { return bottom - e.value * (bottom - top); };
        EXPECT_NEAR(ppv.points[n].y, y(x.figures.positivePredictiveValue), 1);
        EXPECT_NEAR(npv.points[n].y, y(x.figures.negativePredictiveValue), 1);
        const double p = x.figures.prevalence.value;
        EXPECT_NEAR(calc::PrevalenceAt(x, at), p, p * 1e-9);
        EXPECT_NEAR(calc::StepReading(x, p, -3), p * std::pow(10, -0.3), p * 1e-9);
        EXPECT_EQ(calc::StepReading(x, p, 100), calc::PrevalenceAt(x, 1e6));
    }
}
