#include "calc/explain/Pictures.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/explain/PictureCanvas.h"
#include "calc/explain/Wording.h"

namespace calc {

using picture::Canvas;

namespace {

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

void IconArray(Drawing& d, double left, bool positive, std::uint64_t with, std::uint64_t without) {
    const std::uint64_t all = with + without;
    d.Text({left, 22}, IconArrayTitle(positive, all), Ink::Text, 13, true);
    if (all == 0) {
        d.Text({left, 44}, NoOneTests(positive), Ink::Text, 12);
        return;
    }
    const std::uint64_t perIcon = PersonsPerIcon(with, without);
    d.Text({left, 40}, EachIcon(perIcon), Ink::Text, 11);
    Icon(d, {left, 50}, true, 9);
    d.Text({left + 15, 58}, WithDisorderLegend(with), Ink::Text, 11);
    Icon(d, {left, 66}, false, 9);
    d.Text({left + 15, 74}, WithoutDisorderLegend(without), Ink::Text, 11);
    const std::uint64_t withIcons = IconsFor(with, perIcon);
    const std::uint64_t icons = withIcons + IconsFor(without, perIcon);
    for (std::uint64_t i = 0; i < icons; ++i) {
        Icon(d, IconAt(left, i), i < withIcons, kPitch - 2);
    }
}
}  // namespace

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

Drawing IconArrays(const Explanation& x) {
    const PersonsTree& t = x.persons;
    const auto bottom = [](std::uint64_t with, std::uint64_t without) {
        if (with + without == 0) return kIconsTop;
        const std::uint64_t perIcon = PersonsPerIcon(with, without);
        return IconAt(0, IconsFor(with, perIcon) + IconsFor(without, perIcon) - 1).y + kPitch;
    };
    const double height = std::max(bottom(t.truePositives, t.falsePositives),
                                   bottom(t.falseNegatives, t.trueNegatives)) +
                          10;
    Drawing d = Canvas(height);
    IconArray(d, 10, true, t.truePositives, t.falsePositives);
    IconArray(d, 324, false, t.falseNegatives, t.trueNegatives);
    d.description = IconGroupDescription(true, t.truePositives, t.falsePositives,
                                         PersonsPerIcon(t.truePositives, t.falsePositives)) +
                    " " +
                    IconGroupDescription(false, t.falseNegatives, t.trueNegatives,
                                         PersonsPerIcon(t.falseNegatives, t.trueNegatives));
    return d;
}
}  // namespace calc
