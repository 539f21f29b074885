#include "windows/DescriptionWnd.h"

#include <algorithm>
#include <string>

#include "framework/Language.h"
#include "framework/Platform.h"
#include "framework/Printing.h"
#include "resources/DescriptionText.h"
#include "windows/AboutWnd.h"
#include "windows/ControlWnd.h"
#include "windows/Menu.h"
#include "windows/Windows.h"

namespace windows {

using namespace framework;

void DescriptionWnd::Layout() {
    SetProperties({
        .width = 427,
        .height = 491,
        .frame = Frame::Document,
        .hasBackColor = false,
        .title = Tr("Description", "Description"),
        .visible = true,
        .menuBarVisible = true,
        .closeButton = true,
        .resizeable = true,
        .liveResize = false,
        .maximizeButton = true,
        .minimizeButton = true,
    });
}

void DescriptionWnd::CreateControls() {
    CreateControls0();
}

void DescriptionWnd::CreateControls0() {
    const Locks everyEdge{true, true, true, true};
    Add<EditField>("DescribeFld", {
                                      .bounds = {1, -1, 427, 478},
                                      .text = "\r",
                                      .font = {"Courier", 10},
                                      .multiLine = true,
                                      .styled = false,
                                      .readOnly = true,
                                      .scrollBarVertical = true,
                                      .locks = everyEdge,
                                      .drawnOnly = true,
                                  });
    Add<EditField>("DescribeFld2",
                   {
                       .bounds = {-1, -1, 429, 476},
                       .text = std::string(resources::DescriptionText(CurrentLanguage().code)),
                       .font = {"Courier", 10},
                       .multiLine = true,
                       .styled = true,
                       .readOnly = false,
                       .scrollBarVertical = true,
                       .locks = everyEdge,
                       .accessibleName = Tr("Description", "Description"),
                   });
}

void DescriptionWnd::AddMenuHandlers() {
    AddMenuHandler("ControlMenuItem", [this] { return ControlMenuItem_Action(); });
    AddMenuHandler("AboutMenuItem", [this] { return AboutMenuItem_Action(); });
    AddMenuHandler("Print", [this] { return Print_Action(); });
}

void DescriptionWnd::Open() {
    auto& text = Find<EditField>("DescribeFld2");
    text.SetSelStart(0);
    text.SetSelLength(29);
    text.SetSelBold(true);
}

void DescriptionWnd::EnableMenuItems() {
    app::ControlMenuItem().SetEnabled(true);
    app::AboutMenuItem().SetEnabled(true);
}

bool DescriptionWnd::ControlMenuItem_Action() {
    app::ControlWnd().Show();
    return false;
}

bool DescriptionWnd::AboutMenuItem_Action() {
    app::AboutWnd().Show();
    return false;
}

bool DescriptionWnd::Print_Action() {
    std::unique_ptr<PrinterGraphics> g = CurrentPlatform().OpenPrinterDialog(*this);
    if (!g) return false;
    // The whole text, page after page: the disclaimer at its end must reach the paper too.
    // 7.5 inches, or the printable width of a narrower page, so that no line is cut off.
    auto printer =
        Find<EditField>("DescribeFld2").StyledTextPrinter(*g, std::min(540, g->PageWidth()));
    printer->DrawAll();
    return false;
}

}  // namespace windows
