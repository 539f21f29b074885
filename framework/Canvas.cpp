#include "framework/Canvas.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

#include "framework/PictureData.h"
#include "framework/QtHelpers.h"

namespace framework {

namespace {

class CanvasWidget : public QWidget {
  public:
    CanvasWidget(Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {}

    // A named canvas that answers a press is a button to assistive technology.
    bool Pressable() const { return canvas_.MouseDown && !accessibleName().isEmpty(); }
    bool Press(QPoint at) {
        bool claimed = false;
        if (canvas_.MouseDown) {
            GuardedFor(canvas_.Owner(), [&] { claimed = canvas_.MouseDown(at.x(), at.y()); });
        }
        return claimed;
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        const auto& picture = canvas_.Backdrop();
        if (!picture) return;
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), picture->Pixels().For(devicePixelRatioF()));
    }
    void mousePressEvent(QMouseEvent* event) override {
        // Not claimed: the window sees the press too.
        event->setAccepted(Press(event->position().toPoint()));
    }
    void enterEvent(QEnterEvent*) override {
        setCursor(canvas_.MouseDown ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }

  private:
    Canvas& canvas_;
};

class CanvasAccessible : public QAccessibleWidget {
  public:
    explicit CanvasAccessible(CanvasWidget* w) : QAccessibleWidget(w), canvas_(w) {}

    QAccessible::Role role() const override {
        return canvas_->Pressable() ? QAccessible::Button : QAccessibleWidget::role();
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (canvas_->Pressable()) names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && canvas_->Pressable()) {
            canvas_->Press(canvas_->rect().center());
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

  private:
    CanvasWidget* canvas_;
};

QAccessibleInterface* CanvasAccessibleFactory(const QString&, QObject* object) {
    if (auto* canvas = dynamic_cast<CanvasWidget*>(object)) return new CanvasAccessible(canvas);
    return nullptr;
}

}  // namespace

Canvas::Canvas(Window& owner, std::string name, const Props& props)
    : Control(owner, std::move(name)), backdrop_(props.backdrop) {
    static const bool accessible = (QAccessible::installFactory(&CanvasAccessibleFactory), true);
    (void)accessible;
    auto* widget = new CanvasWidget(*this, ContentOf(owner));
    widget->setFocusPolicy(props.acceptFocus ? Qt::StrongFocus : Qt::NoFocus);
    if (!props.accessibleName.empty()) widget->setAccessibleName(ToQ(props.accessibleName));
    Place(widget, props.bounds, props.enabled, props.visible, props.locks, props.parent);
}

void Canvas::SetBackdrop(std::shared_ptr<const Picture> picture) {
    backdrop_ = std::move(picture);
    if (Widget()) Widget()->update();
}

}  // namespace framework
