#pragma once

#include <string>
#include <string_view>

#include "framework/Control.h"

namespace framework {

class StaticText : public Control {
  public:
    struct Props {
        Rect bounds{};
        std::string text{};
        Font font{};
        Align alignment = Align::Left;
        Color textColor = 0x000000;
        bool enabled = true;
        bool visible = true;
        Locks locks{};
        std::string parent{};
    };

    StaticText(Window& owner, std::string name, const Props& props);
    std::string Text() const;
    void SetText(std::string_view text);
    // Makes this text the label of a control beside it, which assistive technology then reports
    // as labelled by it: where a control's name says something else, such as a popup menu's
    // current choice, the label still tells what the control is for.
    void SetBuddy(const Control& control);

  private:
    Font font_;
};

}  // namespace framework
