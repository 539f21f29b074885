#pragma once

#include <string>
#include <variant>
#include <vector>

namespace calc {

// Colours a drawing names by their purpose rather than by value, so that one drawing shows in
// the desktop's palette on screen, a dark theme included, and dark on white on paper and in
// saved files. The two series are a pair that people with any common colour-vision deficiency
// tell apart; a drawing still tells them apart by shape and fill as well, for grey-scale print.
enum class Ink {
    None,  // nothing: an outline without fill, or a fill without outline
    Paper,
    Text,
    Faint,  // grid lines and quiet fills
    Accent,
    AccentFaint,
    Series1,  // the persons with the disorder
    Series1Faint,
    Series2,  // the persons without it
    Series2Faint,
};

// Device-independent pixels from the top-left corner of a drawing.
struct Point {
    double x = 0;
    double y = 0;
    bool operator==(const Point&) const = default;
};

struct Shape {
    enum class Kind {
        Polyline,   // points in order, open
        Polygon,    // points in order, closed
        Rectangle,  // points[0] the top-left corner, points[1] the bottom-right one
        Ellipse,    // inscribed in the rectangle points[0], points[1]
    };
    Kind kind = Kind::Polyline;
    std::vector<Point> points;
    Ink fill = Ink::None;
    Ink stroke = Ink::Text;
    double strokeWidth = 1;
    bool dashed = false;
    double cornerRadius = 0;  // rectangles
};

enum class Align { Left, Centre, Right };

// One line of text standing on its baseline at `at`: starting there, centred on it or ending
// there, by align.
struct Label {
    Point at;
    std::string text;
    Ink ink = Ink::Text;
    double size = 12;  // pixels
    bool bold = false;
    Align align = Align::Left;
};

// A picture as a list of shapes and labels, drawn once by the program and rendered by the
// framework to the screen, the printer and image files alike. Plain C++, so that the pictures
// are drawn, and tested, without a display.
class Drawing {
  public:
    using Item = std::variant<Shape, Label>;

    Drawing() = default;
    Drawing(double width, double height) : width_(width), height_(height) {}

    double Width() const { return width_; }
    double Height() const { return height_; }
    const std::vector<Item>& Items() const { return items_; }

    void Add(Shape shape) { items_.emplace_back(std::move(shape)); }
    void Add(Label label) { items_.emplace_back(std::move(label)); }
    void Line(Point from, Point to, Ink ink, double width = 1, bool dashed = false) {
        Add(Shape{Shape::Kind::Polyline, {from, to}, Ink::None, ink, width, dashed});
    }
    void Box(Point topLeft, Point bottomRight, Ink fill, Ink stroke, double strokeWidth = 1,
             double cornerRadius = 0) {
        Add(Shape{Shape::Kind::Rectangle,
                  {topLeft, bottomRight},
                  fill,
                  stroke,
                  strokeWidth,
                  false,
                  cornerRadius});
    }
    void Text(Point at, std::string text, Ink ink = Ink::Text, double size = 12, bool bold = false,
              Align align = Align::Left) {
        Add(Label{at, std::move(text), ink, size, bold, align});
    }

    // What the picture shows, in words, for those who cannot see it: screen readers read it,
    // and it goes with the picture when copied.
    std::string description;

  private:
    double width_ = 0;
    double height_ = 0;
    std::vector<Item> items_;
};

}  // namespace calc
