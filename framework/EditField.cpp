#include "framework/EditField.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextEdit>

#include "framework/Language.h"
#include "framework/Platform.h"
#include "framework/Printing.h"
#include "framework/QtHelpers.h"
#include "framework/Window.h"

namespace framework {

namespace {

// The UTF-8 characters of a text, one at a time.
std::vector<std::string_view> Characters(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t len = lead < 0x80    ? 1
                          : lead >= 0xF0 ? 4
                          : lead >= 0xE0 ? 3
                          : lead >= 0xC0 ? 2
                                         : 1;
        len = std::min(len, text.size() - i);
        out.push_back(text.substr(i, len));
        i += len;
    }
    return out;
}

}  // namespace

// The two Qt editors behind a field share this: every typed character goes through the
// field's KeyDown before the editor sees it.
class EditField::Impl {
  public:
    explicit Impl(EditField& field) : field(field) {}
    virtual ~Impl() = default;
    virtual QWidget* Widget() = 0;
    virtual QString Text() const = 0;
    virtual void SetText(const QString& text) = 0;
    virtual int SelStart() const = 0;
    virtual int SelLength() const = 0;
    virtual void Select(int start, int length) = 0;
    virtual bool SelBold() const { return false; }
    virtual void SetSelBold(bool) {}

    // Runs the field's KeyDown on a typed key or input-method text, one character at a time,
    // so that a text of several characters cannot slip a refused one past it. True when the
    // event has been dealt with here: refused, or handed to `deliver` with the text KeyDown put
    // in place of a key.
    bool Filter(QEvent* event, const std::function<void(QEvent*)>& deliver) {
        if (!field.KeyDown) return false;
        std::string text;
        if (event->type() == QEvent::KeyPress) {
            text = KeyTextOf(*static_cast<QKeyEvent*>(event));
        } else if (event->type() == QEvent::InputMethod) {
            text = FromQ(static_cast<QInputMethodEvent*>(event)->commitString());
        } else {
            return false;
        }
        if (text.empty()) return false;
        bool refused = true;  // a handler that fails refuses the key
        std::string passed;
        GuardedFor(field.Owner(), [&] {
            for (std::string_view c : Characters(text)) {
                field.replacement_.reset();
                refused = field.KeyDown(c);
                if (refused) return;
                passed += field.replacement_.value_or(std::string(c));
            }
        });
        field.replacement_.reset();
        if (refused) return true;
        if (passed == text) return false;
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), ToQ(passed),
                               key->isAutoRepeat(), key->count());
            deliver(&replaced);
        } else {
            const auto* im = static_cast<QInputMethodEvent*>(event);
            QInputMethodEvent replaced(im->preeditString(), im->attributes());
            replaced.setCommitString(ToQ(passed), im->replacementStart(), im->replacementLength());
            deliver(&replaced);
        }
        return true;
    }

    // What a paste or drop brings in once the field's Paste event has seen it, in place of the
    // selection or beside it; nothing when it is refused.
    std::optional<QString> Pasted(const QString& text, bool overSelection = true) {
        QString pasted = text;
        if (field.Paste) {
            std::optional<std::string> taken;  // a handler that fails refuses the text
            GuardedFor(field.Owner(), [&] { taken = field.Paste(ToFieldText(text)); });
            if (!taken) return std::nullopt;
            pasted = FromFieldText(*taken);
        }
        // Cut short, a pasted number would be another number, unnoticed: the whole paste is
        // refused, and seen to be.
        const int limit = field.limitText_;
        if (limit > 0 &&
            Text().size() - (overSelection ? SelLength() : 0) + pasted.size() > limit) {
            Beep();
            const QString note = ToQ(Tr("EditField", "At most %1 %2"));
            ShowNote(field, FromQ(note.arg(limit).arg(ToQ(field.limitUnit_.empty()
                                                              ? Tr("EditField", "characters")
                                                              : field.limitUnit_))));
            return std::nullopt;
        }
        return pasted;
    }

    EditField& field;
};

namespace {

class LineEditor : public QLineEdit {
  public:
    LineEditor(EditField::Impl& impl, QWidget* parent) : QLineEdit(parent), impl_(impl) {}

    // Qt's own paste takes the clipboard as it is; every road in goes through the field here.
    void PasteFrom(QClipboard::Mode mode) {
        if (isReadOnly()) return;
        const auto text = impl_.Pasted(QGuiApplication::clipboard()->text(mode));
        if (!text) return;
        // A paste is one undo step of its own, as it is with Qt's paste.
        MarkUndoStep();
        insert(*text);
        MarkUndoStep();
    }

  protected:
    bool event(QEvent* e) override {
        if (impl_.Filter(e, [this](QEvent* replaced) { QLineEdit::event(replaced); })) return true;
        if (e->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(e)->matches(QKeySequence::Paste)) {
            PasteFrom(QClipboard::Clipboard);
            return true;
        }
        return QLineEdit::event(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
            deselect();
            PasteFrom(QClipboard::Selection);
            return;
        }
        QLineEdit::mouseReleaseEvent(e);
    }
    void dropEvent(QDropEvent* e) override {
        // Dropped from elsewhere, the text goes in beside the selection.
        const auto text = e->mimeData()->hasText()
                              ? impl_.Pasted(e->mimeData()->text(), e->source() == this)
                              : std::nullopt;
        if (!text) {
            e->ignore();
            return;
        }
        QMimeData taken;
        taken.setText(*text);
        QDropEvent replaced(e->position(), e->possibleActions(), &taken, e->buttons(),
                            e->modifiers());
        replaced.setDropAction(e->dropAction());
        QLineEdit::dropEvent(&replaced);
        e->setDropAction(replaced.dropAction());
        e->setAccepted(replaced.isAccepted());
    }
    void contextMenuEvent(QContextMenuEvent* e) override {
        QMenu* menu = createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        for (QAction* action : menu->actions()) {
            if (QObject::disconnect(action, nullptr, this, SLOT(paste()))) {
                connect(action, &QAction::triggered, this,
                        [this] { PasteFrom(QClipboard::Clipboard); });
            }
        }
        menu->popup(e->globalPos());
    }
    // The keyboard going to the menu bar keeps the selection, as going to another window does:
    // it is what the Edit menu is about to work on.
    void focusOutEvent(QFocusEvent* e) override {
        if (e->reason() != Qt::MenuBarFocusReason) return QLineEdit::focusOutEvent(e);
        QFocusEvent kept(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QLineEdit::focusOutEvent(&kept);
    }

  private:
    // Qt ends an undo step where the caret moves, and offers no other way to end one: so the
    // caret steps aside and back, with the selection as it was.
    void MarkUndoStep() {
        if (text().isEmpty()) return;
        const int start = selectionStart();
        const int length = selectionLength();
        const int caret = cursorPosition();
        setCursorPosition(caret == 0 ? 1 : 0);
        if (length == 0) {
            setCursorPosition(caret);
        } else if (caret == start) {
            setSelection(start + length, -length);
        } else {
            setSelection(start, length);
        }
    }

    EditField::Impl& impl_;
};

// A multi-line editor that, unlike Qt's, never holds more characters than its limit, whatever
// road the text comes by: typing, paste, drop or an input method. Typing that would pass the
// limit is cut short before it is made, so undo only ever sees edits within it.
class TextEditor : public QTextEdit {
  public:
    TextEditor(EditField::Impl& impl, QWidget* parent, int limit)
        : QTextEdit(parent), impl_(impl), limit_(limit) {}

    int CharacterCount() const { return document()->characterCount() - 1; }

  protected:
    bool event(QEvent* e) override {
        if (impl_.Filter(e, [this](QEvent* replaced) { Take(replaced); })) return true;
        return Take(e);
    }
    // Typed text from an input method has been through KeyDown in event() already.
    void inputMethodEvent(QInputMethodEvent* e) override {
        if (limit_ > 0 && e->commitString().size() > Room()) {
            QInputMethodEvent cut(e->preeditString(), e->attributes());
            cut.setCommitString(e->commitString().left(Room()), e->replacementStart(),
                                e->replacementLength());
            QTextEdit::inputMethodEvent(&cut);
            return;
        }
        QTextEdit::inputMethodEvent(e);
    }
    // Paste, drop and the selection's middle click all come this way.
    void insertFromMimeData(const QMimeData* source) override {
        if (!source->hasText() || (limit_ <= 0 && !impl_.field.Paste)) {
            QTextEdit::insertFromMimeData(source);
            return;
        }
        std::optional<QString> text = impl_.Pasted(source->text());
        if (!text) return;
        textCursor().insertText(*text);
        ensureCursorVisible();
    }

  private:
    bool Take(QEvent* e) {
        if (e->type() == QEvent::KeyPress && !Fits(*static_cast<QKeyEvent*>(e))) return true;
        return QTextEdit::event(e);
    }
    // Characters that still fit once the selection is replaced.
    qsizetype Room() const {
        const QTextCursor c = textCursor();
        return std::max(0, limit_ - (CharacterCount() - (c.selectionEnd() - c.selectionStart())));
    }
    bool Fits(const QKeyEvent& key) const {
        if (limit_ <= 0 || (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
            return true;
        }
        qsizetype typed = 0;
        if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
            typed = 1;
        } else if (!key.text().isEmpty() && key.text().front().isPrint()) {
            typed = key.text().size();
        }
        return typed <= Room();
    }

    EditField::Impl& impl_;
    int limit_;
};

class LineImpl : public EditField::Impl {
  public:
    LineImpl(EditField& field, QWidget* parent)
        : Impl(field), edit(new LineEditor(*this, parent)) {}
    QWidget* Widget() override { return edit; }
    QString Text() const override { return edit->text(); }
    void SetText(const QString& text) override { edit->setText(text); }
    int SelStart() const override {
        return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    }
    int SelLength() const override { return edit->hasSelectedText() ? edit->selectionLength() : 0; }
    void Select(int start, int length) override {
        const int size = static_cast<int>(edit->text().size());
        start = std::clamp(start, 0, size);
        length = std::clamp(length, 0, size - start);
        if (length == 0) {
            edit->setCursorPosition(start);
        } else {
            edit->setSelection(start, length);
        }
    }
    LineEditor* edit;
};

class TextImpl : public EditField::Impl {
  public:
    TextImpl(EditField& field, QWidget* parent, int limit)
        : Impl(field), edit(new TextEditor(*this, parent, limit)), limit(limit) {}
    QWidget* Widget() override { return edit; }
    QString Text() const override { return edit->toPlainText(); }
    void SetText(const QString& text) override {
        edit->setPlainText(limit > 0 ? text.left(limit) : text);
    }
    int SelStart() const override { return edit->textCursor().selectionStart(); }
    int SelLength() const override {
        const QTextCursor c = edit->textCursor();
        return c.selectionEnd() - c.selectionStart();
    }
    void Select(int start, int length) override {
        QTextCursor c = edit->textCursor();
        const int size = CharacterCount();
        start = std::clamp(start, 0, size);
        length = std::clamp(length, 0, size - start);
        c.setPosition(start);
        c.setPosition(start + length, QTextCursor::KeepAnchor);
        edit->setTextCursor(c);
    }
    bool SelBold() const override {
        QTextCursor c = edit->textCursor();
        if (!c.hasSelection()) return c.charFormat().fontWeight() >= QFont::Bold;
        for (int p = c.selectionStart(); p < c.selectionEnd(); ++p) {
            QTextCursor probe(edit->document());
            probe.setPosition(p + 1);
            if (probe.charFormat().fontWeight() < QFont::Bold) return false;
        }
        return true;
    }
    void SetSelBold(bool bold) override {
        QTextCharFormat format;
        format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
        edit->textCursor().mergeCharFormat(format);
    }
    // Characters of the text, a line break counting as one.
    int CharacterCount() const { return edit->CharacterCount(); }

    TextEditor* edit;
    int limit;
};

}  // namespace

bool PasteIntoField(QWidget* editor) {
    if (auto* line = dynamic_cast<LineEditor*>(editor)) {
        line->PasteFrom(QClipboard::Clipboard);
        return true;
    }
    if (auto* text = dynamic_cast<TextEditor*>(editor)) {
        text->paste();
        return true;
    }
    return false;
}

EditField::EditField(Window& owner, std::string name, const Props& props)
    : Control(owner, std::move(name)),
      limitText_(std::max(0, props.limitText)),
      limitUnit_(props.limitUnit) {
    QWidget* parent = ContentOf(owner);
    if (props.multiLine) {
        auto impl = std::make_unique<TextImpl>(*this, parent, limitText_);
        TextEditor* edit = impl->edit;
        edit->setAcceptRichText(false);
        edit->setTabChangesFocus(true);
        edit->setVerticalScrollBarPolicy(props.scrollBarVertical ? Qt::ScrollBarAsNeeded
                                                                 : Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(props.scrollBarHorizontal ? Qt::ScrollBarAsNeeded
                                                                     : Qt::ScrollBarAlwaysOff);
        edit->setLineWrapMode(props.scrollBarHorizontal ? QTextEdit::NoWrap
                                                        : QTextEdit::WidgetWidth);
        edit->setReadOnly(props.readOnly);
        if (props.readOnly) edit->setTextInteractionFlags(Qt::TextSelectableByMouse);
        edit->setFrameShape(props.border ? QFrame::StyledPanel : QFrame::NoFrame);
        edit->document()->setDefaultFont(ToQFont(props.font));
        edit->setFont(ToQFont(props.font));
        // Small fields need every pixel for their text.
        if (props.bounds.height < 40) edit->document()->setDocumentMargin(1);
        QTextOption option = edit->document()->defaultTextOption();
        option.setAlignment(ToQAlign(props.alignment));
        edit->document()->setDefaultTextOption(option);
        impl_ = std::move(impl);
    } else {
        auto impl = std::make_unique<LineImpl>(*this, parent);
        LineEditor* edit = impl->edit;
        edit->setFrame(props.border);
        edit->setReadOnly(props.readOnly);
        edit->setFont(ToQFont(props.font));
        edit->setAlignment(ToQAlign(props.alignment) | Qt::AlignVCenter);
        edit->setTextMargins(0, 0, 0, 0);
        if (limitText_ > 0) edit->setMaxLength(limitText_);
        impl_ = std::move(impl);
    }
    QWidget* w = impl_->Widget();
    auto changed = [this] {
        if (TextChange) GuardedFor(Owner(), TextChange);
    };
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        QObject::connect(line, &QLineEdit::textChanged, line, changed);
    } else if (auto* text = qobject_cast<QTextEdit*>(w)) {
        QObject::connect(text, &QTextEdit::textChanged, text, changed);
    }
    SetColours(w, QPalette::Text, props.textColor, QPalette::Base, props.backColor);
    if (!props.accessibleName.empty()) w->setAccessibleName(ToQ(props.accessibleName));
    impl_->SetText(FromFieldText(props.text));
    Place(w, props.bounds, props.enabled, props.visible, props.locks, props.parent);
    if (props.drawnOnly) MarkDrawnOnly(w);
}

EditField::~EditField() = default;

std::string EditField::Text() const {
    return ToFieldText(impl_->Text());
}
void EditField::SetText(std::string_view text) {
    impl_->SetText(FromFieldText(text));
}
int EditField::SelStart() const {
    return impl_->SelStart();
}
void EditField::SetSelStart(int start) {
    impl_->Select(start, 0);
}
int EditField::SelLength() const {
    return impl_->SelLength();
}
void EditField::SetSelLength(int length) {
    impl_->Select(impl_->SelStart(), length);
}
bool EditField::SelBold() const {
    return impl_->SelBold();
}
void EditField::SetSelBold(bool bold) {
    impl_->SetSelBold(bold);
}
void EditField::SetFocus() {
    impl_->Widget()->setFocus(Qt::OtherFocusReason);
}
bool EditField::HasFocus() const {
    return impl_->Widget()->hasFocus();
}
void EditField::SetAccessibleDescription(std::string_view description) {
    impl_->Widget()->setAccessibleDescription(ToQ(description));
}

std::unique_ptr<framework::StyledTextPrinter> EditField::StyledTextPrinter(
    PrinterGraphics& graphics, int wrapWidth) const {
    if (auto* text = dynamic_cast<TextImpl*>(impl_.get())) {
        return std::make_unique<framework::StyledTextPrinter>(graphics, *text->edit->document(),
                                                              wrapWidth);
    }
    QTextDocument doc(impl_->Text());
    doc.setDefaultFont(impl_->Widget()->font());
    return std::make_unique<framework::StyledTextPrinter>(graphics, doc, wrapWidth);
}

}  // namespace framework
