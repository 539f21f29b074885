#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/Control.h"
#include "framework/Picture.h"

namespace framework {

// A drawing surface that shows a picture as its backdrop.
class Canvas : public Control {
  public:
    struct Props {
        Rect bounds{};
        // Set before the other properties; may be null for an empty canvas.
        std::shared_ptr<const Picture> backdrop{};
        bool acceptFocus = false;
        bool enabled = true;
        bool visible = true;
        Locks locks{};
        std::string parent{};
        // With a MouseDown handler as well, assistive technology announces the canvas as a
        // button under this name, whose press is a click in its middle.
        std::string accessibleName{};
    };

    Canvas(Window& owner, std::string name, const Props& props);
    const std::shared_ptr<const Picture>& Backdrop() const { return backdrop_; }
    void SetBackdrop(std::shared_ptr<const Picture> picture);

    // A mouse press at (x, y) in the canvas; return true to claim it, false to pass it on.
    std::function<bool(int x, int y)> MouseDown;

  private:
    std::shared_ptr<const Picture> backdrop_;
};

}  // namespace framework
