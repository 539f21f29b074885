#pragma once

#include "framework/Menu.h"

namespace menubar {

// The program's one menu bar, built once with every item.
class Menu : public framework::MenuBar {
  public:
    Menu();
};

}  // namespace menubar

namespace app {

// The one menu bar, built on first use.
menubar::Menu& Menu();

// The items the program enables, found by name on the application's bar.
framework::AppleMenuItem& AboutQor();
framework::MenuItem& AboutMenuItem();
framework::MenuItem& DescriptionMenuItem();
framework::MenuItem& ControlMenuItem();

}  // namespace app
