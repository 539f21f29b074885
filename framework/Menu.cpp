#include "framework/Menu.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QTextEdit>

#include "framework/Application.h"
#include "framework/Language.h"
#include "framework/QtHelpers.h"
#include "framework/Window.h"

namespace framework {

MenuItem::MenuItem() : action_(new QAction(qApp)) {
    // The action belongs to the application object so that it never outlives Qt, whatever the
    // lifetime of the item that owns it.
    QObject::connect(action_, &QObject::destroyed, [this] { action_ = nullptr; });
    QObject::connect(action_, &QAction::triggered, action_, [this] { DispatchMenuCommand(*this); });
}

MenuItem::MenuItem(const Props& props) : MenuItem() {
    SetName(props.name);
    SetAutoEnable(props.autoEnable);
    SetText(props.text);
    if (!props.keyboardShortcut.empty()) SetKeyboardShortcut(props.keyboardShortcut);
}

MenuItem::~MenuItem() {
    children_.clear();
    delete action_;
}

void MenuItem::SetText(std::string text) {
    text_.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && ++i == text.size()) break;  // "&&" is an '&' of the text
        text_ += text[i];
    }
    if (!action_) return;
    action_->setSeparator(IsSeparator());
    // The delete-selection command has no caption of its own; it reads as the platform's.
    if (text_.empty() && name_ == "EditClear") {
        action_->setText(ToQ(Tr("Menu", "Delete")));
    } else {
        action_->setText(ToQ(text));
    }
}

void MenuItem::SetKeyboardShortcut(std::string shortcut) {
    shortcut_ = std::move(shortcut);
    if (!action_) return;
    // Qt writes the platform's command key as Ctrl and maps it to Cmd on macOS itself.
    QString keys = ToQ(shortcut_);
    keys.replace(QLatin1String("Cmd+"), QLatin1String("Ctrl+"));
    action_->setShortcut(QKeySequence(keys, QKeySequence::PortableText));
}

bool MenuItem::Enabled() const {
    return action_ && action_->isEnabled();
}

void MenuItem::SetEnabled(bool enabled) {
    if (action_) action_->setEnabled(enabled);
}

MenuItem& MenuItem::Append(std::unique_ptr<MenuItem> item) {
    children_.push_back(std::move(item));
    MenuItem& added = *children_.back();
    if (added.action_ && added.InApplicationMenu()) added.action_->setMenuRole(QAction::AboutRole);
    if (added.action_ && added.IsQuit()) added.action_->setMenuRole(QAction::QuitRole);
    return added;
}

MenuItem* MenuItem::Child(std::string_view name) const {
    for (const auto& c : children_) {
        if (c->Name() == name) return c.get();
    }
    return nullptr;
}

MenuItem* MenuItem::Find(std::string_view name) const {
    for (const auto& c : children_) {
        if (c->Name() == name) return c.get();
        if (auto* found = c->Find(name)) return found;
    }
    return nullptr;
}

bool QuitMenuItem::Action() {
    Quit(0);
    return true;
}

void MenuHandlers::Add(std::string itemName, std::function<bool()> handler) {
    handlers_[std::move(itemName)] = std::move(handler);
}

bool MenuHandlers::Has(std::string_view itemName) const {
    return handlers_.find(itemName) != handlers_.end();
}

bool MenuHandlers::Run(std::string_view itemName) const {
    auto it = handlers_.find(itemName);
    return it != handlers_.end() && it->second && it->second();
}

}  // namespace framework
