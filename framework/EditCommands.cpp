#include "framework/EditCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QTextEdit>

#include "framework/Export.h"
#include "framework/QtHelpers.h"
#include "framework/Window.h"

namespace framework {

using Edit = EditCommand;

EditCommand EditCommandOf(std::string_view name) {
    if (name == "EditUndo") return Edit::Undo;
    if (name == "EditCut") return Edit::Cut;
    if (name == "EditCopy") return Edit::Copy;
    if (name == "EditPaste") return Edit::Paste;
    if (name == "EditClear") return Edit::Clear;
    return Edit::None;
}

namespace {

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

}  // namespace

void RunEditCommand(Edit edit) {
    QWidget* focus = EditTarget();
    if (edit == Edit::Copy) {
        if (const calc::Drawing* drawing = ShownDrawing(focus)) {
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

bool EditCommandEnabled(EditCommand command) {
    return CanEdit(command) || (command == Edit::Copy && !FrontCopyText().empty());
}

void WatchFocusBeforeMenus() {
    FocusBeforeMenus();
}

}  // namespace framework
