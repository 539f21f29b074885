#include "windows/AboutWnd.h"

#include "framework/Language.h"
#include "windows/ControlWnd.h"
#include "windows/Pictures.h"
#include "windows/Windows.h"

namespace windows {

using namespace framework;

void AboutWnd::Layout() {
    SetProperties({
        .width = 314,
        .height = 200,
        .frame = Frame::ModalDialog,
        .hasBackColor = true,
        .backColor = 0xFFFFFF,
        .title = "",
        .accessibleName = Tr("About", "About Predivo"),
        .visible = true,
        .resizeable = true,
    });
}

void AboutWnd::CreateControls() {
    Add<StaticText>("StaticText5", {
                                       .bounds = {1, 178, 313, 16},
                                       .text = Tr("About", "Copyright 2006 The Predivo developers"),
                                       .font = {"Times", 10, true},
                                       .alignment = Align::Centre,
                                       .textColor = 0x1822CD,
                                   });
    Add<Canvas>("Canvas2", {
                               .bounds = {77, 143, 149, 23},
                               .backdrop = app::AboutBanner(),
                           });
    Add<StaticText>("StaticText1", {
                                       .bounds = {1, 49, 308, 31},
                                       .text = "Predivo",
                                       .font = {"System", 24, true},
                                       .alignment = Align::Centre,
                                       .textColor = 0x000080,
                                   });
}

bool AboutWnd::KeyDown(std::string_view) {
    return PutAway();
}

bool AboutWnd::MouseDown(int, int) {
    return PutAway();
}

bool AboutWnd::CancelClose(bool appQuitting) {
    if (appQuitting) return false;
    // Once made, the About window is kept for the next About command: closing only hides it.
    Hide();
    return true;
}

bool AboutWnd::PutAway() {
    app::AboutWnd().Hide();
    app::ControlWnd().Show();
    return false;
}

}  // namespace windows
