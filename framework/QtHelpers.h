#pragma once

// Qt-side helpers shared by the framework's own sources. Never included outside framework/.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "calc/explain/Drawing.h"
#include "framework/Types.h"

class QKeyEvent;
class QMenuBar;

namespace framework {

class Window;
class MenuBar;

inline QString ToQ(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string FromQ(const QString& s) {
    return s.toStdString();
}
inline QColor ToQColor(Color c) {
    return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

QFont ToQFont(const Font& font);
Qt::Alignment ToQAlign(Align a);
// A label keeps its text whole: where the platform's interface font runs wider than the one the
// layout was drawn with, the letters first move a little closer, and only then is the text set
// smaller, by up to a quarter, rather than cut off.
QFont FittingFont(QFont font, const QString& text, int width);
// Sets only the colours that differ from the widget's own (see QtHelpers.cpp for why).
void SetColours(QWidget* w, QPalette::ColorRole fg, Color text, QPalette::ColorRole bg,
                std::optional<Color> back);

// A field's text has single carriage returns for line breaks; Qt's has line feeds.
std::string ToFieldText(QString text);
QString FromFieldText(std::string_view text);

// Writes a file whole or not at all: beside the target, renamed over it once complete, so that a
// failure part way leaves the old file, or none. The system's reason on failure, else empty.
std::string WriteWhole(const QString& path, const QByteArray& bytes);

// Hands the chosen language's translations (Language.h) to the running Qt application, for
// Qt's own dialogs and texts.
void InstallTranslations();

// The widget that a window's controls stand in.
QWidget* ContentOf(Window& owner);

// A control that is only drawn: it takes neither focus nor clicks, and assistive technology
// does not see it.
void MarkDrawnOnly(QWidget* widget);
bool IsDrawnOnly(const QObject* object);

// The key a KeyDown handler receives for a key press: the typed text, or the control character
// of an editing or navigation key (backspace 8, tab 9, return 13, delete 127, arrows 28 to 31,
// ...). Empty for keys that type nothing, such as a modifier on its own.
std::string KeyTextOf(const QKeyEvent& event);

// Pastes the clipboard into the editor behind an EditField, through the field's Paste event;
// false when the widget is no such editor.
bool PasteIntoField(QWidget* editor);

// Runs program code for a window, keeping the window alive while it runs even if the code
// closes it.
void GuardedFor(Window& window, const std::function<void()>& code);

// The top-level Qt window behind a framework window: the menu bar above the content area.
class WindowFrame : public QWidget {
  public:
    explicit WindowFrame(Window& owner);
    Window* Owner() const { return owner_; }
    void Detach() { owner_ = nullptr; }
    QWidget* Content() const { return content_; }
    void InstallMenuBar(MenuBar& bar);
    bool HasMenuBar() const { return menuBar_ != nullptr; }

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Window* owner_;
    QWidget* content_;
    QMenuBar* menuBar_ = nullptr;
};

// In a window laid out by the platform, puts a control's widget into its place in the layout,
// inside the control named parent if that holds a layout, and gives it the desktop's font and
// colours. False, and nothing done, in a window whose controls stand at their bounds.
bool LayOut(Window& owner, QWidget* widget, const std::string& parent);
// Gives a laid-out window's content area the stack that LayOut fills.
void StartLayout(QWidget& content);
// Lets a laid-out control be wider than the window, which then scrolls sideways; every other
// control keeps to the width in view.
void MayBeWiderThanView(QWidget* widget);

// What the Edit and File items work on: the focused widget, or, while the menus hold the focus,
// the one in the same window that had it before them.
QWidget* EditTarget();

// The name the application shows for itself, such as the title of its application menu.
const std::string& ApplicationName();

// Builds, for one window, a Qt menu bar from the shared items. On a platform without an
// application menu the items that belong there go into a first menu titled with the
// application's name.
QMenuBar* BuildQtMenuBar(MenuBar& bar, QWidget* parent);

// The drawing a picture control shows, when the widget is one; otherwise null.
const calc::Drawing* ShownDrawing(const QWidget* widget);

}  // namespace framework
