#include "framework/Render.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>
#include <QPolygonF>

#include <cmath>
#include <type_traits>

#include "framework/QtHelpers.h"

namespace framework {

using calc::Ink;
using calc::Point;
using calc::Shape;

namespace {

// The application's typeface at a pixel size, the one font every label is drawn and measured in.
QFont LabelFont(double size, bool bold) {
    QFont font = QApplication::font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
    font.setBold(bold);
    return font;
}

// weight of `over` laid on `under`, as a translucent ink would look on the paper.
QColor Blend(const QColor& over, const QColor& under, double weight) {
    auto mix = [weight](int a, int b) {
        return static_cast<int>(std::lround(weight * a + (1 - weight) * b));
    };
    return QColor(mix(over.red(), under.red()), mix(over.green(), under.green()),
                  mix(over.blue(), under.blue()));
}

Inks InksOver(const QColor& paper, const QColor& text, const QColor& accent) {
    // On dark paper the darker pair of the colour-blind-safe palette loses its contrast.
    const bool dark = paper.lightness() < 128;
    const QColor series1 = dark ? QColor(0xE6, 0x9F, 0x00) : QColor(0xD5, 0x5E, 0x00);
    const QColor series2 = dark ? QColor(0x56, 0xB4, 0xE9) : QColor(0x00, 0x72, 0xB2);
    Inks inks;
    inks.paper = paper;
    inks.text = text;
    inks.faint = Blend(text, paper, 0.2);
    inks.accent = accent;
    inks.accentFaint = Blend(accent, paper, 0.25);
    inks.series1 = series1;
    inks.series1Faint = Blend(series1, paper, 0.3);
    inks.series2 = series2;
    inks.series2Faint = Blend(series2, paper, 0.3);
    return inks;
}

}  // namespace

QColor Inks::Of(Ink ink) const {
    switch (ink) {
        case Ink::None:
            return Qt::transparent;
        case Ink::Paper:
            return paper;
        case Ink::Text:
            return text;
        case Ink::Faint:
            return faint;
        case Ink::Accent:
            return accent;
        case Ink::AccentFaint:
            return accentFaint;
        case Ink::Series1:
            return series1;
        case Ink::Series1Faint:
            return series1Faint;
        case Ink::Series2:
            return series2;
        case Ink::Series2Faint:
            return series2Faint;
    }
    return text;
}

Inks ScreenInks(const QPalette& palette) {
    return InksOver(palette.color(QPalette::Base), palette.color(QPalette::Text),
                    palette.color(QPalette::Highlight));
}

Inks PaperInks() {
    // The desktop's accent can be any colour; on paper a plain blue survives grey-scale print.
    return InksOver(Qt::white, Qt::black, QColor(0x00, 0x5A, 0x9C));
}

double TextWidth(std::string_view text, double size, bool bold) {
    return QFontMetricsF(LabelFont(size, bold)).horizontalAdvance(ToQ(text));
}

void Render(const calc::Drawing& drawing, QPainter& painter, const Inks& inks) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(0, 0, drawing.Width(), drawing.Height()), inks.paper);
    for (const auto& item : drawing.Items()) {
        std::visit(
            [&](const auto& it) {
                using T = std::decay_t<decltype(it)>;
                if constexpr (std::is_same_v<T, Shape>) {
                    if (it.stroke == Ink::None) {
                        painter.setPen(Qt::NoPen);
                    } else {
                        painter.setPen(QPen(inks.Of(it.stroke), it.strokeWidth,
                                            it.dashed ? Qt::DashLine : Qt::SolidLine, Qt::FlatCap,
                                            Qt::MiterJoin));
                    }
                    painter.setBrush(it.fill == Ink::None ? QBrush(Qt::NoBrush)
                                                          : QBrush(inks.Of(it.fill)));
                    QPolygonF points;
                    for (const Point& p : it.points) points << QPointF(p.x, p.y);
                    const bool twoCorners = points.size() >= 2;
                    const QRectF box =
                        twoCorners ? QRectF(points[0], points[1]).normalized() : QRectF();
                    switch (it.kind) {
                        case Shape::Kind::Polyline:
                            if (twoCorners) painter.drawPolyline(points);
                            break;
                        case Shape::Kind::Polygon:
                            if (points.size() >= 3) painter.drawPolygon(points);
                            break;
                        case Shape::Kind::Rectangle:
                            if (!twoCorners) break;
                            if (it.cornerRadius > 0) {
                                painter.drawRoundedRect(box, it.cornerRadius, it.cornerRadius);
                            } else {
                                painter.drawRect(box);
                            }
                            break;
                        case Shape::Kind::Ellipse:
                            if (twoCorners) painter.drawEllipse(box);
                            break;
                    }
                } else {
                    const QFont font = LabelFont(it.size, it.bold);
                    const QString text = ToQ(it.text);
                    double x = it.at.x;
                    if (it.align != calc::Align::Left) {
                        // Measured as TextWidth measures, so that what the drawing made room
                        // for is what it gets.
                        const double w = QFontMetricsF(font).horizontalAdvance(text);
                        x -= it.align == calc::Align::Centre ? w / 2 : w;
                    }
                    painter.setFont(font);
                    painter.setPen(inks.Of(it.ink));
                    painter.drawText(QPointF(x, it.at.y), text);
                }
            },
            item);
    }
    painter.restore();
}

}  // namespace framework
