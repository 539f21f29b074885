#pragma once

#include <string>

#include "framework/Types.h"

class QWidget;

namespace framework {

class Window;

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

}  // namespace framework
