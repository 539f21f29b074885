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
        // What does not fit beside the controls before it goes on a line below, as a word does,
        // so that the row fits a narrow window; a control that has its own row as a parent
        // moves as a whole.
        bool wraps = false;
    };

    Group(Window& owner, std::string name, const Props& props);
};

}  // namespace framework
