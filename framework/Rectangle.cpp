#include "framework/Rectangle.h"

#include <QPainter>

#include "framework/QtHelpers.h"

namespace framework {

namespace {

class RectangleWidget : public QWidget {
  public:
    RectangleWidget(const Rectangle& rect, QWidget* parent) : QWidget(parent), rect_(rect) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        const auto& p = rect_.Properties();
        QPainter painter(this);
        const int w = width();
        const int h = height();
        painter.fillRect(rect(), ToQColor(p.fillColor));
        const QColor tl = ToQColor(p.topLeftColor);
        const QColor br = ToQColor(p.bottomRightColor);
        for (int i = 0; i < p.borderWidth && 2 * i < std::min(w, h); ++i) {
            painter.fillRect(i, i, w - 2 * i, 1, tl);          // top
            painter.fillRect(i, i, 1, h - 2 * i, tl);          // left
            painter.fillRect(i, h - 1 - i, w - 2 * i, 1, br);  // bottom
            painter.fillRect(w - 1 - i, i, 1, h - 2 * i, br);  // right
        }
    }

  private:
    const Rectangle& rect_;
};

}  // namespace

Rectangle::Rectangle(Window& owner, std::string name, const Props& props)
    : Control(owner, std::move(name)), props_(props) {
    auto* widget = new RectangleWidget(*this, ContentOf(owner));
    Place(widget, props.bounds, true, props.visible, props.locks, props.parent);
}

}  // namespace framework
