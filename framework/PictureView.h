#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "calc/explain/Drawing.h"
#include "framework/Control.h"

namespace framework {

// Shows a Drawing in a laid-out window, scaled down to the width it is given (never up), sharp
// at any screen scale. It shrinks no further than its smallest text allows, which stays as large
// as the desktop's smallest readable text: the window scrolls sideways to it instead. A person
// reaches it with Tab; a screen reader announces it as a graphic under its name, with the drawing's
// description. Edit > Copy with the picture focused copies it as an image.
class PictureView : public Control {
  public:
    struct Props {
        bool visible = true;
        std::string parent{};
        std::string accessibleName{};
    };

    PictureView(Window& owner, std::string name, const Props& props);
    const calc::Drawing& Current() const { return drawing_; }
    void SetDrawing(calc::Drawing drawing);
    // Also while the menus hold the keyboard, if the picture had it before them.
    bool HasFocus() const;

    // The pointer moved to (x, y) over the picture, in the drawing's own coordinates.
    std::function<void(double x, double y)> MouseMove;
    // A key pressed while the picture has the focus, as EditField::KeyDown gets it (arrows are
    // 28 to 31); return true to claim it.
    std::function<bool(std::string_view key)> KeyDown;

  private:
    calc::Drawing drawing_;
};

}  // namespace framework
