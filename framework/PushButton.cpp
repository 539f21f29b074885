#include "framework/PushButton.h"

#include <QPushButton>

#include "framework/QtHelpers.h"

namespace framework {

PushButton::PushButton(Window& owner, std::string name, const Props& props)
    : Control(owner, std::move(name)) {
    auto* button = new QPushButton(ToQ(props.caption), ContentOf(owner));
    button->setFont(ToQFont(props.font));
    button->setAutoDefault(false);
    // A click leaves the keyboard focus where the person was typing; Tab still reaches it.
    button->setFocusPolicy(Qt::TabFocus);
    button->setDefault(props.isDefault);
    QObject::connect(button, &QPushButton::clicked, button, [this] {
        if (Action) GuardedFor(Owner(), Action);
    });
    Place(button, props.bounds, props.enabled, props.visible, props.locks, props.parent);
}

std::string PushButton::Caption() const {
    return FromQ(static_cast<QPushButton*>(Widget())->text());
}

}  // namespace framework
