#include "calc/explain/Pictures.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "calc/explain/PictureCanvas.h"
#include "calc/explain/Wording.h"

namespace calc {

using picture::Canvas;

namespace {

constexpr int kColumns = 30;
constexpr double kPitch = 10;
constexpr double kIconsTop = 86;
// Each array's title and legends keep to its own half of the picture, on more lines where a
// person's long names need them.
constexpr double kArrayWidth = 300, kTitleLeading = 16, kLegendLeading = 13;

// The least part of an icon drawn: a tenth still shows at the icons' 8 pixels, where 5 persons
// at 1,000 an icon would vanish, and is nowhere near a whole icon.
constexpr double kLeastPart = 0.1;

// Those with the disorder are filled circles, those without hollow squares: apart by shape and
// fill as well as by colour. A part of an icon is that share of it, a slice of the circle cut
// clockwise from the top, the square cut off above, so that no group looks larger than it is;
// its area is the share, as a whole icon's area is one.
void Icon(Drawing& d, Point topLeft, bool withDisorder, double size, double part = 1) {
    const Point bottomRight{topLeft.x + size, topLeft.y + size};
    if (withDisorder && part >= 1) {
        d.Add(Shape{Shape::Kind::Ellipse, {topLeft, bottomRight}, Ink::Series1, Ink::Series1, 1});
    } else if (withDisorder) {
        const double r = size / 2;
        const Point centre{topLeft.x + r, topLeft.y + r};
        std::vector<Point> slice{centre};
        const int steps = std::max(2, static_cast<int>(std::ceil(part * 64)));
        for (int i = 0; i <= steps; ++i) {
            const double angle = 2 * std::numbers::pi * part * i / steps;
            slice.push_back({centre.x + r * std::sin(angle), centre.y - r * std::cos(angle)});
        }
        d.Add(Shape{Shape::Kind::Polygon, std::move(slice), Ink::Series1, Ink::Series1, 1});
    } else {
        const double inner = size - 1.4;
        d.Box({topLeft.x + 0.7, topLeft.y + 0.7 + inner * (1 - part)},
              {bottomRight.x - 0.7, bottomRight.y - 0.7}, Ink::None, Ink::Series2, 1.4);
    }
}

// Icons stand in blocks of ten by ten, so that a reader can count them by the hundred.
constexpr double kBlockGap = 3;

Point IconAt(double left, double top, std::uint64_t i) {
    const auto column = static_cast<double>(i % kColumns), row = static_cast<double>(i / kColumns);
    return {left + column * kPitch + std::floor(column / 10) * kBlockGap,
            top + row * kPitch + std::floor(row / 10) * kBlockGap};
}

// An array's title and legends in lines, and how much lower than one line each they push the
// icons.
struct Heading {
    std::vector<std::string> title, with, without;
    double Extra() const {
        const auto more = [](const std::vector<std::string>& lines, double leading) {
            return leading * static_cast<double>(lines.size() - 1);
        };
        return more(title, kTitleLeading) + more(with, kLegendLeading) +
               more(without, kLegendLeading);
    }
};

Heading HeadingOf(bool positive, std::uint64_t with, std::uint64_t without, const Labels& l) {
    using picture::Wrapped;
    Heading h{Wrapped(IconArrayTitle(positive, with + without, l), 13, kArrayWidth), {""}, {""}};
    if (with + without == 0) return h;
    h.with = Wrapped(WithDisorderLegend(with, l), 11, kArrayWidth - 15);
    h.without = Wrapped(WithoutDisorderLegend(without, l), 11, kArrayWidth - 15);
    return h;
}

void Lines(Drawing& d, double x, double baseline, const std::vector<std::string>& lines,
           double size, double leading, bool bold = false) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        d.Text({x, baseline + leading * static_cast<double>(i)}, lines[i], Ink::Text, size, bold);
    }
}

void IconArray(Drawing& d, double left, const Heading& h, bool positive, std::uint64_t with,
               std::uint64_t without, std::uint64_t perIcon, double iconsTop) {
    Lines(d, left, 38, h.title, 13, kTitleLeading, true);
    double shift = kTitleLeading * static_cast<double>(h.title.size() - 1);
    if (with + without == 0) {
        d.Text({left, 60 + shift}, NoOneTests(positive), Ink::Text, 12);
        return;
    }
    Icon(d, {left, 48 + shift}, true, 9);
    Lines(d, left + 15, 56 + shift, h.with, 11, kLegendLeading);
    shift += kLegendLeading * static_cast<double>(h.with.size() - 1);
    Icon(d, {left, 64 + shift}, false, 9);
    Lines(d, left + 15, 72 + shift, h.without, 11, kLegendLeading);
    std::uint64_t place = 0;
    for (const bool withDisorder : {true, false}) {
        const std::uint64_t persons = withDisorder ? with : without;
        for (std::uint64_t i = 0; i < persons / perIcon; ++i) {
            Icon(d, IconAt(left, iconsTop, place++), withDisorder, kPitch - 2);
        }
        if (const std::uint64_t rest = persons % perIcon) {
            const double part = static_cast<double>(rest) / static_cast<double>(perIcon);
            Icon(d, IconAt(left, iconsTop, place++), withDisorder, kPitch - 2,
                 std::max(kLeastPart, part));
        }
    }
}

std::uint64_t Places(std::uint64_t with, std::uint64_t without, std::uint64_t perIcon) {
    return IconsFor(with, perIcon) + IconsFor(without, perIcon);
}
}  // namespace

std::uint64_t PersonsPerIcon(const PersonsTree& t) {
    std::uint64_t perIcon = 1;
    while (std::max(Places(t.truePositives, t.falsePositives, perIcon),
                    Places(t.falseNegatives, t.trueNegatives, perIcon)) > 1000) {
        perIcon *= 10;
    }
    return perIcon;
}

std::uint64_t IconsFor(std::uint64_t persons, std::uint64_t perIcon) {
    return persons / perIcon + (persons % perIcon != 0 ? 1 : 0);
}

Drawing IconArrays(const Explanation& x) {
    const PersonsTree& t = x.persons;
    const std::uint64_t perIcon = PersonsPerIcon(t);
    const std::uint64_t places = std::max(Places(t.truePositives, t.falsePositives, perIcon),
                                          Places(t.falseNegatives, t.trueNegatives, perIcon));
    const Heading headings[] = {HeadingOf(true, t.truePositives, t.falsePositives, x.labels),
                                HeadingOf(false, t.falseNegatives, t.trueNegatives, x.labels)};
    // Both arrays' icons start on one line, so that their rows compare.
    const double iconsTop = kIconsTop + std::max(headings[0].Extra(), headings[1].Extra());
    Drawing d = Canvas((places == 0 ? iconsTop : IconAt(0, iconsTop, places - 1).y + kPitch) + 10);
    const bool both = t.Positives() != 0 && t.Negatives() != 0;
    const bool parts = t.truePositives % perIcon || t.falsePositives % perIcon ||
                       t.falseNegatives % perIcon || t.trueNegatives % perIcon;
    if (places != 0) d.Text({10, 16}, EachIcon(perIcon, both, parts), Ink::Text, 11);
    IconArray(d, 10, headings[0], true, t.truePositives, t.falsePositives, perIcon, iconsTop);
    IconArray(d, 324, headings[1], false, t.falseNegatives, t.trueNegatives, perIcon, iconsTop);
    d.description = (places == 0 ? "" : IconScaleDescription(perIcon, both, parts) + " ") +
                    IconGroupDescription(true, t.truePositives, t.falsePositives, x.labels) + " " +
                    IconGroupDescription(false, t.falseNegatives, t.trueNegatives, x.labels);
    return d;
}
}  // namespace calc
