#pragma once

#include "framework/Window.h"

namespace windows {

// The help window: what the calculator is for, a worked example, how to enter data, a
// reference, how to cite the program and the disclaimer. It answers the Window menu's Control
// and About items itself and prints its text.
class DescriptionWnd : public framework::Window {
  public:
    void EnableMenuItems() override;

  protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;
    void Open() override;

  private:
    void CreateControls0();
    bool ControlMenuItem_Action();
    bool AboutMenuItem_Action();
    bool Print_Action();
};

}  // namespace windows
