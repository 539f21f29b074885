#include "calc/explain/Pictures.h"

#include <algorithm>
#include <string>
#include <vector>

#include "calc/explain/PictureCanvas.h"
#include "calc/explain/Wording.h"

namespace calc {

using picture::Canvas;

namespace {

using picture::Wrapped;

// A box is as high as a count and one line of its name; a person's long name takes more lines,
// and every box of its level grows alike, so that the branches still meet them level.
constexpr double kBoxHeight = 44, kNameLeading = 13, kNameInset = 6;

std::vector<std::string> NameLines(const std::string& name, double boxWidth) {
    return Wrapped(name, 11, boxWidth - 2 * kNameInset);
}

double BoxHeight(std::size_t nameLines) {
    return kBoxHeight + kNameLeading * static_cast<double>(std::max<std::size_t>(nameLines, 1) - 1);
}

void TreeBox(Drawing& d, double centre, double top, double width, double height,
             std::uint64_t count, const std::vector<std::string>& name, bool standsOut) {
    const Point topLeft{centre - width / 2, top}, bottomRight{centre + width / 2, top + height};
    if (standsOut) {
        d.Box(topLeft, bottomRight, Ink::AccentFaint, Ink::Accent, 2.5, 5);
    } else {
        d.Box(topLeft, bottomRight, Ink::Paper, Ink::Text, 1, 5);
    }
    d.Text({centre, top + 19}, GroupedText(count), Ink::Text, 13, true, Align::Centre);
    for (std::size_t i = 0; i < name.size(); ++i) {
        d.Text({centre, top + 36 + kNameLeading * static_cast<double>(i)}, name[i], Ink::Text, 11,
               false, Align::Centre);
    }
}

// A branch from a box down to one of its two children, its percentage (and the figure's name,
// where it has one) beside the line on the outer side, clear of the slanting line.
void TreeBranch(Drawing& d, Point from, Point to, const std::string& shown,
                const std::string& name) {
    d.Line(from, to, Ink::Text, 1.2);
    if (shown.empty()) return;
    const bool left = to.x < from.x;
    const auto lineX = [&](double y) {
        return from.x + (to.x - from.x) * (y - from.y) / (to.y - from.y);
    };
    const auto beside = [&](double baseline, const std::string& text, double size, bool bold) {
        // The text's lower edge is where the line comes closest.
        const double x = lineX(baseline + 3) + (left ? -7 : 7);
        d.Text({x, baseline}, text, Ink::Text, size, bold, left ? Align::Right : Align::Left);
    };
    const double middle = (from.y + to.y) / 2;
    const std::string percent = PercentSign(shown);
    if (!name.empty()) {
        beside(middle - 4, name, 11, false);
        beside(middle + 10, percent, 12, true);
    } else {
        beside(middle + 4, percent, 12, true);
    }
}

}  // namespace

Drawing FrequencyTree(const Explanation& x) {
    const PersonsTree& t = x.persons;
    const ShownPercents& f = x.shown;
    const Labels& l = x.labels;
    struct Box {
        double centre, width;
        std::uint64_t count;
        std::vector<std::string> name;
        bool standsOut;
    };
    const auto box = [](double centre, double width, std::uint64_t count, const std::string& name,
                        bool standsOut) {
        return Box{centre, width, count, NameLines(name, width), standsOut};
    };
    const std::vector<Box> levels[] = {
        {box(320, 150, t.total, TreeTopName(t.total, l), false)},
        {box(160, 190, t.diseased, WithDisorderName(l), false),
         box(480, 190, t.Healthy(), WithoutDisorderName(l), false)},
        {box(80, 140, t.truePositives, TestName(t.truePositives, true), true),
         box(240, 140, t.falseNegatives, TestName(t.falseNegatives, false), false),
         box(400, 140, t.falsePositives, TestName(t.falsePositives, true), true),
         box(560, 140, t.trueNegatives, TestName(t.trueNegatives, false), false)},
    };
    // Each level's top and height; a branch spans the 44 pixels between two levels.
    double tops[3], heights[3];
    double top = 8;
    for (int i = 0; i < 3; ++i) {
        std::size_t lines = 1;
        for (const Box& b : levels[i]) lines = std::max(lines, b.name.size());
        tops[i] = top;
        heights[i] = BoxHeight(lines);
        top += heights[i] + 44;
    }
    const std::vector<std::string> line =
        Wrapped(PositiveLine(t, f.positivePredictive, l), 13, picture::kWidth - 20);
    const double lineTop = tops[2] + heights[2] + 34;
    Drawing d = Canvas(lineTop + 17 * static_cast<double>(line.size() - 1) + 18);

    const auto topOf = [&](double centre, int level) { return Point{centre, tops[level]}; };
    const auto bottomOf = [&](double centre, int level) {
        return Point{centre, tops[level] + heights[level]};
    };
    TreeBranch(d, bottomOf(320, 0), topOf(160, 1), f.prevalence, PrevalenceBranch());
    TreeBranch(d, bottomOf(320, 0), topOf(480, 1), f.withoutDisorder, "");
    TreeBranch(d, bottomOf(160, 1), topOf(80, 2), f.sensitivity, SensitivityBranch());
    TreeBranch(d, bottomOf(160, 1), topOf(240, 2), f.missRate, "");
    TreeBranch(d, bottomOf(480, 1), topOf(400, 2), f.falsePositiveRate, FalsePositiveRateBranch());
    TreeBranch(d, bottomOf(480, 1), topOf(560, 2), f.specificity, SpecificityBranch());

    for (int i = 0; i < 3; ++i) {
        for (const Box& b : levels[i]) {
            TreeBox(d, b.centre, tops[i], b.width, heights[i], b.count, b.name, b.standsOut);
        }
    }
    for (std::size_t i = 0; i < line.size(); ++i) {
        d.Text({320, lineTop + 17 * static_cast<double>(i)}, line[i], Ink::Text, 13, false,
               Align::Centre);
    }
    d.description = TreeDescription(t, f.positivePredictive, l);
    return d;
}

}  // namespace calc
