// The pictures are read back from their recorded shapes and labels: what carries meaning, not
// pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include "calc/explain/PictureCanvas.h"
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
         {"0.3%", "3.0%", "50.0%", "50.0%", "97.0%", "99.7%"}, "15 of 314 who test positive have the disorder (4.8%)"},
        // No one has the disorder: the sensitivity's branches carry no percentage.
        {{.tp = "0", .fp = "5", .fn = "0", .tn = "7"}, "12 0 12 0 0 5 7 ", "0 5 ",
         {"0.0%", "100.0%", "41.7%", "58.3%"}, "0 of 5 who test positive have the disorder (0.0%)"},
        {{.tp = "0", .fp = "0", .fn = "3", .tn = "9"}, "12 3 9 0 3 0 9 ", "0 0 ",
         {"0.0%", "0.0%", "100.0%", "100.0%", "25.0%", "75.0%"}, "No one tests positive"},
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
    // Each branch's name stands beside its own branch, over its own percentage: from left to
    // right the branches to the tested persons' boxes, then the two of the top box.
    const auto labels = All<Label>(calc::FrequencyTree(calc::Explain(kWorked)));
    std::multimap<double, std::string> named;
    for (const Label& l : labels) {
        const std::set<std::string> names{"prevalence", "sensitivity", "false-positive rate",
                                          "specificity"};
        if (!names.count(l.text)) continue;
        const Label* below = nullptr;
        for (const Label& p : labels) {
            const bool under = p.text.back() == '%' && p.at.y > l.at.y && p.at.y < l.at.y + 20;
            if (under && (!below || std::abs(p.at.x - l.at.x) < std::abs(below->at.x - l.at.x))) {
                below = &p;
            }
        }
        named.emplace(l.at.x, l.text + " " + (below ? below->text : "?"));
    }
    std::string order;
    for (const auto& n : named) order += n.second + "; ";
    EXPECT_EQ(order,
              "sensitivity 50.0%; prevalence 0.3%; false-positive rate 3.0%; specificity 97.0%; ");
}

TEST(PicturesTest, IconArraysShareOneScaleAndDrawPartsAsParts) {
    // Per array: whole circles, the part circle, whole squares, the part square; each legend
    // shows a whole icon of either kind.
    using Icons = std::array<double, 4>;
    const struct {
        calc::ExplanationRequest in;
        std::string scale, legend;
        Icons positive, negative;
    } rows[] = {
        // clang-format off
        // At 10 an icon the negatives' 970 icons stand beside the positives' 32, not at 1.
        {kWorked, "each icon: 10 persons in both arrays; part of an icon: fewer", "15 299 15 9,671 ",
         {2, .5, 30, .9}, {2, .5, 968, .1}},
        // 5 persons at 1,000 an icon show as the least part drawn, a tenth; so do 7.
        {{.tp = "5", .fp = "994995", .fn = "0", .tn = "7"},
         "each icon: 1,000 persons in both arrays; part of an icon: fewer", "5 994,995 0 7 ",
         {1, .1, 995, .995}, {1, 0, 1, .1}},
        // 10,000 persons are 1,000 icons at 10 an icon, yet drawn as 0.4 + 999.6 they take 1,001.
        {{.tp = "4", .fp = "9996", .fn = "0", .tn = "20"},
         "each icon: 100 persons in both arrays; part of an icon: fewer", "4 9,996 0 20 ",
         {1, .1, 100, .96}, {1, 0, 1, .2}},
        {{.tp = "1", .fp = "999", .fn = "0", .tn = "0"}, "each icon: 1 person", "1 999 ",
         {2, 0, 1000, 0}, {0, 0, 0, 0}},
        // clang-format on
    };
    for (const auto& r : rows) {
        const auto arrays = calc::IconArrays(calc::Explain(r.in));
        SCOPED_TRACE(arrays.description);
        Icons got[2]{};
        std::vector<std::pair<calc::Point, calc::Point>> boxes;
        for (const Shape& s : All<Shape>(arrays)) {
            calc::Point lo = s.points[0], hi = lo;
            double area = 0;
            for (std::size_t i = 0; i < s.points.size(); ++i) {
                const calc::Point p = s.points[i], q = s.points[(i + 1) % s.points.size()];
                lo = {std::min(lo.x, p.x), std::min(lo.y, p.y)};
                hi = {std::max(hi.x, p.x), std::max(hi.y, p.y)};
                area += (p.x * q.y - q.x * p.y) / 2;
            }
            const double w = hi.x - lo.x, h = hi.y - lo.y;
            Icons& side = got[lo.x < 320 ? 0 : 1];
            if (s.fill == Ink::Series1 && s.kind == Kind::Ellipse) {
                side[0] += 1;
            } else if (s.fill == Ink::Series1 && s.kind == Kind::Polygon) {
                const calc::Point centre = s.points[0], top = s.points[1];
                const double radius = std::hypot(top.x - centre.x, top.y - centre.y);
                side[1] += std::abs(area) / (std::numbers::pi * radius * radius);
            } else if (s.stroke == Ink::Series2) {
                side[h < w - 1e-9 ? 3 : 2] += h / w;
            } else {
                continue;
            }
            boxes.emplace_back(lo, hi);
        }
        for (int i = 0; i < 4; ++i) {
            EXPECT_NEAR(got[0][i], r.positive[i], 0.01) << i;
            EXPECT_NEAR(got[1][i], r.negative[i], 0.01) << i;
        }
        // A part of an icon takes a place of its own.
        int overlaps = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                overlaps +=
                    boxes[i].first.x < boxes[j].second.x && boxes[j].first.x < boxes[i].second.x &&
                    boxes[i].first.y < boxes[j].second.y && boxes[j].first.y < boxes[i].second.y;
            }
        }
        EXPECT_EQ(overlaps, 0);
        std::string scales, legend;
        for (const Label& l : All<Label>(arrays)) {
            if (l.text.starts_with("each")) scales += l.text;
            if (l.text.ends_with("the disorder"))
                legend += l.text.substr(0, l.text.find(' ')) + " ";
        }
        EXPECT_EQ(scales, r.scale);
        EXPECT_EQ(legend, r.legend);
        // The description says the scale first, and once.
        EXPECT_EQ(arrays.description.rfind("E" + r.scale.substr(1) + ". ", 0), 0u);
        EXPECT_EQ(arrays.description.rfind("icon"), r.scale.rfind("icon"));
    }
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

// The names of what is tested and who, in every sentence, picture and text alternative, a count
// of 1 in the singular or, with no singular, without a noun.
TEST(PicturesTest, EverySentenceAndPictureTellsItInTheNamesGiven) {
    const calc::Labels women{"breast cancer", "women aged 50 to 69", "woman aged 50 to 69"};
    const calc::Labels plural{"breast cancer", "women aged 50 to 69", ""};
    // clang-format off
    const struct { const calc::Labels& labels; const char *where, *says; } rows[] = {
        {women, "sentences", "Of 8 women aged 50 to 69, 3 have breast cancer. 1 of these 3 tests positive. Of the 5 without breast cancer, 0 also test positive. So 1 of the 1 woman aged 50 to 69 who tests positive has breast cancer (100.0%). Of the 7 women aged 50 to 69 who test negative, 5 do not have breast cancer (71.4%), so 28.6% of those who test negative have breast cancer."},
        {plural, "sentences", "So 1 of the 1 who tests positive has breast cancer (100.0%)."},
        {women, "tree", "8 women aged 50 to 69 3 with breast cancer 5 without breast cancer"},
        {women, "tree", "| 1 of 1 who tests positive has breast cancer (100.0%). A tree of 8 women aged 50 to 69: 3 with breast cancer,"},
        {women, "icons", "Test positive: 1 woman aged 50 to 69 1 with breast cancer 0 without breast cancer"},
        {plural, "icons", "Of the 1 who tests positive, 1 has breast cancer and 0 do not. Of the 7 women aged 50 to 69 who test negative"},
        {women, "curves", "prevalence of breast cancer (logarithmic scale)"},
        {women, "curves", "| The predictive values of this test for breast cancer against its prevalence, from"},
        {women, "copy", "have breast cancer.\nSource: a trial.\n"},
    };
    // clang-format on
    for (const auto& r : rows) {
        SCOPED_TRACE(r.says);
        const auto x = calc::Explain({"1", "0", "2", "5", "", "", "", {}, 0, r.labels, "a trial"});
        const std::string where = r.where;
        std::string text =
            where == "copy" ? x.PlainText() : x.positiveSentence + " " + x.negativeSentence;
        if (where == "tree" || where == "icons" || where == "curves") {
            const auto d = where == "tree"    ? calc::FrequencyTree(x)
                           : where == "icons" ? calc::IconArrays(x)
                                              : calc::PredictiveCurves(x);
            text.clear();
            for (const Label& l : All<Label>(d)) text += l.text + " ";
            text += "| " + d.description;
        }
        EXPECT_NE(text.find(r.says), std::string::npos) << text;
    }
}

// Names of the most a field takes, one a single word, break into lines that stay inside their
// boxes and clear of each other and of the icons, and the boxes and arrays grow to hold them.
TEST(PicturesTest, LongNamesWrapInsideTheirBoxesAndHalves) {
    const calc::Labels forty{"pseudohypoparathyroidismpseudohypoparath",
                             "heterosexual men with low-risk behaviour",
                             "heterosexual man with low-risk behaviour"};
    const auto x = calc::Explain({"15", "299", "15", "9671", "", "", "", {}, 0, forty});
    struct Extent {
        double left, top, right, bottom;
        bool Overlaps(const Extent& o) const {
            return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
        }
    };
    for (const auto& d : {calc::FrequencyTree(x), calc::IconArrays(x)}) {
        std::vector<Extent> boxes, icons, texts;
        for (const Shape& s : All<Shape>(d)) {
            const Extent e{s.points[0].x, s.points[0].y, s.points.back().x, s.points.back().y};
            if (s.kind == Kind::Rectangle && s.cornerRadius > 0) boxes.push_back(e);
            if (s.fill == Ink::Series1 || s.stroke == Ink::Series2) icons.push_back(e);
        }
        for (const Label& l : All<Label>(d)) {
            const double w = calc::picture::RoughWidth(l.text, l.size);
            const double left = l.align == calc::Align::Left    ? l.at.x
                                : l.align == calc::Align::Right ? l.at.x - w
                                                                : l.at.x - w / 2;
            const Extent e{left, l.at.y - 0.75 * l.size, left + w, l.at.y + 0.2 * l.size};
            SCOPED_TRACE(l.text);
            EXPECT_TRUE(e.left >= 0 && e.right <= d.Width() && e.bottom <= d.Height());
            for (const Extent& b : boxes) {
                const bool inside = e.left >= b.left && e.right <= b.right && e.bottom <= b.bottom;
                EXPECT_TRUE(inside || !b.Overlaps(e));
            }
            for (const Extent& o : texts) EXPECT_FALSE(o.Overlaps(e)) << o.left << "," << o.top;
            for (const Extent& i : icons) EXPECT_FALSE(i.Overlaps(e));
            texts.push_back(e);
        }
    }
}
