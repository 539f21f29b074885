#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Printing.h"

namespace framework {

// A printer for a plain text in the desktop's typeface at so many points, wrapped at wrapWidth
// points.
std::unique_ptr<StyledTextPrinter> PlainTextPrinter(PrinterGraphics& graphics,
                                                    std::string_view text, int wrapWidth,
                                                    int points = 10);

// A printer for a table in the same typeface at 10 points: its head in bold over a rule, then
// its rows, each cell wrapped within its own column. percents gives each column's share of
// wrapWidth.
std::unique_ptr<StyledTextPrinter> TablePrinter(PrinterGraphics& graphics,
                                                const std::vector<std::string>& head,
                                                const std::vector<std::vector<std::string>>& rows,
                                                const std::vector<int>& percents, int wrapWidth);

}  // namespace framework
