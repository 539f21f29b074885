#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace framework {

// Colours are 24-bit 0xRRGGBB values, as a designer writes them.
using Color = std::uint32_t;

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

// Faces are logical names: "System" is the platform's interface font, "Courier" its fixed-width
// font, "Times" a serif font; anything else is looked up as a family name. Sizes are pixels,
// because the layouts were drawn where one point was one pixel.
struct Font {
    std::string face = "System";
    int size = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

enum class Align { Left, Centre, Right };

// Which window edges a control keeps its distance to when the window is resized.
struct Locks {
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
};

// Raised when program code uses an object that does not exist, such as a control looked up
// under a name that its window does not hold.
class NilObjectException : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace framework
