#include "framework/Controls.h"

#include <QAccessibleWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include "framework/Internal.h"
#include "framework/PictureData.h"
#include "framework/Printing.h"
#include "framework/Window.h"

namespace framework {

QFont ToQFont(const Font& font) {
    QFont f;
    if (font.face == "System") {
        f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    } else if (font.face == "Courier") {
        f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    } else if (font.face == "Times") {
        f = QFont(QStringLiteral("serif"));
        f.setStyleHint(QFont::Serif);
    } else {
        f = QFont(ToQ(font.face));
    }
    f.setPixelSize(std::max(1, font.size));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    return f;
}

std::string KeyTextOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Backspace:
            return "\x08";
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return "\t";
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return "\r";
        case Qt::Key_Escape:
            return "\x1b";
        case Qt::Key_Delete:
            return "\x7f";
        case Qt::Key_Home:
            return "\x01";
        case Qt::Key_End:
            return "\x04";
        case Qt::Key_PageUp:
            return "\x0b";
        case Qt::Key_PageDown:
            return "\x0c";
        case Qt::Key_Left:
            return "\x1c";
        case Qt::Key_Right:
            return "\x1d";
        case Qt::Key_Up:
            return "\x1e";
        case Qt::Key_Down:
            return "\x1f";
        default:
            break;
    }
    QString text = event.text();
    // A command-key letter is the control character of that letter, whatever the platform put
    // into the event's text.
    if ((event.modifiers() & Qt::ControlModifier) && event.key() >= Qt::Key_A &&
        event.key() <= Qt::Key_Z) {
        return std::string(1, static_cast<char>(event.key() - Qt::Key_A + 1));
    }
    return FromQ(text);
}

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

void MarkDrawnOnly(QWidget* widget) {
    widget->setProperty("framework_drawnOnly", true);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
}

bool IsDrawnOnly(const QObject* object) {
    return object && object->property("framework_drawnOnly").toBool();
}

// ---------------------------------------------------------------------------------------------
// Control

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

namespace {

QWidget* ContentOf(Window& owner) {
    return static_cast<WindowFrame*>(owner.Widget())->Content();
}

// Only colours that differ from the widget's are set. A palette of a widget's own gets a cache key
// that no later widget shares, and so do its children's; the style keeps what it draws (the scroll
// bars) in the pixmap cache under that key. A window built afresh each time it opens would leave
// its pictures there after every close, where nothing ever finds them again.
void SetColours(QWidget* w, QPalette::ColorRole fg, Color text, QPalette::ColorRole bg,
                std::optional<Color> back) {
    QPalette palette = w->palette();
    bool changed = false;
    const auto set = [&](QPalette::ColorGroup group, QPalette::ColorRole role, Color c) {
        if (palette.color(group, role) == ToQColor(c)) return;
        palette.setColor(group, role, ToQColor(c));
        changed = true;
    };
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        set(group, fg, text);
        if (back) set(group, bg, *back);
    }
    if (changed) w->setPalette(palette);
}

Qt::Alignment ToQAlign(Align a) {
    switch (a) {
        case Align::Centre:
            return Qt::AlignHCenter;
        case Align::Right:
            return Qt::AlignRight;
        case Align::Left:
            break;
    }
    return Qt::AlignLeft;
}

// A label keeps its text whole: where the platform's interface font runs wider than the one the
// layout was drawn with, the letters first move a little closer, and only then is the text set
// smaller, by up to a quarter, rather than cut off.
QFont FittingFont(QFont font, const QString& text, int width) {
    auto fits = [&] { return QFontMetrics(font).horizontalAdvance(text) <= width; };
    for (int spacing = 99; !fits() && spacing >= 95; --spacing) {
        font.setLetterSpacing(QFont::PercentageSpacing, spacing);
    }
    const int designed = font.pixelSize();
    while (!fits() && font.pixelSize() > designed * 3 / 4) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

std::string ToFieldText(QString text) {
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\r'));
    text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return FromQ(text);
}

QString FromFieldText(std::string_view text) {
    QString q = ToQ(text);
    q.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    q.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return q;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// EditField

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

    // What a paste or drop brings in once the field's Paste event has seen it; nothing when it
    // is refused.
    std::optional<QString> Pasted(const QString& text) {
        if (!field.Paste) return text;
        std::optional<std::string> taken;  // a handler that fails refuses the text
        GuardedFor(field.Owner(), [&] { taken = field.Paste(ToFieldText(text)); });
        if (!taken) return std::nullopt;
        return FromFieldText(*taken);
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
        const auto text =
            e->mimeData()->hasText() ? impl_.Pasted(e->mimeData()->text()) : std::nullopt;
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
// road the text comes by: typing, paste, drop or an input method. Each edit that would pass the
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
        textCursor().insertText(limit_ > 0 ? text->left(Room()) : *text);
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
    : Control(owner, std::move(name)), limitText_(std::max(0, props.limitText)) {
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

// ---------------------------------------------------------------------------------------------
// StaticText, PushButton

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

// ---------------------------------------------------------------------------------------------
// Canvas, Rectangle

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

class RectangleWidget : public QWidget {
  public:
    RectangleWidget(const Rectangle& rect, QWidget* parent) : QWidget(parent), rect_(rect) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        const auto& p = rect_.Properties();
        QPainter painter(this);
        const int w = width();
        const int h = height();
        painter.fillRect(rect(), ToQColor(p.fillColor));
        const QColor tl = ToQColor(p.topLeftColor);
        const QColor br = ToQColor(p.bottomRightColor);
        for (int i = 0; i < p.borderWidth && 2 * i < std::min(w, h); ++i) {
            painter.fillRect(i, i, w - 2 * i, 1, tl);          // top
            painter.fillRect(i, i, 1, h - 2 * i, tl);          // left
            painter.fillRect(i, h - 1 - i, w - 2 * i, 1, br);  // bottom
            painter.fillRect(w - 1 - i, i, 1, h - 2 * i, br);  // right
        }
    }

  private:
    const Rectangle& rect_;
};

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

Rectangle::Rectangle(Window& owner, std::string name, const Props& props)
    : Control(owner, std::move(name)), props_(props) {
    auto* widget = new RectangleWidget(*this, ContentOf(owner));
    Place(widget, props.bounds, true, props.visible, props.locks, props.parent);
}

// ---------------------------------------------------------------------------------------------
// Timer

Timer::Timer(Window& owner, std::string name, const Props& props)
    : Control(owner, std::move(name)),
      timer_(new QTimer),
      mode_(props.mode),
      period_(props.period) {
    timer_->setSingleShot(mode_ == Mode::Single);
    timer_->setInterval(std::max(0, period_));
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] {
        if (Action) GuardedFor(Owner(), Action);
    });
    if (mode_ != Mode::Off) timer_->start();
}

Timer::~Timer() {
    delete timer_;
}

}  // namespace framework
