#include "windows/InvisibleWnd.h"

#include "windows/AboutWnd.h"
#include "windows/ControlWnd.h"
#include "windows/Menu.h"
#include "windows/Windows.h"

namespace windows {

void InvisibleWnd::Layout() {
    SetMenuBar(app::Menu());
    SetProperties({
        .width = 64,
        .height = 64,
        .minWidth = 64,
        .minHeight = 64,
        .maxWidth = 32000,
        .maxHeight = 32000,
        .frame = framework::Frame::MovableModal,
        .hasBackColor = false,
        .backColor = 0xFFFFFF,
        .title = "Untitled",
        .visible = false,
        .closeButton = false,
        .resizeable = false,
        .maximizeButton = false,
        .minimizeButton = true,
    });
}

void InvisibleWnd::CreateControls() {
    auto& timer = Add<framework::Timer>("Timer1", {
                                                      .mode = framework::Timer::Mode::Single,
                                                      .period = 1500,
                                                  });
    timer.Action = [this] { Timer1_Action(); };
}

void InvisibleWnd::Open() {
    app::AboutWnd().Show();
}

void InvisibleWnd::Timer1_Action() {
    app::AboutWnd().Hide();
    app::InvisibleWnd().Hide();
    app::ControlWnd().Show();
}

}  // namespace windows
