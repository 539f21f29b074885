#include "windows/ResultPictures.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "framework/TextNumber.h"

namespace windows {

using calc::GroupedText;
using calc::PercentText;
using framework::Align;
using framework::Drawing;
using framework::Ink;
using framework::Point;
using framework::Shape;

namespace {

constexpr double kWidth = 640;

// A text's width on the generous side, so that boxes and gaps are laid out before any font is
// at hand and still hold their texts in a wide desktop font.
double RoughWidth(std::string_view text, double size) {
    double chars = 0;
    for (const unsigned char c : text) chars += (c & 0xC0) != 0x80 ? 1 : 0;
    return 0.62 * size * chars;
}

Drawing Canvas(double height) {
    Drawing d(kWidth, height);
    d.Box({0, 0}, {kWidth, height}, Ink::Paper, Ink::None, 0);
    return d;
}

std::string People(std::uint64_t n) {
    return GroupedText(n) + (n == 1 ? " person" : " people");
}

std::string Have(std::uint64_t n) {
    return n == 1 ? " has" : " have";
}

// ---- The frequency tree ----

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

// A share as a percentage, to one decimal as the calculator writes it, except where that would
// round a share that is neither none nor all to 0% or 100%: then with two significant digits of
// its distance from there, so that one person in a million still shows.
std::string ShareText(double p) {
    const double gap = std::min(p, 1 - p) * 100;
    if (gap <= 0 || gap >= 0.05) return PercentText(p) + "%";
    const int decimals = std::min(15, 1 - static_cast<int>(std::floor(std::log10(gap))));
    return calc::LeadingZero(framework::Format(
               p * 100, "#." + std::string(static_cast<std::size_t>(decimals), '#'))) +
           "%";
}

// A branch from a box down to one of its two children, its percentage (and the figure's name,
// where it has one) beside the line on the outer side, clear of the slanting line.
void TreeBranch(Drawing& d, Point from, Point to, const calc::Estimate& figure, bool complement,
                const char* name) {
    d.Line(from, to, Ink::Text, 1.2);
    if (!figure.Defined()) return;
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
    const std::string percent = ShareText(complement ? 1 - figure.value : figure.value);
    if (*name) {
        beside(middle - 4, name, 11, false);
        beside(middle + 10, percent, 12, true);
    } else {
        beside(middle + 4, percent, 12, true);
    }
}

std::string PositiveLine(const calc::PersonsTree& t) {
    if (t.Positives() == 0) return "No one tests positive";
    return GroupedText(t.truePositives) + " of " + GroupedText(t.Positives()) +
           (t.Positives() == 1 ? " who tests" : " who test") + " positive" + Have(t.truePositives) +
           " the disorder (" +
           PercentText(static_cast<double>(t.truePositives) / static_cast<double>(t.Positives())) +
           "%)";
}

// ---- The icon arrays ----

constexpr int kColumns = 30;
constexpr double kPitch = 10;
constexpr double kIconsTop = 88;

// Those with the disorder are filled circles, those without hollow squares: apart by shape and
// fill as well as by colour.
void Icon(Drawing& d, Point topLeft, bool withDisorder, double size) {
    const Point bottomRight{topLeft.x + size, topLeft.y + size};
    if (withDisorder) {
        d.Add(Shape{Shape::Kind::Ellipse, {topLeft, bottomRight}, Ink::Series1, Ink::Series1, 1});
    } else {
        d.Box({topLeft.x + 0.7, topLeft.y + 0.7}, {bottomRight.x - 0.7, bottomRight.y - 0.7},
              Ink::None, Ink::Series2, 1.4);
    }
}

// Icons stand in blocks of ten by ten, so that a reader can count them by the hundred.
constexpr double kBlockGap = 3;

Point IconAt(double left, std::uint64_t i) {
    const auto column = static_cast<double>(i % kColumns), row = static_cast<double>(i / kColumns);
    return {left + column * kPitch + std::floor(column / 10) * kBlockGap,
            kIconsTop + row * kPitch + std::floor(row / 10) * kBlockGap};
}

std::string GroupInWords(const char* test, std::uint64_t with, std::uint64_t without,
                         std::uint64_t perIcon) {
    const std::uint64_t all = with + without;
    if (all == 0) return std::string("No one tests ") + test + ".";
    return "Of the " + People(all) + (all == 1 ? " who tests " : " who test ") + test + ", " +
           GroupedText(with) + Have(with) + " the disorder and " + GroupedText(without) +
           (without == 1 ? " does" : " do") + " not (each icon: " + GroupedText(perIcon) +
           (perIcon == 1 ? " person)." : " persons).");
}

void IconArray(Drawing& d, double left, const char* test, std::uint64_t with,
               std::uint64_t without) {
    const std::uint64_t all = with + without;
    d.Text({left, 22}, "Test " + std::string(test) + ": " + People(all), Ink::Text, 13, true);
    if (all == 0) {
        d.Text({left, 44}, std::string("No one tests ") + test + ".", Ink::Text, 12);
        return;
    }
    const std::uint64_t perIcon = PersonsPerIcon(with, without);
    d.Text({left, 40},
           "each icon: " + GroupedText(perIcon) + (perIcon == 1 ? " person" : " persons"),
           Ink::Text, 11);
    Icon(d, {left, 50}, true, 9);
    d.Text({left + 15, 58}, GroupedText(with) + " with the disorder", Ink::Text, 11);
    Icon(d, {left, 66}, false, 9);
    d.Text({left + 15, 74}, GroupedText(without) + " without the disorder", Ink::Text, 11);
    const std::uint64_t withIcons = IconsFor(with, perIcon);
    const std::uint64_t icons = withIcons + IconsFor(without, perIcon);
    for (std::uint64_t i = 0; i < icons; ++i) {
        Icon(d, IconAt(left, i), i < withIcons, kPitch - 2);
    }
}

// ---- The predictive values over prevalence ----

constexpr double kHighest = 0.99;

struct Axes {
    double left = 58, right = 618, top = 48, bottom = 252;
    double lowLog = -4;
    double highLog = std::log10(kHighest);

    double X(double prevalence) const {
        if (prevalence <= 0) return left;
        const double at = std::clamp(std::log10(prevalence), lowLog, highLog);
        return left + (at - lowLog) / (highLog - lowLog) * (right - left);
    }
    double Y(double value) const { return bottom - value * (bottom - top); }
};

// From 0.01% up, or from the decade of a smaller current prevalence.
Axes AxesFor(const calc::Explanation& x) {
    Axes a;
    const double p = x.figures.prevalence.value;
    if (p > 0 && p < 1e-4) a.lowLog = std::floor(std::log10(p));
    return a;
}

std::optional<double> PositivePredictive(double sensitivity, double specificity, double p) {
    const double truePositive = sensitivity * p, falsePositive = (1 - specificity) * (1 - p);
    if (truePositive + falsePositive <= 0) return std::nullopt;
    return truePositive / (truePositive + falsePositive);
}

std::optional<double> NegativePredictive(double sensitivity, double specificity, double p) {
    const double trueNegative = specificity * (1 - p), falseNegative = (1 - sensitivity) * p;
    if (trueNegative + falseNegative <= 0) return std::nullopt;
    return trueNegative / (trueNegative + falseNegative);
}

// 10^decade as a percentage: "0.01%", "10%".
std::string DecadeText(int decade) {
    if (decade >= -2) return "1" + std::string(static_cast<std::size_t>(decade + 2), '0') + "%";
    return "0." + std::string(static_cast<std::size_t>(-decade - 3), '0') + "1%";
}

std::string PlaceText(double p, const char* what) {
    if (p <= 0) return std::string(what) + " 0: at the left end";
    if (p > kHighest) return std::string(what) + " " + ShareText(p) + ": at the right end";
    return std::string(what) + " " + ShareText(p);
}

std::string ValueText(std::optional<double> v) {
    return v ? PercentText(*v) + "%" : "undefined";
}

// The marks of the two curves' values: the shapes of the icon arrays again.
void Dot(Drawing& d, Point centre) {
    d.Add(Shape{Shape::Kind::Ellipse,
                {{centre.x - 4, centre.y - 4}, {centre.x + 4, centre.y + 4}},
                Ink::Series1,
                Ink::Paper,
                1});
}

void Square(Drawing& d, Point centre) {
    d.Box({centre.x - 3.5, centre.y - 3.5}, {centre.x + 3.5, centre.y + 3.5}, Ink::Paper,
          Ink::Series2, 1.6);
}

struct Values {
    std::optional<double> positive, negative;
};

// A marker across the plot with both values labelled beside it, on one side.
void Marker(Drawing& d, const Axes& a, double p, const Values& v, bool current, bool rightSide,
            double labelBaseline) {
    const double x = a.X(p);
    d.Line({x, a.top}, {x, a.bottom}, current ? Ink::Accent : Ink::Text, current ? 1.6 : 1.2,
           !current);
    const std::string place = PlaceText(p, current ? "prevalence" : "reading");
    const double width = RoughWidth(place, 11);
    d.Text({std::clamp(x - width / 2, 4.0, kWidth - 4 - width), labelBaseline}, place,
           current ? Ink::Accent : Ink::Text, 11, current);

    const std::string texts[] = {"PPV " + ValueText(v.positive), "NPV " + ValueText(v.negative)};
    // The positive value rises with prevalence and the negative one falls: each label stands on
    // the side of its point that its curve leaves free.
    const double below = 15, above = -6;
    double baselines[] = {a.Y(v.positive.value_or(0)) + (rightSide ? below : above),
                          a.Y(v.negative.value_or(1)) + (rightSide ? above : below)};
    // Inside the plot, and apart where the values are close.
    const double highest = a.top + 13, lowest = a.bottom - 3;
    for (double& b : baselines) b = std::clamp(b, highest, lowest);
    const int upper = baselines[0] <= baselines[1] ? 0 : 1;
    if (baselines[1 - upper] - baselines[upper] < 14) {
        const double middle =
            std::clamp((baselines[0] + baselines[1]) / 2, highest + 7, lowest - 7);
        baselines[upper] = middle - 7;
        baselines[1 - upper] = middle + 7;
    }
    for (const int i : {0, 1}) {
        const std::optional<double> value = i == 0 ? v.positive : v.negative;
        if (value) {
            const double y = a.Y(*value);
            if (i == 0) {
                Dot(d, {x, y});
            } else {
                Square(d, {x, y});
            }
        }
        // On paper, so that a curve or grid line running through stays behind the text.
        const double textX = rightSide ? x + 8 : x - 8, width = RoughWidth(texts[i], 12);
        const double baseline = baselines[i], start = rightSide ? textX : textX - width;
        d.Box({start - 2, baseline - 11}, {start + width + 2, baseline + 3}, Ink::Paper, Ink::None,
              0);
        d.Text({textX, baseline}, texts[i], Ink::Text, 12, true,
               rightSide ? Align::Left : Align::Right);
    }
}

Values ValuesAt(double sensitivity, double specificity, double p) {
    return {PositivePredictive(sensitivity, specificity, p),
            NegativePredictive(sensitivity, specificity, p)};
}

}  // namespace

framework::Drawing FrequencyTree(const calc::Explanation& x) {
    const calc::PersonsTree& t = x.persons;
    const calc::TestStatistics& f = x.figures;
    Drawing d = Canvas(280);
    const double levels[] = {8, 96, 184};
    const auto topOf = [](double centre, double level) { return Point{centre, level}; };
    const auto bottomOf = [](double centre, double level) {
        return Point{centre, level + kBoxHeight};
    };
    TreeBranch(d, bottomOf(320, levels[0]), topOf(160, levels[1]), f.prevalence, false,
               "prevalence");
    TreeBranch(d, bottomOf(320, levels[0]), topOf(480, levels[1]), f.prevalence, true, "");
    TreeBranch(d, bottomOf(160, levels[1]), topOf(80, levels[2]), f.sensitivity, false,
               "sensitivity");
    TreeBranch(d, bottomOf(160, levels[1]), topOf(240, levels[2]), f.sensitivity, true, "");
    TreeBranch(d, bottomOf(480, levels[1]), topOf(400, levels[2]), f.specificity, true,
               "false-positive rate");
    TreeBranch(d, bottomOf(480, levels[1]), topOf(560, levels[2]), f.specificity, false,
               "specificity");

    TreeBox(d, 320, levels[0], 150, t.total, t.total == 1 ? "person" : "people", false);
    TreeBox(d, 160, levels[1], 190, t.diseased, "with the disorder", false);
    TreeBox(d, 480, levels[1], 190, t.Healthy(), "without the disorder", false);
    const auto tests = [](std::uint64_t n, const char* result) {
        return std::string(n == 1 ? "tests " : "test ") + result;
    };
    TreeBox(d, 80, levels[2], 140, t.truePositives, tests(t.truePositives, "positive"), true);
    TreeBox(d, 240, levels[2], 140, t.falseNegatives, tests(t.falseNegatives, "negative"), false);
    TreeBox(d, 400, levels[2], 140, t.falsePositives, tests(t.falsePositives, "positive"), true);
    TreeBox(d, 560, levels[2], 140, t.trueNegatives, tests(t.trueNegatives, "negative"), false);

    const std::string line = PositiveLine(t);
    d.Text({320, 262}, line, Ink::Text, 13, false, Align::Centre);
    d.description = line + ". A tree of " + People(t.total) + ": " + GroupedText(t.diseased) +
                    " with the disorder, of whom " + GroupedText(t.truePositives) +
                    " test positive and " + GroupedText(t.falseNegatives) + " negative; " +
                    GroupedText(t.Healthy()) + " without it, of whom " +
                    GroupedText(t.falsePositives) + " test positive and " +
                    GroupedText(t.trueNegatives) + " negative.";
    return d;
}

std::uint64_t PersonsPerIcon(std::uint64_t group1, std::uint64_t group2) {
    std::uint64_t perIcon = 1;
    while (IconsFor(group1, perIcon) + IconsFor(group2, perIcon) > 1000) perIcon *= 10;
    return perIcon;
}

std::uint64_t IconsFor(std::uint64_t persons, std::uint64_t perIcon) {
    if (persons == 0) return 0;
    const std::uint64_t whole = persons / perIcon, rest = persons % perIcon;
    return std::max<std::uint64_t>(1, whole + (rest >= perIcon - rest ? 1 : 0));
}

framework::Drawing IconArrays(const calc::Explanation& x) {
    const calc::PersonsTree& t = x.persons;
    const auto bottom = [](std::uint64_t with, std::uint64_t without) {
        if (with + without == 0) return kIconsTop;
        const std::uint64_t perIcon = PersonsPerIcon(with, without);
        return IconAt(0, IconsFor(with, perIcon) + IconsFor(without, perIcon) - 1).y + kPitch;
    };
    const double height = std::max(bottom(t.truePositives, t.falsePositives),
                                   bottom(t.falseNegatives, t.trueNegatives)) +
                          10;
    Drawing d = Canvas(height);
    IconArray(d, 10, "positive", t.truePositives, t.falsePositives);
    IconArray(d, 324, "negative", t.falseNegatives, t.trueNegatives);
    d.description = GroupInWords("positive", t.truePositives, t.falsePositives,
                                 PersonsPerIcon(t.truePositives, t.falsePositives)) +
                    " " +
                    GroupInWords("negative", t.falseNegatives, t.trueNegatives,
                                 PersonsPerIcon(t.falseNegatives, t.trueNegatives));
    return d;
}

framework::Drawing PredictiveCurves(const calc::Explanation& x, std::optional<double> reading) {
    const calc::TestStatistics& f = x.figures;
    Drawing d = Canvas(324);
    if (!f.sensitivity.Defined() || !f.specificity.Defined()) {
        d.description = "The curves need persons with and without the disorder.";
        d.Text({kWidth / 2, 160}, d.description, Ink::Text, 13, false, Align::Centre);
        return d;
    }
    const double sensitivity = f.sensitivity.value, specificity = f.specificity.value;
    const Axes a = AxesFor(x);
    const double prevalence = f.prevalence.value;

    for (const int percent : {0, 25, 50, 75, 100}) {
        const double y = a.Y(percent / 100.0);
        d.Line({a.left, y}, {a.right, y}, Ink::Faint);
        d.Text({a.left - 6, y + 4}, std::to_string(percent) + "%", Ink::Text, 11, false,
               Align::Right);
    }
    // Decades are labelled as far apart as their texts need.
    const int decades = static_cast<int>(-a.lowLog);
    const double decadeWidth = (a.right - a.left) / (a.highLog - a.lowLog);
    int every = 1;
    while (decadeWidth * every < RoughWidth(DecadeText(static_cast<int>(a.lowLog)), 11) + 12)
        ++every;
    for (int i = 0; i <= decades; ++i) {
        const double tickX = a.X(std::pow(10.0, a.lowLog + i));
        if (i < decades) d.Line({tickX, a.top}, {tickX, a.bottom}, Ink::Faint);
        if (i % every == 0 && a.right - tickX > 40) {
            d.Text({tickX, a.bottom + 16}, DecadeText(static_cast<int>(a.lowLog) + i), Ink::Text,
                   11, false, Align::Centre);
        }
    }
    d.Text({a.right, a.bottom + 16}, "99%", Ink::Text, 11, false, Align::Centre);
    d.Text({(a.left + a.right) / 2, a.bottom + 34}, "prevalence (logarithmic scale)", Ink::Text, 11,
           false, Align::Centre);
    // The plot's frame spans the axis, 0 to 100% high.
    d.Box({a.left, a.top}, {a.right, a.bottom}, Ink::None, Ink::Text, 1);

    // Evenly along the axis, and at the marked prevalences themselves, so that each curve passes
    // exactly through the values labelled there.
    std::vector<double> logs;
    constexpr int kSamples = 280;
    for (int i = 0; i <= kSamples; ++i) {
        logs.push_back(a.lowLog + (a.highLog - a.lowLog) * i / kSamples);
    }
    for (const double p : {prevalence, reading.value_or(0)}) {
        if (p > 0 && p < kHighest) logs.push_back(std::log10(p));
    }
    std::sort(logs.begin(), logs.end());
    const auto curve = [&](auto value, Ink ink, bool dashed) {
        Shape line{Shape::Kind::Polyline, {}, Ink::None, ink, 2.2, dashed};
        for (const double l : logs) {
            const double p = std::pow(10.0, l);
            if (const auto v = value(sensitivity, specificity, p))
                line.points.push_back({a.X(p), a.Y(*v)});
        }
        if (line.points.size() > 1) d.Add(std::move(line));
    };
    curve(PositivePredictive, Ink::Series1, false);
    curve(NegativePredictive, Ink::Series2, true);

    const Values now{
        f.positivePredictiveValue.Defined() ? std::optional(f.positivePredictiveValue.value)
                                            : std::nullopt,
        f.negativePredictiveValue.Defined() ? std::optional(f.negativePredictiveValue.value)
                                            : std::nullopt};
    const double middle = (a.left + a.right) / 2;
    const double nowX = a.X(prevalence);
    // Each marker's labels stand on the side away from the other marker, where there is room.
    bool nowRight = nowX < middle;
    if (reading) {
        const double readingX = a.X(*reading);
        if (readingX != nowX) nowRight = readingX < nowX;
        const auto roomy = [&](double at, bool right) {
            return right ? at + 90 < a.right : at - 90 > a.left;
        };
        if (!roomy(nowX, nowRight)) nowRight = !nowRight;
        bool readingRight = !nowRight;
        if (!roomy(readingX, readingRight)) readingRight = !readingRight;
        const std::string nowPlace = PlaceText(prevalence, "prevalence");
        const std::string readingPlace = PlaceText(*reading, "reading");
        const bool crowded = std::abs(readingX - nowX) <
                             (RoughWidth(nowPlace, 11) + RoughWidth(readingPlace, 11)) / 2 + 8;
        Marker(d, a, *reading, ValuesAt(sensitivity, specificity, *reading), false, readingRight,
               crowded ? a.top - 24 : a.top - 8);
    }
    Marker(d, a, prevalence, now, true, nowRight, a.top - 8);

    const double legendY = a.bottom + 58;
    d.Line({a.left, legendY - 4}, {a.left + 28, legendY - 4}, Ink::Series1, 2.2);
    Dot(d, {a.left + 14, legendY - 4});
    d.Text({a.left + 36, legendY}, "positive predictive value (PPV)", Ink::Text, 11);
    const double second = a.left + 290;
    d.Line({second, legendY - 4}, {second + 28, legendY - 4}, Ink::Series2, 2.2, true);
    Square(d, {second + 14, legendY - 4});
    d.Text({second + 36, legendY}, "negative predictive value (NPV)", Ink::Text, 11);

    const auto valuesInWords = [](const Values& v) {
        return "positive predictive value " + ValueText(v.positive) +
               ", negative predictive value " + ValueText(v.negative) + ".";
    };
    const auto at = [](double p) { return p > 0 ? ShareText(p) : std::string("0"); };
    d.description = "The predictive values of this test against prevalence, from " +
                    DecadeText(static_cast<int>(a.lowLog)) +
                    " to 99% on a logarithmic scale. At the current prevalence of " +
                    at(prevalence) + ": " + valuesInWords(now);
    if (reading) {
        d.description += " At a prevalence of " + at(*reading) + ", the reading: " +
                         valuesInWords(ValuesAt(sensitivity, specificity, *reading));
    }
    return d;
}

double PrevalenceAt(const calc::Explanation& x, double xpos) {
    const Axes a = AxesFor(x);
    if (xpos >= a.right) return kHighest;
    const double at = std::max(0.0, (xpos - a.left) / (a.right - a.left));
    return std::pow(10.0, a.lowLog + at * (a.highLog - a.lowLog));
}

double StepReading(const calc::Explanation& x, double prevalence, int steps) {
    const Axes a = AxesFor(x);
    const double from =
        prevalence > 0 ? std::clamp(std::log10(prevalence), a.lowLog, a.highLog) : a.lowLog;
    const double to = from + steps / 10.0;
    if (to >= a.highLog) return kHighest;
    return std::pow(10.0, std::max(to, a.lowLog));
}

}  // namespace windows
