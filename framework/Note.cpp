#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QToolTip>

#include "framework/Controls.h"
#include "framework/Platform.h"
#include "framework/QtHelpers.h"

namespace framework {

namespace {

const QString kNoteName = QStringLiteral("framework-note");

// Screen readers read a tooltip out as it appears; Qt knows only its own tooltip for one.
QAccessibleInterface* NoteAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("QLabel") || object->objectName() != kNoteName) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::ToolTip);
}

// Looks like the platform's tooltip, but unlike Qt's own it outlives the key release that
// follows the refused key press, which would otherwise take it away at once.
class NoteLabel : public QLabel {
  public:
    explicit NoteLabel(QWidget* window)
        : QLabel(window, Qt::ToolTip | Qt::BypassGraphicsProxyWidget) {
        [[maybe_unused]] static const bool accessible =
            (QAccessible::installFactory(NoteAccessible), true);
        setObjectName(kNoteName);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setForegroundRole(QPalette::ToolTipText);
        setBackgroundRole(QPalette::ToolTipBase);
        setPalette(QToolTip::palette());
        setFont(QToolTip::font());
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setMargin(3);
        setAutoFillBackground(true);
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, this, &QWidget::hide);
    }

    void ShowBelow(QWidget* control, const QString& text, int msec) {
        setText(text);
        setAccessibleName(text);
        adjustSize();
        move(control->mapToGlobal(QPoint(0, control->height() + 2)));
        show();
        raise();
        timer_.start(msec);
    }

  private:
    QTimer timer_;
};

}  // namespace

void Platform::ShowNote(const Control& control, const std::string& text) {
    QWidget* widget = control.Widget();
    if (!widget || !widget->isVisible()) return;
    // One note at a time; it belongs to the control's window and goes with it.
    static QPointer<NoteLabel> note;
    if (note && note->parentWidget() != widget->window()) delete note;
    if (!note) note = new NoteLabel(widget->window());
    note->ShowBelow(widget, ToQ(text), 2500);
}

}  // namespace framework
