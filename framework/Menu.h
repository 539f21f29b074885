#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QAction;

namespace framework {

// A menu or a menu command. An item with children is a menu; the bar is the root.
class MenuItem {
  public:
    // Design-time properties, applied in this order.
    struct Props {
        std::string name{};
        bool autoEnable = false;
        // "-" makes a separator; an '&' puts the menu on Alt and the letter after it: "&File".
        std::string text{};
        // "Cmd+" and a capital letter; Cmd is the platform's command key (Ctrl off macOS).
        std::string keyboardShortcut{};
    };

    MenuItem();
    explicit MenuItem(const Props& props);
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;
    virtual ~MenuItem();

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool on) { autoEnable_ = on; }
    // The text as shown, without the '&' of its Alt key.
    const std::string& Text() const { return text_; }
    void SetText(std::string text);
    const std::string& KeyboardShortcut() const { return shortcut_; }
    void SetKeyboardShortcut(std::string shortcut);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool IsSeparator() const { return text_ == "-"; }

    // Takes ownership and returns the appended item.
    MenuItem& Append(std::unique_ptr<MenuItem> item);
    // A direct child by name, or null.
    MenuItem* Child(std::string_view name) const;
    // An item by name at any depth below this one, or null.
    MenuItem* Find(std::string_view name) const;
    const std::vector<std::unique_ptr<MenuItem>>& Children() const { return children_; }

    // The item's own action, run before any handler; true finishes the command.
    virtual bool Action() { return false; }
    // Items of the platform's application menu say so.
    virtual bool InApplicationMenu() const { return false; }
    virtual bool IsQuit() const { return false; }

    // The command behind this item, shared by every window's bar.
    QAction* QtAction() const { return action_; }

  private:
    std::string name_{};
    bool autoEnable_ = false;
    std::string text_{};
    std::string shortcut_{};
    std::vector<std::unique_ptr<MenuItem>> children_;
    QAction* action_;
};

// Quits the application; stays enabled whatever the menu update does.
class QuitMenuItem : public MenuItem {
  public:
    using MenuItem::MenuItem;
    bool Action() override;
    bool IsQuit() const override { return true; }
};

// Shown in the platform's application menu, whatever menu it was appended to.
class AppleMenuItem : public MenuItem {
  public:
    using MenuItem::MenuItem;
    bool InApplicationMenu() const override { return true; }
};

class MenuBar : public MenuItem {
  public:
    using MenuItem::MenuItem;
};

// Menu handlers bound by item name; a handler returns true when the command is finished.
class MenuHandlers {
  public:
    void Add(std::string itemName, std::function<bool()> handler);
    bool Has(std::string_view itemName) const;
    // Runs the handler bound to the name; false when there is none.
    bool Run(std::string_view itemName) const;

  private:
    std::map<std::string, std::function<bool()>, std::less<>> handlers_;
};

// Brings every item's enabled state up to date for the front window: all off, then the front
// window's EnableMenuItems and auto-enabled items, then the application's, then text editing.
// The framework runs it before a menu opens and before a shortcut is matched.
void UpdateMenus();

// Carries out a chosen item: its own action, then the front window's handler, then the
// application's.
void DispatchMenuCommand(MenuItem& item);

}  // namespace framework
