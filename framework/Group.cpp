#include "framework/Group.h"

#include <QBoxLayout>
#include <QScrollArea>

#include "framework/QtHelpers.h"
#include "framework/Window.h"

namespace framework {

namespace {

constexpr const char* kStack = "laidOutStack";

}  // namespace

void StartLayout(QWidget& content) {
    auto* outer = new QVBoxLayout(&content);
    outer->setContentsMargins(0, 0, 0, 0);
    // Whatever does not fit, with a large text size or a small screen, scrolls into view.
    auto* scroll = new QScrollArea(&content);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Not a stop of its own in the Tab order, where a screen reader would find nothing to name:
    // it scrolls whatever control takes the focus into view.
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* stack = new QWidget;
    stack->setObjectName(kStack);
    (new QVBoxLayout(stack))->addStretch(1);
    scroll->setWidget(stack);
    outer->addWidget(scroll);
}

bool LayOut(Window& owner, QWidget* widget, const std::string& parent) {
    if (!owner.Properties().laidOut) return false;
    QWidget* holder =
        static_cast<WindowFrame*>(owner.Widget())->Content()->findChild<QWidget*>(kStack);
    if (Control* group = parent.empty() ? nullptr : owner.FindControl(parent)) {
        holder = group->Widget();
    }
    auto* box = holder ? qobject_cast<QBoxLayout*>(holder->layout()) : nullptr;
    if (!box) return false;
    // Whatever the control was given, a laid-out window reads like the rest of the desktop.
    widget->setPalette(QPalette());
    widget->setFont(QFont());
    // Before the closing stretch, which keeps the controls at the top and the left.
    box->insertWidget(box->count() - 1, widget);
    return true;
}

Group::Group(Window& owner, std::string name, const Props& props)
    : Control(owner, std::move(name)) {
    auto* row = new QWidget(static_cast<WindowFrame*>(owner.Widget())->Content());
    auto* box = new QHBoxLayout(row);
    box->setContentsMargins(0, 0, 0, 0);
    box->addStretch(1);
    Place(row, {}, true, props.visible, {}, props.parent);
}

}  // namespace framework
