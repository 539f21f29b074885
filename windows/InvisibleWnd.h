#pragma once

#include "framework/Window.h"

namespace windows {

// Never on screen: it shows the About window as the start-up screen and, once, 1500 ms later,
// puts it away and brings up the calculator.
class InvisibleWnd : public framework::Window {
  protected:
    void Layout() override;
    void CreateControls() override;
    void Open() override;

  private:
    void Timer1_Action();
};

}  // namespace windows
