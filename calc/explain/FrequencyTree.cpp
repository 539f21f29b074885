#include "calc/explain/Pictures.h"

#include <algorithm>
#include <string>

#include "calc/explain/PictureCanvas.h"
#include "calc/explain/Wording.h"

namespace calc {

using picture::Canvas;

namespace {

constexpr double kBoxHeight = 44;

void TreeBox(Drawing& d, double centre, double top, double width, std::uint64_t count,
             const std::string& name, bool standsOut) {
    const Point topLeft{centre - width / 2, top}, bottomRight{centre + width / 2, top + kBoxHeight};
    if (standsOut) {
        d.Box(topLeft, bottomRight, Ink::AccentFaint, Ink::Accent, 2.5, 5);
    } else {
        d.Box(topLeft, bottomRight, Ink::Paper, Ink::Text, 1, 5);
    }
    d.Text({centre, top + 19}, GroupedText(count), Ink::Text, 13, true, Align::Centre);
    d.Text({centre, top + 36}, name, Ink::Text, 11, false, Align::Centre);
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
    Drawing d = Canvas(280);
    const double levels[] = {8, 96, 184};
    const auto topOf = [](double centre, double level) { return Point{centre, level}; };
    const auto bottomOf = [](double centre, double level) {
        return Point{centre, level + kBoxHeight};
    };
    TreeBranch(d, bottomOf(320, levels[0]), topOf(160, levels[1]), f.prevalence,
               PrevalenceBranch());
    TreeBranch(d, bottomOf(320, levels[0]), topOf(480, levels[1]), f.withoutDisorder, "");
    TreeBranch(d, bottomOf(160, levels[1]), topOf(80, levels[2]), f.sensitivity,
               SensitivityBranch());
    TreeBranch(d, bottomOf(160, levels[1]), topOf(240, levels[2]), f.missRate, "");
    TreeBranch(d, bottomOf(480, levels[1]), topOf(400, levels[2]), f.falsePositiveRate,
               FalsePositiveRateBranch());
    TreeBranch(d, bottomOf(480, levels[1]), topOf(560, levels[2]), f.specificity,
               SpecificityBranch());

    TreeBox(d, 320, levels[0], 150, t.total, TreeTopName(t.total), false);
    TreeBox(d, 160, levels[1], 190, t.diseased, WithDisorderName(), false);
    TreeBox(d, 480, levels[1], 190, t.Healthy(), WithoutDisorderName(), false);
    TreeBox(d, 80, levels[2], 140, t.truePositives, TestName(t.truePositives, true), true);
    TreeBox(d, 240, levels[2], 140, t.falseNegatives, TestName(t.falseNegatives, false), false);
    TreeBox(d, 400, levels[2], 140, t.falsePositives, TestName(t.falsePositives, true), true);
    TreeBox(d, 560, levels[2], 140, t.trueNegatives, TestName(t.trueNegatives, false), false);

    const std::string line = PositiveLine(t, f.positivePredictive);
    d.Text({320, 262}, line, Ink::Text, 13, false, Align::Centre);
    d.description = TreeDescription(t, f.positivePredictive);
    return d;
}

}  // namespace calc
