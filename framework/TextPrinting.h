#pragma once

#include <memory>
#include <string_view>

#include "framework/Printing.h"

namespace framework {

// A printer for a plain text in the desktop's typeface at 10 points, wrapped at wrapWidth
// points. Tabs line up the columns of a table: at 170, 230 and 350 points from the left.
std::unique_ptr<StyledTextPrinter> PlainTextPrinter(PrinterGraphics& graphics,
                                                    std::string_view text, int wrapWidth);

}  // namespace framework
