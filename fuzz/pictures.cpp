// Input: the texts of tp, fp, fn, tn, pre, dt, t and the population's prevalence, then a choice
// of population size and a reading, separated by '|', each cut to what its field holds. Every
// picture of whatever the explanation makes of them must stay on its canvas with finite
// coordinates, the icon arrays must keep their one scale and draw each part as a part, and the
// curves' reading must stay on its axis.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>
#include <variant>

#include "calc/TextNumber.h"
#include "calc/explain/Explanation.h"
#include "calc/explain/Pictures.h"
#include "fuzz/FuzzSupport.h"

namespace {

void RequireOnCanvas(const calc::Drawing& d, const char* which) {
    const double w = d.Width(), h = d.Height();
    FUZZ_REQUIRE(std::isfinite(w) && std::isfinite(h) && w > 0 && h > 0, "%s: size %g x %g", which,
                 w, h);
    const auto inside = [&](calc::Point p) {
        return std::isfinite(p.x) && std::isfinite(p.y) && p.x >= -0.5 && p.x <= w + 0.5 &&
               p.y >= -0.5 && p.y <= h + 0.5;
    };
    for (const auto& item : d.Items()) {
        if (const auto* shape = std::get_if<calc::Shape>(&item)) {
            for (const auto& p : shape->points) {
                FUZZ_REQUIRE(inside(p), "%s: a shape's point at %g, %g", which, p.x, p.y);
            }
        } else {
            const auto& label = std::get<calc::Label>(item);
            FUZZ_REQUIRE(inside(label.at), "%s: \"%s\" at %g, %g", which, label.text.c_str(),
                         label.at.x, label.at.y);
            FUZZ_REQUIRE(label.text.find("nan") == std::string::npos &&
                             label.text.find("inf") == std::string::npos,
                         "%s: \"%s\"", which, label.text.c_str());
        }
    }
}

// One scale for both arrays: the smallest power of ten that keeps the larger at 1,000 icons or
// fewer, a part of an icon counted as one, and no group without an icon. The drawing holds just
// those icons beside its legend's two, and no part smaller than a tenth or whole.
void RequireIconRule(const calc::PersonsTree& t, const calc::Drawing& d) {
    const std::uint64_t per = calc::PersonsPerIcon(t);
    const auto icons = [&](bool positive, std::uint64_t k) {
        return positive ? calc::IconsFor(t.truePositives, k) + calc::IconsFor(t.falsePositives, k)
                        : calc::IconsFor(t.falseNegatives, k) + calc::IconsFor(t.trueNegatives, k);
    };
    const auto larger = [&](std::uint64_t k) { return std::max(icons(true, k), icons(false, k)); };
    FUZZ_REQUIRE(larger(per) <= 1000, "%llu icons at %llu per icon",
                 (unsigned long long)larger(per), (unsigned long long)per);
    FUZZ_REQUIRE(per == 1 || larger(per / 10) > 1000, "%llu per icon is not the smallest",
                 (unsigned long long)per);
    for (const std::uint64_t n :
         {t.truePositives, t.falsePositives, t.falseNegatives, t.trueNegatives}) {
        FUZZ_REQUIRE((n == 0) == (calc::IconsFor(n, per) == 0), "%llu persons, %llu icons",
                     (unsigned long long)n, (unsigned long long)calc::IconsFor(n, per));
    }
    std::uint64_t drawn[2] = {};
    for (const auto& item : d.Items()) {
        const auto* s = std::get_if<calc::Shape>(&item);
        if (!s || (s->fill != calc::Ink::Series1 && s->stroke != calc::Ink::Series2)) continue;
        ++drawn[s->points[0].x < 320 ? 0 : 1];
        const auto& p = s->points;
        if (s->kind == calc::Shape::Kind::Polygon) {
            const double turn = std::atan2(p.back().x - p[0].x, p[0].y - p.back().y);
            const double part =
                (turn < 0 ? turn + 2 * std::numbers::pi : turn) / 2 / std::numbers::pi;
            FUZZ_REQUIRE(part > 0.099 && part < 1, "a part circle of %g", part);
        } else if (s->kind == calc::Shape::Kind::Rectangle) {
            const double part = (p[1].y - p[0].y) / (p[1].x - p[0].x);
            FUZZ_REQUIRE(part > 0.099 && part < 1 + 1e-9, "a part square of %g", part);
        }
    }
    for (const bool positive : {true, false}) {
        const std::uint64_t want = icons(positive, per) + (icons(positive, per) ? 2 : 0);
        FUZZ_REQUIRE(drawn[positive ? 0 : 1] == want, "%llu icons drawn for %llu",
                     (unsigned long long)drawn[positive ? 0 : 1], (unsigned long long)want);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto f = fuzz::SplitFields(fuzz::AsText(data, size), 10);
    std::string text[8];
    for (int i = 0; i < 8; ++i) text[i] = std::string(f[i].substr(0, i < 4 ? 5 : 9));
    const std::size_t sizes = std::size(calc::kPopulationSizes);
    const std::size_t choice = f[8].empty() ? 0 : static_cast<unsigned char>(f[8][0]) % (sizes + 1);
    const calc::Explanation x = calc::Explain({
        .tp = text[0],
        .fp = text[1],
        .fn = text[2],
        .tn = text[3],
        .pre = text[4],
        .dt = text[5],
        .t = text[6],
        .populationPrevalence = text[7],
        .populationSize = choice ? calc::kPopulationSizes[choice - 1] : 0,
    });
    if (x.input == calc::ExplainedInput::None) return 0;

    RequireOnCanvas(calc::FrequencyTree(x), "tree");
    const calc::Drawing icons = calc::IconArrays(x);
    RequireOnCanvas(icons, "icons");
    RequireIconRule(x.persons, icons);

    // The reading where a pointer at this position puts it, then moved by the arrow keys.
    const double xpos = calc::Val(std::string(f[9].substr(0, 12)));
    double reading = calc::PrevalenceAt(x, std::isfinite(xpos) ? xpos : 0);
    for (const int steps : {0, -1, 7, -1000, 1000}) {
        if (steps) reading = calc::StepReading(x, reading, steps);
        FUZZ_REQUIRE(std::isfinite(reading) && reading >= 0 && reading <= 1, "reading %g", reading);
        RequireOnCanvas(calc::PredictiveCurves(x, reading), "curves");
    }
    RequireOnCanvas(calc::PredictiveCurves(x), "curves");
    return 0;
}
