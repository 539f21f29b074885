#pragma once

#include <string>

#include "framework/Control.h"

namespace framework {

// A filled panel with a bevelled border: the top and left edges in one colour, the bottom and
// right edges in another.
class Rectangle : public Control {
  public:
    struct Props {
        Rect bounds{};
        Color fillColor = 0xFFFFFF;
        Color topLeftColor = 0x000000;
        Color bottomRightColor = 0x000000;
        int borderWidth = 1;
        bool visible = true;
        Locks locks{};
        std::string parent{};
    };

    Rectangle(Window& owner, std::string name, const Props& props);
    const Props& Properties() const { return props_; }

  private:
    Props props_;
};

}  // namespace framework
