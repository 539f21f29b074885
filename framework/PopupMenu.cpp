#include "framework/PopupMenu.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "framework/QtHelpers.h"
#include "framework/Window.h"

namespace framework {

PopupMenu::PopupMenu(Window& owner, std::string name, const Props& props)
    : Control(owner, std::move(name)) {
    auto* box = new QComboBox(static_cast<WindowFrame*>(owner.Widget())->Content());
    for (const auto& item : props.items) box->addItem(ToQ(item));
    box->setCurrentIndex(props.listIndex);
    if (!props.accessibleName.empty()) box->setAccessibleName(ToQ(props.accessibleName));
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [this] {
        if (Change) GuardedFor(Owner(), Change);
    });
    Place(box, {}, props.enabled, props.visible, {}, props.parent);
}

int PopupMenu::ListIndex() const {
    return static_cast<QComboBox*>(Widget())->currentIndex();
}

void PopupMenu::SetListIndex(int index) {
    static_cast<QComboBox*>(Widget())->setCurrentIndex(index);
}

void PopupMenu::SetItems(const std::vector<std::string>& items, int index) {
    auto* box = static_cast<QComboBox*>(Widget());
    const QSignalBlocker quiet(box);
    box->clear();
    for (const auto& item : items) box->addItem(ToQ(item));
    box->setCurrentIndex(index);
}

std::string PopupMenu::Text() const {
    return FromQ(static_cast<QComboBox*>(Widget())->currentText());
}

}  // namespace framework
