#pragma once

#include <string>

#include "framework/Controls.h"

namespace framework {

// A row of controls in a window laid out by the platform: the controls that name it as their
// parent stand side by side from its left edge. Hiding the row hides them all.
class Group : public Control {
  public:
    struct Props {
        bool visible = true;
        std::string parent{};
    };

    Group(Window& owner, std::string name, const Props& props);
};

}  // namespace framework
