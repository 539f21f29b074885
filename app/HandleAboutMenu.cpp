#include "app/HandleAboutMenu.h"

#include <exception>

#include "app/FileTypes.h"
#include "calc/explain/Examples.h"
#include "calc/explain/Wording.h"
#include "framework/Window.h"
#include "windows/AboutWnd.h"
#include "windows/ControlWnd.h"
#include "windows/ExplanationWnd.h"
#include "windows/Menu.h"
#include "windows/Windows.h"

namespace app {

void HandleAboutMenu::EnableMenuItems() {
    AboutQor().SetEnabled(true);
}

bool HandleAboutMenu::AboutQor_Action() {
    AboutWnd().Show();
    return false;
}

bool HandleAboutMenu::AboutMenuItem_Action() {
    AboutWnd().Show();
    return false;
}

bool HandleAboutMenu::CloseWindowItem_Action() {
    if (framework::Window* front = framework::FrontWindow()) front->CloseWindow();
    return false;
}

bool HandleAboutMenu::ExplanationMenuItem_Action() {
    ExplanationWnd().Show();
    return false;
}

// The calculator takes the example whichever window is in front; an open explanation follows it.
bool HandleAboutMenu::ExampleItem_Action(std::size_t index) {
    ControlWnd().ChooseExample(index);
    return false;
}

HandleAboutMenu& App() {
    auto* app = dynamic_cast<HandleAboutMenu*>(&framework::RunningApplication());
    if (!app) throw framework::NilObjectException("no application object");
    return *app;
}

void ApplicationAddMenuHandlers() {
    App().AddMenuHandler("AboutQor", [] { return App().AboutQor_Action(); });
    App().AddMenuHandler("AboutMenuItem", [] { return App().AboutMenuItem_Action(); });
    App().AddMenuHandler("CloseWindowItem", [] { return App().CloseWindowItem_Action(); });
    App().AddMenuHandler("ExplanationMenuItem", [] { return App().ExplanationMenuItem_Action(); });
    for (std::size_t i = 0; i < calc::Examples().size(); ++i) {
        App().AddMenuHandler(calc::Examples()[i].item, [i] { return App().ExampleItem_Action(i); });
    }
}

void Start() {
    FileTypes::Announce();
    auto app = std::make_unique<HandleAboutMenu>();
    app->SetMenuBar(Menu());
    framework::SetApplication(std::move(app));
    ApplicationAddMenuHandlers();
    InvisibleWnd();
}

void Main() {
    try {
        Start();
        framework::RunEventLoop();
    } catch (const std::exception& e) {
        framework::ReportUnhandled(e.what());
    } catch (...) {
        framework::ReportUnhandled("an exception of unknown type");
    }
}

}  // namespace app
