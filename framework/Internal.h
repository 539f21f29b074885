#pragma once

// Qt-side helpers shared by the framework's own sources. Never included outside framework/.

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <string_view>

#include "framework/Drawing.h"
#include "framework/Types.h"

class QKeyEvent;
class QMenuBar;
class QMimeData;
class QPainter;
class QPalette;

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

// What the Edit and File items work on: the focused widget, or, while the menus hold the focus,
// the one in the same window that had it before them.
QWidget* EditTarget();

// The name the application shows for itself, such as the title of its application menu.
const std::string& ApplicationName();

// Builds, for one window, a Qt menu bar from the shared items. On a platform without an
// application menu the items that belong there go into a first menu titled with the
// application's name.
QMenuBar* BuildQtMenuBar(MenuBar& bar, QWidget* parent);

// The colours of a drawing's inks on one surface.
struct Inks {
    QColor paper, text, faint, accent, accentFaint;
    QColor series1, series1Faint, series2, series2Faint;
    QColor Of(Ink ink) const;
};
// On screen, from a widget's palette, a dark desktop theme included.
Inks ScreenInks(const QPalette& palette);
// On paper and in files: black on white.
Inks PaperInks();
// Draws a drawing in its own coordinates on its paper; every surface draws through here.
void Render(const Drawing& drawing, QPainter& painter, const Inks& inks);

// The drawing a picture control shows, when the widget is one; otherwise null.
const Drawing* ShownDrawing(const QWidget* widget);
// A drawing as the clipboard takes it: a PNG image at twice its size, its SVG and its
// description as text. The caller owns the result.
QMimeData* DrawingMimeData(const Drawing& drawing);

}  // namespace framework
