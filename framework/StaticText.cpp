#include "framework/StaticText.h"

#include <QLabel>

#include "framework/QtHelpers.h"

namespace framework {

StaticText::StaticText(Window& owner, std::string name, const Props& props)
    : Control(owner, std::move(name)), font_(props.font) {
    auto* label = new QLabel(ContentOf(owner));
    label->setTextFormat(Qt::PlainText);
    label->setText(ToQ(props.text));
    label->setFont(FittingFont(ToQFont(props.font), label->text(), props.bounds.width));
    label->setAlignment(ToQAlign(props.alignment) | Qt::AlignVCenter);
    SetColours(label, QPalette::WindowText, props.textColor, QPalette::Window, std::nullopt);
    Place(label, props.bounds, props.enabled, props.visible, props.locks, props.parent);
}

std::string StaticText::Text() const {
    return FromQ(static_cast<QLabel*>(Widget())->text());
}
void StaticText::SetText(std::string_view text) {
    auto* label = static_cast<QLabel*>(Widget());
    label->setText(ToQ(text));
    label->setFont(FittingFont(ToQFont(font_), label->text(), label->width()));
}

void StaticText::SetBuddy(const Control& control) {
    static_cast<QLabel*>(Widget())->setBuddy(control.Widget());
}

}  // namespace framework
