#include "framework/PictureView.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <variant>

#include "framework/QtHelpers.h"
#include "framework/Render.h"
#include "framework/Window.h"

namespace framework {

using calc::Drawing;

namespace {

// Room around the drawing for the focus frame.
constexpr int kMargin = 3;

class PictureWidget : public QWidget {
  public:
    PictureWidget(PictureView& view, QWidget* parent) : QWidget(parent), view_(view) {
        setFocusPolicy(Qt::StrongFocus);
        setMouseTracking(true);
        QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
    }

    const Drawing& Shown() const { return view_.Current(); }

    void DrawingChanged() {
        setAccessibleDescription(ToQ(Shown().description));
        leastScale_ = LeastScale(Shown());
        updateGeometry();
        Fit();
        update();
    }

    QSize sizeHint() const override {
        return QSize(static_cast<int>(std::ceil(Shown().Width())) + 2 * kMargin,
                     heightForWidth(std::numeric_limits<int>::max()));
    }
    QSize minimumSizeHint() const override {
        const int w = static_cast<int>(std::ceil(Shown().Width() * leastScale_)) + 2 * kMargin;
        return QSize(w, heightForWidth(w));
    }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override {
        return static_cast<int>(std::ceil(Shown().Height() * Scale(width))) + 2 * kMargin;
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const double s = Scale(width());
        painter.translate(Left(), kMargin);
        painter.scale(s, s);
        Render(Shown(), painter, ScreenInks(palette()));
        painter.resetTransform();
        if (hasFocus()) {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
            painter.setBrush(Qt::NoBrush);
            const QRectF shown(Left(), kMargin, Shown().Width() * s, Shown().Height() * s);
            painter.drawRect(shown.adjusted(-2, -2, 2, 2));
        }
    }
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        Fit();
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        QWidget::mouseMoveEvent(event);
        if (!view_.MouseMove) return;
        const double s = Scale(width());
        const double x = (event->position().x() - Left()) / s;
        const double y = (event->position().y() - kMargin) / s;
        GuardedFor(view_.Owner(), [&] { view_.MouseMove(x, y); });
    }
    void keyPressEvent(QKeyEvent* event) override {
        const std::string key = KeyTextOf(*event);
        bool claimed = false;
        if (view_.KeyDown && !key.empty()) {
            GuardedFor(view_.Owner(), [&] { claimed = view_.KeyDown(key); });
        }
        if (!claimed) QWidget::keyPressEvent(event);
    }
    void focusInEvent(QFocusEvent* event) override {
        QWidget::focusInEvent(event);
        update();
    }
    void focusOutEvent(QFocusEvent* event) override {
        QWidget::focusOutEvent(event);
        update();
    }

  private:
    // Scaled down to fit, never up: a drawing is made for its own size. Its text is never drawn
    // smaller than the desktop's smallest readable text; where it would have to be, the picture
    // keeps that size and the window scrolls sideways.
    static double LeastScale(const Drawing& drawing) {
        double smallest = 0;
        for (const auto& item : drawing.Items()) {
            if (const auto* label = std::get_if<calc::Label>(&item)) {
                smallest = smallest > 0 ? std::min(smallest, label->size) : label->size;
            }
        }
        if (smallest <= 0) return 0.01;
        // The smaller of the two: a platform that names only one of them puts a larger,
        // ordinary font in the other's place.
        const auto pixels = [](const QFont& font) { return QFontInfo(font).pixelSize(); };
        const int readable =
            std::min(pixels(QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont)),
                     pixels(QApplication::font("QSmallFont")));
        return std::clamp(readable / smallest, 0.01, 1.0);
    }
    double Scale(int width) const {
        const double w = Shown().Width();
        if (w <= 0) return 1;
        return std::clamp((width - 2 * kMargin) / w, leastScale_, 1.0);
    }
    double Left() const { return (width() - Shown().Width() * Scale(width())) / 2; }
    // In a window whose layout grows it only by its height hint, the height follows the width.
    void Fit() {
        const int h = heightForWidth(width());
        if (h != height()) setFixedHeight(h);
    }

    PictureView& view_;
    double leastScale_ = 0.01;
};

QAccessibleInterface* PictureAccessibleFactory(const QString&, QObject* object) {
    if (auto* picture = dynamic_cast<PictureWidget*>(object)) {
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    }
    return nullptr;
}

}  // namespace

PictureView::PictureView(Window& owner, std::string name, const Props& props)
    : Control(owner, std::move(name)) {
    static const bool accessible = (QAccessible::installFactory(&PictureAccessibleFactory), true);
    (void)accessible;
    auto* widget = new PictureWidget(*this, static_cast<WindowFrame*>(owner.Widget())->Content());
    if (!props.accessibleName.empty()) widget->setAccessibleName(ToQ(props.accessibleName));
    MayBeWiderThanView(widget);
    Place(widget, {}, true, props.visible, {}, props.parent);
}

void PictureView::SetDrawing(Drawing drawing) {
    drawing_ = std::move(drawing);
    static_cast<PictureWidget*>(Widget())->DrawingChanged();
}

bool PictureView::HasFocus() const {
    return EditTarget() == Widget();
}

const Drawing* ShownDrawing(const QWidget* widget) {
    const auto* picture = dynamic_cast<const PictureWidget*>(widget);
    return picture ? &picture->Shown() : nullptr;
}

}  // namespace framework
