#pragma once

#include "framework/Window.h"

namespace windows {

// The start-up screen and About box: the product name, a banner and the rights notice. Any key
// or click puts it away and brings the calculator to the front.
class AboutWnd : public framework::Window {
  protected:
    void Layout() override;
    void CreateControls() override;
    bool KeyDown(std::string_view key) override;
    bool MouseDown(int x, int y) override;
    bool CancelClose(bool appQuitting) override;

  private:
    // Any key or click: away with the About window, the calculator to the front.
    bool PutAway();
};

}  // namespace windows
