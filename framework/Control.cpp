#include "framework/Control.h"

#include "framework/QtHelpers.h"
#include "framework/Window.h"

namespace framework {

namespace {

// A disabled control shows the colours it has when enabled: a disabled result field must stay as
// readable as the rest.
void KeepColoursWhenDisabled(QWidget* w) {
    QPalette palette = w->palette();
    bool changed = false;
    for (auto role : {QPalette::Text, QPalette::Base, QPalette::WindowText}) {
        const QColor active = palette.color(QPalette::Active, role);
        if (palette.color(QPalette::Disabled, role) == active) continue;
        palette.setColor(QPalette::Disabled, role, active);
        changed = true;
    }
    if (changed) w->setPalette(palette);
}

}  // namespace

Control::Control(Window& owner, std::string name) : owner_(owner), name_(std::move(name)) {}

Control::~Control() = default;

void Control::Place(QWidget* widget, const Rect& bounds, bool enabled, bool visible,
                    const Locks& locks, std::string parent) {
    widget_ = widget;
    designBounds_ = bounds;
    locks_ = locks;
    parent_ = std::move(parent);
    widget->setObjectName(ToQ(name_));
    if (!LayOut(owner_, widget, parent_)) {
        widget->setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
        // Later controls lie over earlier ones, a field over the panel that holds it.
        widget->raise();
    }
    widget->setEnabled(enabled);
    if (!enabled) KeepColoursWhenDisabled(widget);
    if (!visible) widget->hide();
}

bool Control::Enabled() const {
    return widget_ && widget_->isEnabled();
}
void Control::SetEnabled(bool enabled) {
    if (!widget_) return;
    widget_->setEnabled(enabled);
    if (!enabled) KeepColoursWhenDisabled(widget_);
}
bool Control::Visible() const {
    return widget_ && !widget_->isHidden();
}
void Control::SetVisible(bool visible) {
    if (widget_) widget_->setVisible(visible);
}
Rect Control::Bounds() const {
    if (!widget_) return {};
    const QRect g = widget_->geometry();
    return {g.x(), g.y(), g.width(), g.height()};
}

}  // namespace framework
