#pragma once

#include <functional>
#include <string>

#include "framework/Control.h"

namespace framework {

class PushButton : public Control {
  public:
    struct Props {
        Rect bounds{};
        std::string caption{};
        Font font{};
        bool enabled = true;
        bool visible = true;
        // The button that Return presses, and the one that Escape presses.
        bool isDefault = false;
        bool cancel = false;
        Locks locks{};
        std::string parent{};
    };

    PushButton(Window& owner, std::string name, const Props& props);
    std::string Caption() const;

    std::function<void()> Action;
};

}  // namespace framework
