#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Controls.h"
#include "framework/Menu.h"
#include "framework/Types.h"

class QWidget;

namespace framework {

enum class Frame { Document = 0, MovableModal = 1, ModalDialog = 2 };

// A window's design-time properties. Sizes are those of the content area, below the menu bar.
struct WindowProps {
    int placement = 0;  // 0: the platform's default position
    int width = 300;
    int height = 300;
    int minWidth = 64;
    int minHeight = 64;
    int maxWidth = 32000;
    int maxHeight = 32000;
    Frame frame = Frame::Document;
    bool composite = false;
    bool hasBackColor = false;
    Color backColor = 0xFFFFFF;
    std::string title{};
    // What assistive technology announces for the window, where the title says nothing.
    std::string accessibleName{};
    bool visible = true;
    bool fullScreen = false;
    bool menuBarVisible = true;
    bool closeButton = true;
    bool resizeable = true;
    bool liveResize = false;
    bool maximizeButton = true;
    bool minimizeButton = true;
    // The platform lays the controls out one below the other, in the order they are created,
    // in the desktop's font and colours; their bounds, fonts and colours are not used.
    bool laidOut = false;
};

class WindowFrame;

// A top-level window. Program windows derive from it and override its events. The framework
// builds a window in two steps, because a base constructor cannot reach the derived class:
// the accessor creates the object, then Construct runs Layout, CreateControls, AddMenuHandlers
// and Open, and shows the window if its properties say it is visible.
class Window {
  public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    const std::string& ClassName() const { return className_; }
    const WindowProps& Properties() const { return props_; }

    // Makes the window visible and brings it to the front.
    void Show();
    // Takes the window off the screen; it stays alive and is found again by its class.
    void Hide();
    // Closes the window as its close box would: unless CancelClose keeps it, the Close event
    // runs, then the window is gone.
    void CloseWindow();
    bool Visible() const;
    std::string Title() const;
    // Size of the content area.
    int Width() const;
    int Height() const;

    // A control by name and class; throws NilObjectException when there is none.
    template <class C>
    C& Find(std::string_view name) const {
        if (auto* c = dynamic_cast<C*>(FindControl(name))) return *c;
        throw NilObjectException("no control named " + std::string(name) + " in " + className_);
    }
    Control* FindControl(std::string_view name) const;
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

    const MenuHandlers& Handlers() const { return handlers_; }
    // The bar this window shows: its own, or else the application's.
    MenuBar* Bar() const;

    virtual void EnableMenuItems() {}
    // What Edit > Copy copies while this window is in front and the focused control has no
    // selection; empty for nothing.
    virtual std::string CopyText() const { return {}; }

    // The Qt window, for the framework's own use and for tests.
    QWidget* Widget() const;

  protected:
    Window();

    // Construction hooks, in the order they run.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers() {}
    virtual void Open() {}

    // Events.
    // Asked before a window closes; true keeps the window alive. While the application quits,
    // appQuitting is true, and a window should then let itself be closed.
    virtual bool CancelClose(bool /*appQuitting*/) { return false; }
    virtual void Close() {}
    virtual void Activate() {}
    // A key pressed while no control takes it; true claims it.
    virtual bool KeyDown(std::string_view /*key*/) { return false; }
    // A mouse press at content coordinates that no control claimed; true claims it.
    virtual bool MouseDown(int /*x*/, int /*y*/) { return false; }

    void SetProperties(const WindowProps& props);
    void SetMenuBar(MenuBar& bar) { ownBar_ = &bar; }
    // The order in which Tab moves the keyboard focus through these controls, by name; the
    // creation order otherwise.
    void SetTabOrder(std::initializer_list<std::string_view> names);

    // Creates a control under a name and applies its design-time properties.
    template <class C>
    C& Add(std::string name, const typename C::Props& props) {
        auto control = std::make_unique<C>(*this, std::move(name), props);
        C& ref = *control;
        AdoptControl(std::move(control));
        return ref;
    }

    void AddMenuHandler(std::string itemName, std::function<bool()> handler) {
        handlers_.Add(std::move(itemName), std::move(handler));
    }

  private:
    friend class WindowFrame;
    friend class Control;
    friend void Construct(std::unique_ptr<Window> window, std::string className);
    friend struct WindowAccess;

    void AdoptControl(std::unique_ptr<Control> control);
    void ApplyLocks();

    std::string className_{};
    WindowProps props_;
    WindowFrame* frame_ = nullptr;
    MenuBar* ownBar_ = nullptr;
    MenuHandlers handlers_;
    std::vector<std::unique_ptr<Control>> controls_;
    int busy_ = 0;
    bool retired_ = false;
};

// Builds a window and puts it on record as the live window of its class.
void Construct(std::unique_ptr<Window> window, std::string className);
// The live window of a class, hidden ones included, or null.
Window* FindImplicitWindow(std::string_view className);
// Every live window, in creation order.
std::vector<Window*> LiveWindows();
// The window in front, or null when none of the program's windows is active.
Window* FrontWindow();
// Destroys every window, live or closed, without asking any of them: the runtime's last step.
void DisposeAllWindows();

// The live window of class W, created and built when there is none.
template <class W>
W& GetImplicitWindow(std::string_view className) {
    if (auto* existing = dynamic_cast<W*>(FindImplicitWindow(className))) return *existing;
    auto window = std::make_unique<W>();
    W& ref = *window;
    Construct(std::move(window), std::string(className));
    return ref;
}

}  // namespace framework
