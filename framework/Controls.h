#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "framework/Picture.h"
#include "framework/Types.h"

class QWidget;
class QTimer;

namespace framework {

class Window;
class PrinterGraphics;
class StyledTextPrinter;

// A named element of a window. The window owns its controls; a control lives as long as its
// window. Controls are created through Window::Add, which applies their design-time properties
// once, in the order their Props structs declare them.
class Control {
  public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    const std::string& Name() const { return name_; }
    Window& Owner() const { return owner_; }
    // The enclosing panel's name, or empty. Coordinates stay window-relative either way.
    const std::string& Parent() const { return parent_; }

    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;
    void SetVisible(bool visible);
    // Current position and size, relative to the window's content area.
    Rect Bounds() const;
    // The Qt widget behind the control, for the framework's own use and for tests.
    QWidget* Widget() const { return widget_; }

  protected:
    Control(Window& owner, std::string name);
    // Puts the widget in place; called by each control's constructor.
    void Place(QWidget* widget, const Rect& bounds, bool enabled, bool visible, const Locks& locks,
               std::string parent);

  private:
    friend class Window;
    Window& owner_;
    std::string name_;
    std::string parent_;
    QWidget* widget_ = nullptr;
    Rect designBounds_;
    Locks locks_;
};

// A text entry field, single- or multi-line.
class EditField : public Control {
  public:
    struct Props {
        Rect bounds{};
        std::string text{};
        Font font{};
        Align alignment = Align::Left;
        Color textColor = 0x000000;
        Color backColor = 0xFFFFFF;
        bool enabled = true;
        bool visible = true;
        bool border = true;
        bool multiLine = false;
        bool styled = false;
        bool readOnly = false;
        bool scrollBarVertical = false;
        bool scrollBarHorizontal = false;
        // The most characters a person can get into the field by any edit; 0 for no limit.
        // Text the program sets is not limited.
        int limitText = 0;
        Locks locks{};
        std::string parent{};
        // What a screen reader announces for the field.
        std::string accessibleName{};
        // Only drawn, as a field that merely shows beneath another: it takes neither focus nor
        // clicks, and assistive technology does not see it.
        bool drawnOnly = false;
    };

    EditField(Window& owner, std::string name, const Props& props);
    ~EditField() override;

    // The whole text; line breaks are single carriage returns.
    std::string Text() const;
    void SetText(std::string_view text);
    // Selection in characters, a line break counting as one.
    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    bool SelBold() const;
    void SetSelBold(bool bold);
    void SetFocus();
    bool HasFocus() const;
    int LimitText() const { return limitText_; }
    // A printer for the field's text with its styles, wrapped at wrapWidth points.
    std::unique_ptr<framework::StyledTextPrinter> StyledTextPrinter(PrinterGraphics& graphics,
                                                                    int wrapWidth) const;

    // Called with each typed character before the field takes it; return true to swallow it.
    std::function<bool(std::string_view key)> KeyDown;
    // Called from KeyDown: when it then returns false, the field takes this text in place of the
    // key.
    void ReplaceKey(std::string_view text) { replacement_ = std::string(text); }
    // Called with text that comes in by the clipboard or a drop, before the field's limit cuts
    // it: the text to take in its place, or nothing to refuse it whole.
    std::function<std::optional<std::string>(std::string_view text)> Paste;
    // Called after every change of the text: typed, pasted, cut, undone or set by the program.
    std::function<void()> TextChange;

    class Impl;

  private:
    std::unique_ptr<Impl> impl_;
    int limitText_ = 0;
    std::optional<std::string> replacement_;
};

class StaticText : public Control {
  public:
    struct Props {
        Rect bounds{};
        std::string text{};
        Font font{};
        Align alignment = Align::Left;
        Color textColor = 0x000000;
        bool enabled = true;
        bool visible = true;
        Locks locks{};
        std::string parent{};
    };

    StaticText(Window& owner, std::string name, const Props& props);
    std::string Text() const;
    void SetText(std::string_view text);

  private:
    Font font_;
};

class PushButton : public Control {
  public:
    struct Props {
        Rect bounds{};
        std::string caption{};
        Font font{};
        bool enabled = true;
        bool visible = true;
        // The button that Return presses, and the one that Escape presses.
        bool isDefault = false;
        bool cancel = false;
        Locks locks{};
        std::string parent{};
    };

    PushButton(Window& owner, std::string name, const Props& props);
    std::string Caption() const;

    std::function<void()> Action;
};

// A drawing surface that shows a picture as its backdrop.
class Canvas : public Control {
  public:
    struct Props {
        Rect bounds{};
        // Set before the other properties; may be null for an empty canvas.
        std::shared_ptr<const Picture> backdrop{};
        bool acceptFocus = false;
        bool enabled = true;
        bool visible = true;
        Locks locks{};
        std::string parent{};
        // With a MouseDown handler as well, assistive technology announces the canvas as a
        // button under this name, whose press is a click in its middle.
        std::string accessibleName{};
    };

    Canvas(Window& owner, std::string name, const Props& props);
    const std::shared_ptr<const Picture>& Backdrop() const { return backdrop_; }
    void SetBackdrop(std::shared_ptr<const Picture> picture);

    // A mouse press at (x, y) in the canvas; return true to claim it, false to pass it on.
    std::function<bool(int x, int y)> MouseDown;

  private:
    std::shared_ptr<const Picture> backdrop_;
};

// A filled panel with a bevelled border: the top and left edges in one colour, the bottom and
// right edges in another.
class Rectangle : public Control {
  public:
    struct Props {
        Rect bounds{};
        Color fillColor = 0xFFFFFF;
        Color topLeftColor = 0x000000;
        Color bottomRightColor = 0x000000;
        int borderWidth = 1;
        bool visible = true;
        Locks locks{};
        std::string parent{};
    };

    Rectangle(Window& owner, std::string name, const Props& props);
    const Props& Properties() const { return props_; }

  private:
    Props props_;
};

// A timer that fires its Action on the event thread.
class Timer : public Control {
  public:
    enum class Mode { Off = 0, Single = 1, Multiple = 2 };
    struct Props {
        Mode mode = Mode::Multiple;
        int period = 1000;  // milliseconds
    };

    Timer(Window& owner, std::string name, const Props& props);
    ~Timer() override;
    Mode GetMode() const { return mode_; }
    int Period() const { return period_; }

    std::function<void()> Action;

  private:
    QTimer* timer_ = nullptr;
    Mode mode_;
    int period_;
};

}  // namespace framework
