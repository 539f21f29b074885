#include "framework/TextView.h"

#include <QAbstractTextDocumentLayout>
#include <QTextEdit>

#include <cmath>

#include "framework/QtHelpers.h"
#include "framework/Window.h"

namespace framework {

namespace {

class ReadingText : public QTextEdit {
  public:
    explicit ReadingText(QWidget* parent) : QTextEdit(parent) {
        setReadOnly(true);
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        setTabChangesFocus(true);
        setFrameShape(QFrame::NoFrame);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // It reads as part of the window, not as a field.
        viewport()->setAutoFillBackground(false);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged,
                this, [this] { Fit(); });
    }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QTextEdit::resizeEvent(event);
        Fit();
    }

  private:
    // As tall as the text at the present width, so that the window, not the text, scrolls.
    void Fit() {
        const int h = static_cast<int>(std::ceil(document()->size().height())) + 2 * frameWidth();
        if (h != height()) setFixedHeight(h);
    }
};

}  // namespace

TextView::TextView(Window& owner, std::string name, const Props& props)
    : Control(owner, std::move(name)) {
    auto* text = new ReadingText(static_cast<WindowFrame*>(owner.Widget())->Content());
    text->setPlainText(ToQ(props.text));
    if (!props.accessibleName.empty()) text->setAccessibleName(ToQ(props.accessibleName));
    Place(text, {}, true, props.visible, {}, props.parent);
}

std::string TextView::Text() const {
    return FromQ(static_cast<QTextEdit*>(Widget())->toPlainText());
}

void TextView::SetText(std::string_view text) {
    auto* edit = static_cast<QTextEdit*>(Widget());
    const QString q = ToQ(text);
    // Unchanged text keeps its selection and costs no new layout.
    if (edit->toPlainText() != q) edit->setPlainText(q);
}

}  // namespace framework
