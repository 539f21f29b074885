#include "calc/explain/Pictures.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "calc/Figures.h"
#include "calc/explain/PictureCanvas.h"
#include "calc/explain/Wording.h"

namespace calc {

using picture::Canvas;
using picture::kWidth;
using picture::RoughWidth;

namespace {

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
Axes AxesFor(const Explanation& x) {
    Axes a;
    const double p = x.figures.prevalence.value;
    if (p > 0 && p < 1e-4) a.lowLog = std::floor(std::log10(p));
    return a;
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

// Both values at a prevalence, where they stand and as they are written.
struct Values {
    std::optional<double> positive, negative;
    std::string positiveText, negativeText;
};

// A marker across the plot with both values labelled beside it, on one side.
void Marker(Drawing& d, const Axes& a, double p, const Values& v, bool current, bool rightSide,
            double labelBaseline) {
    const double x = a.X(p);
    d.Line({x, a.top}, {x, a.bottom}, current ? Ink::Accent : Ink::Text, current ? 1.6 : 1.2,
           !current);
    const std::string place = PlaceText(p, current, kHighest);
    const double width = RoughWidth(place, 11);
    d.Text({std::clamp(x - width / 2, 4.0, kWidth - 4 - width), labelBaseline}, place,
           current ? Ink::Accent : Ink::Text, 11, current);

    const std::string texts[] = {PpvLabel(v.positiveText), NpvLabel(v.negativeText)};
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

Values ValuesAt(const Rates& rates, double p) {
    Values v{PositivePredictiveAt(rates, p), NegativePredictiveAt(rates, p), "", ""};
    if (v.positive) v.positiveText = Figure(*v.positive, Scale::Percent);
    if (v.negative) v.negativeText = Figure(*v.negative, Scale::Percent);
    return v;
}

}  // namespace

Drawing PredictiveCurves(const Explanation& x, std::optional<double> reading) {
    const TestStatistics& f = x.figures;
    Drawing d = Canvas(324);
    if (!f.sensitivity.Defined() || !f.specificity.Defined()) {
        d.description = CurvesNeedBothGroups(x.labels);
        const auto lines = picture::Wrapped(d.description, 13, kWidth - 20);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            d.Text({kWidth / 2, 160 + 17 * static_cast<double>(i)}, lines[i], Ink::Text, 13, false,
                   Align::Centre);
        }
        return d;
    }
    const Axes a = AxesFor(x);
    const double prevalence = f.prevalence.value;

    for (const int percent : {0, 25, 50, 75, 100}) {
        const double y = a.Y(percent / 100.0);
        d.Line({a.left, y}, {a.right, y}, Ink::Faint);
        d.Text({a.left - 6, y + 4}, AxisPercentText(percent), Ink::Text, 11, false, Align::Right);
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
    d.Text({a.right, a.bottom + 16}, HighestPrevalenceText(), Ink::Text, 11, false, Align::Centre);
    d.Text({(a.left + a.right) / 2, a.bottom + 34}, PrevalenceAxisName(x.labels), Ink::Text, 11,
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
            if (const auto v = value(f.rates, p)) line.points.push_back({a.X(p), a.Y(*v)});
        }
        if (line.points.size() > 1) d.Add(std::move(line));
    };
    curve(PositivePredictiveAt, Ink::Series1, false);
    curve(NegativePredictiveAt, Ink::Series2, true);

    // At the current prevalence the values are the table's, as it writes them.
    const Values now{
        f.positivePredictiveValue.Defined() ? std::optional(f.positivePredictiveValue.value)
                                            : std::nullopt,
        f.negativePredictiveValue.Defined() ? std::optional(f.negativePredictiveValue.value)
                                            : std::nullopt,
        x.shown.positivePredictive, x.shown.negativePredictive};
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
        const std::string nowPlace = PlaceText(prevalence, true, kHighest);
        const std::string readingPlace = PlaceText(*reading, false, kHighest);
        const bool crowded = std::abs(readingX - nowX) <
                             (RoughWidth(nowPlace, 11) + RoughWidth(readingPlace, 11)) / 2 + 8;
        Marker(d, a, *reading, ValuesAt(f.rates, *reading), false, readingRight,
               crowded ? a.top - 24 : a.top - 8);
    }
    Marker(d, a, prevalence, now, true, nowRight, a.top - 8);

    const double legendY = a.bottom + 58;
    d.Line({a.left, legendY - 4}, {a.left + 28, legendY - 4}, Ink::Series1, 2.2);
    Dot(d, {a.left + 14, legendY - 4});
    d.Text({a.left + 36, legendY}, PpvLegend(), Ink::Text, 11);
    const double second = a.left + 290;
    d.Line({second, legendY - 4}, {second + 28, legendY - 4}, Ink::Series2, 2.2, true);
    Square(d, {second + 14, legendY - 4});
    d.Text({second + 36, legendY}, NpvLegend(), Ink::Text, 11);

    std::optional<CurvesReading> read;
    if (reading) {
        const Values v = ValuesAt(f.rates, *reading);
        read = CurvesReading{*reading, v.positiveText, v.negativeText};
    }
    d.description =
        CurvesDescription(static_cast<int>(a.lowLog),
                          {prevalence, now.positiveText, now.negativeText}, read, x.labels);
    return d;
}

double PrevalenceAt(const Explanation& x, double xpos) {
    const Axes a = AxesFor(x);
    if (xpos >= a.right) return kHighest;
    const double at = std::max(0.0, (xpos - a.left) / (a.right - a.left));
    return std::pow(10.0, a.lowLog + at * (a.highLog - a.lowLog));
}

double StepReading(const Explanation& x, double prevalence, int steps) {
    const Axes a = AxesFor(x);
    const double from =
        prevalence > 0 ? std::clamp(std::log10(prevalence), a.lowLog, a.highLog) : a.lowLog;
    const double to = from + steps / 10.0;
    if (to >= a.highLog) return kHighest;
    return std::pow(10.0, std::max(to, a.lowLog));
}

}  // namespace calc
