#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/Controls.h"

namespace framework {

// A choice of one among a list of texts.
class PopupMenu : public Control {
  public:
    struct Props {
        std::vector<std::string> items{};
        int listIndex = 0;
        bool enabled = true;
        bool visible = true;
        std::string parent{};
        std::string accessibleName{};
    };

    PopupMenu(Window& owner, std::string name, const Props& props);
    int ListIndex() const;
    // Runs Change when the index changes.
    void SetListIndex(int index);
    std::string Text() const;
    // Puts a new list in place with the choice at index, without running Change: the program
    // offers what the choice can be, and the person's choice stays theirs.
    void SetItems(const std::vector<std::string>& items, int index);

    // Called after the choice changed, whether a person or the program changed it.
    std::function<void()> Change;
};

}  // namespace framework
