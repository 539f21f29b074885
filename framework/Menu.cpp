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
#include "framework/Internal.h"
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
    text_ = std::move(text);
    if (!action_) return;
    action_->setSeparator(IsSeparator());
    // The delete-selection command has no caption of its own; it reads as the platform's.
    if (text_.empty() && name_ == "EditClear") {
        action_->setText(QObject::tr("Delete"));
    } else {
        action_->setText(ToQ(text_));
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

namespace {

template <class F>
void ForEachCommand(MenuItem& item, F&& f) {
    for (const auto& c : item.Children()) {
        if (c->Children().empty()) {
            f(*c);
        } else {
            ForEachCommand(*c, f);
        }
    }
}

// The text editing that the framework does for the focused field, by item name.
enum class Edit { None, Undo, Cut, Copy, Paste, Clear };

Edit EditOf(std::string_view name) {
    if (name == "EditUndo") return Edit::Undo;
    if (name == "EditCut") return Edit::Cut;
    if (name == "EditCopy") return Edit::Copy;
    if (name == "EditPaste") return Edit::Paste;
    if (name == "EditClear") return Edit::Clear;
    return Edit::None;
}

bool ClipboardHasText() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

// The widget that had the focus when the menu bar or a menu took it, as they do when a person
// opens the menus from the keyboard.
QPointer<QWidget>& FocusBeforeMenus() {
    static QPointer<QWidget> before;
    static const bool watching = [] {
        QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget* old, QWidget* now) {
            auto isMenu = [](QWidget* w) {
                return qobject_cast<QMenuBar*>(w) || qobject_cast<QMenu*>(w);
            };
            if (isMenu(now) && old && !isMenu(old)) before = old;
        });
        return true;
    }();
    (void)watching;
    return before;
}

}  // namespace

QWidget* EditTarget() {
    QWidget* focus = QApplication::focusWidget();
    if (!qobject_cast<QMenuBar*>(focus) && !qobject_cast<QMenu*>(focus)) return focus;
    QWidget* before = FocusBeforeMenus();
    const Window* front = FrontWindow();
    return before && front && before->window() == front->Widget() ? before : nullptr;
}

namespace {

bool CanEdit(Edit edit) {
    QWidget* focus = EditTarget();
    if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        const bool writable = !line->isReadOnly();
        switch (edit) {
            case Edit::Undo:
                return writable && line->isUndoAvailable();
            case Edit::Cut:
            case Edit::Clear:
                return writable && line->hasSelectedText();
            case Edit::Copy:
                return line->hasSelectedText();
            case Edit::Paste:
                return writable && ClipboardHasText();
            case Edit::None:
                return false;
        }
    }
    if (auto* text = qobject_cast<QTextEdit*>(focus)) {
        const bool writable = !text->isReadOnly();
        const bool selected = text->textCursor().hasSelection();
        switch (edit) {
            case Edit::Undo:
                return writable && text->document()->isUndoAvailable();
            case Edit::Cut:
            case Edit::Clear:
                return writable && selected;
            case Edit::Copy:
                return selected;
            case Edit::Paste:
                return writable && text->canPaste();
            case Edit::None:
                return false;
        }
    }
    return edit == Edit::Copy && ShownDrawing(focus);
}

// With nothing selected, the window in front may say what Copy copies.
std::string FrontCopyText() {
    std::string text;
    if (Window* front = FrontWindow()) GuardedFor(*front, [&] { text = front->CopyText(); });
    return text;
}

void DoEdit(Edit edit) {
    QWidget* focus = EditTarget();
    if (edit == Edit::Copy) {
        if (const Drawing* drawing = ShownDrawing(focus)) {
            QApplication::clipboard()->setMimeData(DrawingMimeData(*drawing));
            return;
        }
    }
    if (edit == Edit::Copy && !CanEdit(edit)) {
        if (const std::string text = FrontCopyText(); !text.empty()) {
            QApplication::clipboard()->setText(ToQ(text));
        }
        return;
    }
    if (!CanEdit(edit)) return;
    if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        switch (edit) {
            case Edit::Undo:
                line->undo();
                break;
            case Edit::Cut:
                line->cut();
                break;
            case Edit::Copy:
                line->copy();
                break;
            case Edit::Paste:
                if (!PasteIntoField(line)) line->paste();
                break;
            case Edit::Clear:
                line->del();
                break;
            case Edit::None:
                break;
        }
    } else if (auto* text = qobject_cast<QTextEdit*>(focus)) {
        switch (edit) {
            case Edit::Undo:
                text->undo();
                break;
            case Edit::Cut:
                text->cut();
                break;
            case Edit::Copy:
                text->copy();
                break;
            case Edit::Paste:
                text->paste();
                break;
            case Edit::Clear:
                text->textCursor().removeSelectedText();
                break;
            case Edit::None:
                break;
        }
    }
}

}  // namespace

void UpdateMenus() {
    Application* app = CurrentApplication();
    MenuBar* bar = app ? app->GetMenuBar() : nullptr;
    if (!bar) return;
    ForEachCommand(*bar, [](MenuItem& item) { item.SetEnabled(item.IsQuit()); });
    if (Window* front = FrontWindow()) {
        GuardedFor(*front, [front] { front->EnableMenuItems(); });
        ForEachCommand(*bar, [front](MenuItem& item) {
            if (item.AutoEnable() && front->Handlers().Has(item.Name())) item.SetEnabled(true);
        });
    }
    Guarded([app] { app->EnableMenuItems(); });
    ForEachCommand(*bar, [app](MenuItem& item) {
        if (item.AutoEnable() && app->Handlers().Has(item.Name())) item.SetEnabled(true);
        if (Edit e = EditOf(item.Name()); e != Edit::None) {
            item.SetEnabled(CanEdit(e) || (e == Edit::Copy && !FrontCopyText().empty()));
        }
    });
}

void DispatchMenuCommand(MenuItem& item) {
    Guarded([&item] {
        if (item.Action()) return;
        if (Edit e = EditOf(item.Name()); e != Edit::None) {
            DoEdit(e);
            return;
        }
        // The name is copied: a handler may close its window, and with it what it was called for.
        const std::string name = item.Name();
        if (Window* front = FrontWindow()) {
            bool done = false;
            GuardedFor(*front, [&] { done = front->Handlers().Run(name); });
            if (done) return;
        }
        if (Application* app = CurrentApplication()) app->Handlers().Run(name);
    });
}

QMenuBar* BuildQtMenuBar(MenuBar& bar, QWidget* parent) {
    // From the first bar on, the Edit items need to know where the focus was before it.
    FocusBeforeMenus();
    auto* qbar = new QMenuBar(parent);
    std::vector<QAction*> applicationItems;
    std::function<void(QMenu*, const MenuItem&)> fill = [&](QMenu* menu, const MenuItem& item) {
        for (const auto& child : item.Children()) {
            if (child->InApplicationMenu()) {
                applicationItems.push_back(child->QtAction());
            } else if (child->IsSeparator()) {
                menu->addSeparator();
            } else if (!child->Children().empty()) {
                QMenu* sub = menu->addMenu(ToQ(child->Text()));
                QObject::connect(sub, &QMenu::aboutToShow, sub, &UpdateMenus);
                fill(sub, *child);
            } else {
                menu->addAction(child->QtAction());
            }
        }
    };
    std::vector<QMenu*> menus;
    for (const auto& top : bar.Children()) {
        auto* menu = new QMenu(ToQ(top->Text()), qbar);
        QObject::connect(menu, &QMenu::aboutToShow, menu, &UpdateMenus);
        fill(menu, *top);
        menus.push_back(menu);
    }
#ifdef Q_OS_MACOS
    // The platform's own application menu takes these items by their role.
    for (QAction* a : applicationItems) menus.front()->addAction(a);
#else
    // Without a platform application menu, the framework shows one, first in the bar.
    if (!applicationItems.empty()) {
        auto* appMenu = qbar->addMenu(ToQ(ApplicationName()));
        QObject::connect(appMenu, &QMenu::aboutToShow, appMenu, &UpdateMenus);
        for (QAction* a : applicationItems) appMenu->addAction(a);
    }
#endif
    for (QMenu* menu : menus) qbar->addMenu(menu);
    return qbar;
}

}  // namespace framework
