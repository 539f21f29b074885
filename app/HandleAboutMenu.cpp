#include "app/HandleAboutMenu.h"

#include <exception>

#include "app/CaseFiles.h"
#include "app/FileTypes.h"
#include "calc/explain/Examples.h"
#include "calc/explain/Wording.h"
#include "framework/Platform.h"
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

namespace {

framework::Window& Over() {
    framework::Window* front = framework::FrontWindow();
    return front ? *front : static_cast<framework::Window&>(ControlWnd());
}

}  // namespace

void HandleAboutMenu::OpenCase(const std::string& path) {
    const CaseFromFile read = ReadCase(path);
    if (!read.value) {
        framework::MsgBox(read.message);
        return;
    }
    ControlWnd().OpenCase(*read.value);
    casePath_ = path;
}

bool HandleAboutMenu::OpenItem_Action() {
    const std::string path = framework::CurrentPlatform().ChooseCaseFile(Over(), false, {});
    if (!path.empty()) OpenCase(path);
    return false;
}

bool HandleAboutMenu::SaveItem_Action() {
    if (casePath_.empty()) return SaveAsItem_Action();
    if (const std::string error = WriteCase(ControlWnd().CurrentCase(), casePath_);
        !error.empty()) {
        framework::MsgBox(error);
    }
    return false;
}

bool HandleAboutMenu::SaveAsItem_Action() {
    const std::string path =
        framework::CurrentPlatform().ChooseCaseFile(Over(), true, "case.predivo");
    if (path.empty()) return false;
    if (const std::string error = WriteCase(ControlWnd().CurrentCase(), path); !error.empty()) {
        framework::MsgBox(error);
        return false;
    }
    casePath_ = path;
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
    App().AddMenuHandler("OpenItem", [] { return App().OpenItem_Action(); });
    App().AddMenuHandler("SaveItem", [] { return App().SaveItem_Action(); });
    App().AddMenuHandler("SaveAsItem", [] { return App().SaveAsItem_Action(); });
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

void Main(const std::string& caseFile) {
    try {
        if (!caseFile.empty()) {
            windows::ControlWnd::WhenOpen(
                [caseFile](windows::ControlWnd&) { App().OpenCase(caseFile); });
        }
        Start();
        framework::RunEventLoop();
    } catch (const std::exception& e) {
        framework::ReportUnhandled(e.what());
    } catch (...) {
        framework::ReportUnhandled("an exception of unknown type");
    }
}

}  // namespace app
