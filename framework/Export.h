#pragma once

#include <string>

#include "calc/explain/Drawing.h"

class QMimeData;

namespace framework {

class PrinterGraphics;

// A saved or copied picture has this many pixels for each of the drawing's: sharp in print and
// on a high-density screen.
inline constexpr int kExportScale = 2;

// Writes a drawing to an image file, by the name's extension (either case): ".svg" as scalable
// vector graphics, ".png" at kExportScale times the drawing's size. Either the whole file is
// written or none is, and a file of that name is left as it was. Returns an empty string on
// success, otherwise a sentence saying why not, for a message box.
std::string SaveDrawing(const calc::Drawing& drawing, const std::string& path);

// Prints a drawing at (x, y) of the current page, in points, scaled to width points.
void PrintDrawing(PrinterGraphics& graphics, const calc::Drawing& drawing, int x, int y, int width);

// A drawing as the clipboard takes it: a PNG image at kExportScale times its size, its SVG and
// its description as text. The caller owns the result.
QMimeData* DrawingMimeData(const calc::Drawing& drawing);

}  // namespace framework
