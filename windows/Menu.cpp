#include "windows/Menu.h"

#include <memory>
#include <string>

#include "calc/explain/Examples.h"
#include "calc/explain/Wording.h"
#include "framework/Application.h"
#include "framework/Language.h"
#include "framework/Types.h"

namespace menubar {

namespace {

template <class Item>
void Add(framework::MenuItem& bar, const char* parent, framework::MenuItem::Props props) {
    auto item = std::make_unique<Item>(props);
    if (parent) {
        bar.Find(parent)->Append(std::move(item));
    } else {
        bar.Append(std::move(item));
    }
}

}  // namespace

Menu::Menu() {
    using framework::AppleMenuItem;
    using framework::MenuItem;
    using framework::QuitMenuItem;
    using framework::Tr;
    // A command goes by its item's name to the handler bound under that name: first the front
    // window's (its AddMenuHandlers), then the application's (app/HandleAboutMenu.cpp), which
    // closes the front window for CloseWindowItem and opens the Explanation window. Each menu
    // opens with Alt and its own letter, the one after the '&'; the application menu, which the
    // framework adds before them, takes the first letter of its title that is left (P).
    Add<MenuItem>(*this, nullptr, {.name = "UntitledMenu2", .text = Tr("Menu", "&File")});
    Add<MenuItem>(*this, "UntitledMenu2",
                  {.name = "OpenItem",
                   .autoEnable = true,
                   .text = Tr("Menu", "Open..."),
                   .keyboardShortcut = "Cmd+O"});
    // The classic problems, from every window: the application answers them.
    Add<MenuItem>(*this, "UntitledMenu2",
                  {.name = "ExamplesMenu", .text = Tr("Menu", "&Examples")});
    for (const calc::Example& example : calc::Examples()) {
        Add<MenuItem>(*this, "ExamplesMenu",
                      {.name = example.item, .autoEnable = true, .text = example.title});
    }
    Add<MenuItem>(*this, "UntitledMenu2",
                  {.name = "CloseWindowItem",
                   .autoEnable = true,
                   .text = Tr("Menu", "Close Window"),
                   .keyboardShortcut = "Cmd+W"});
    Add<MenuItem>(*this, "UntitledMenu2",
                  {.name = "SaveItem",
                   .autoEnable = true,
                   .text = Tr("Menu", "Save"),
                   .keyboardShortcut = "Cmd+S"});
    Add<MenuItem>(*this, "UntitledMenu2",
                  {.name = "SaveAsItem",
                   .autoEnable = true,
                   .text = Tr("Menu", "Save As..."),
                   .keyboardShortcut = "Shift+Cmd+S"});
    Add<MenuItem>(*this, "UntitledMenu2",
                  {.name = "ExportItem",
                   .autoEnable = true,
                   .text = Tr("Menu", "Export Picture..."),
                   .keyboardShortcut = "Shift+Cmd+E"});
    Add<MenuItem>(*this, "UntitledMenu2",
                  {.name = "Print",
                   .autoEnable = true,
                   .text = Tr("Menu", "Print..."),
                   .keyboardShortcut = "Cmd+P"});
    Add<QuitMenuItem>(*this, "UntitledMenu2",
                      {.name = "FileQuit",
                       .autoEnable = true,
                       .text = Tr("Menu", "Quit"),
                       .keyboardShortcut = "Cmd+Q"});
    Add<MenuItem>(*this, nullptr, {.name = "UntitledMenu0", .text = Tr("Menu", "&Edit")});
    Add<MenuItem>(*this, "UntitledMenu0",
                  {.name = "EditUndo", .text = Tr("Menu", "Undo"), .keyboardShortcut = "Cmd+Z"});
    Add<MenuItem>(*this, "UntitledMenu0", {.name = "UntitledMenu1", .text = "-"});
    Add<MenuItem>(*this, "UntitledMenu0",
                  {.name = "EditCut", .text = Tr("Menu", "Cut"), .keyboardShortcut = "Cmd+X"});
    Add<MenuItem>(*this, "UntitledMenu0",
                  {.name = "EditCopy", .text = Tr("Menu", "Copy"), .keyboardShortcut = "Cmd+C"});
    Add<MenuItem>(*this, "UntitledMenu0",
                  {.name = "EditPaste", .text = Tr("Menu", "Paste"), .keyboardShortcut = "Cmd+V"});
    Add<MenuItem>(*this, "UntitledMenu0", {.name = "EditClear", .text = ""});
    Add<MenuItem>(*this, nullptr, {.name = "WindowMenu", .text = Tr("Menu", "&Window")});
    Add<MenuItem>(*this, "WindowMenu", {.name = "ControlMenuItem", .text = Tr("Menu", "Control")});
    Add<MenuItem>(*this, "WindowMenu",
                  {.name = "DescriptionMenuItem", .text = Tr("Menu", "Description")});
    Add<MenuItem>(*this, "WindowMenu",
                  {.name = "ExplanationMenuItem",
                   .autoEnable = true,
                   .text = Tr("Menu", "Explanation"),
                   .keyboardShortcut = "Cmd+I"});
    Add<MenuItem>(*this, "WindowMenu",
                  {.name = "AboutMenuItem", .text = Tr("Menu", "About Predivo")});
    Add<AppleMenuItem>(*this, "WindowMenu",
                       {.name = "AboutQor", .text = Tr("Menu", "About Predivo")});
}

}  // namespace menubar

namespace app {

menubar::Menu& Menu() {
    static menubar::Menu* bar = new menubar::Menu();  // lives for the whole run
    return *bar;
}

namespace {

template <class Item>
Item& FindItem(const char* name) {
    framework::MenuBar* bar = framework::RunningApplication().GetMenuBar();
    auto* item = bar ? dynamic_cast<Item*>(bar->Find(name)) : nullptr;
    if (!item) throw framework::NilObjectException(std::string("no menu item named ") + name);
    return *item;
}

}  // namespace

framework::AppleMenuItem& AboutQor() {
    return FindItem<framework::AppleMenuItem>("AboutQor");
}
framework::MenuItem& AboutMenuItem() {
    return FindItem<framework::MenuItem>("AboutMenuItem");
}
framework::MenuItem& DescriptionMenuItem() {
    return FindItem<framework::MenuItem>("DescriptionMenuItem");
}
framework::MenuItem& ControlMenuItem() {
    return FindItem<framework::MenuItem>("ControlMenuItem");
}

}  // namespace app
