#include "framework/Menu.h"

#include "framework/Application.h"
#include "framework/EditCommands.h"
#include "framework/QtHelpers.h"
#include "framework/Window.h"

namespace framework {

namespace {

template <class F>
void ForEachCommand(MenuItem& item, F&& f) {
    for (const auto& c : item.Children()) {
        if (c->Children().empty()) {
            f(*c);
        } else {
            ForEachCommand(*c, f);
        }
    }
}

}  // namespace

void UpdateMenus() {
    Application* app = CurrentApplication();
    MenuBar* bar = app ? app->GetMenuBar() : nullptr;
    if (!bar) return;
    ForEachCommand(*bar, [](MenuItem& item) { item.SetEnabled(item.IsQuit()); });
    if (Window* front = FrontWindow()) {
        GuardedFor(*front, [front] { front->EnableMenuItems(); });
        ForEachCommand(*bar, [front](MenuItem& item) {
            if (item.AutoEnable() && front->Handlers().Has(item.Name())) item.SetEnabled(true);
        });
    }
    Guarded([app] { app->EnableMenuItems(); });
    ForEachCommand(*bar, [app](MenuItem& item) {
        if (item.AutoEnable() && app->Handlers().Has(item.Name())) item.SetEnabled(true);
        if (EditCommand e = EditCommandOf(item.Name()); e != EditCommand::None) {
            item.SetEnabled(EditCommandEnabled(e));
        }
    });
}

void DispatchMenuCommand(MenuItem& item) {
    Guarded([&item] {
        if (item.Action()) return;
        if (EditCommand e = EditCommandOf(item.Name()); e != EditCommand::None) {
            RunEditCommand(e);
            return;
        }
        // The name is copied: a handler may close its window, and with it what it was called for.
        const std::string name = item.Name();
        if (Window* front = FrontWindow()) {
            bool done = false;
            GuardedFor(*front, [&] { done = front->Handlers().Run(name); });
            if (done) return;
        }
        if (Application* app = CurrentApplication()) app->Handlers().Run(name);
    });
}

}  // namespace framework
