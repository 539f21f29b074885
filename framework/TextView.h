#pragma once

#include <string>
#include <string_view>

#include "framework/Controls.h"

namespace framework {

// A text to read rather than to edit, wrapped to the width it is given and as tall as its text.
// A person can reach it with Tab, move through it with the keyboard and select from it; a
// screen reader reads it as text.
class TextView : public Control {
  public:
    struct Props {
        std::string text{};
        bool visible = true;
        std::string parent{};
        std::string accessibleName{};
    };

    TextView(Window& owner, std::string name, const Props& props);
    // Line breaks are "\n".
    std::string Text() const;
    void SetText(std::string_view text);
};

}  // namespace framework
