#pragma once

// How the framework draws a calc::Drawing on any Qt surface. Never included outside framework/.

#include <QColor>

#include <string_view>

#include "calc/explain/Drawing.h"

class QPainter;
class QPalette;

namespace framework {

// The colours of a drawing's inks on one surface.
struct Inks {
    QColor paper, text, faint, accent, accentFaint;
    QColor series1, series1Faint, series2, series2Faint;
    QColor Of(calc::Ink ink) const;
};
// On screen, from a widget's palette, a dark desktop theme included.
Inks ScreenInks(const QPalette& palette);
// On paper and in files: black on white.
Inks PaperInks();
// Draws a drawing in its own coordinates on its paper; every surface draws through here.
void Render(const calc::Drawing& drawing, QPainter& painter, const Inks& inks);

// The width of a line of text as every surface draws it, in pixels: the desktop's font at that
// pixel size. Needs the running application.
double TextWidth(std::string_view text, double size, bool bold = false);

}  // namespace framework
