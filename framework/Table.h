#pragma once

#include <string>
#include <vector>

#include "framework/Controls.h"

namespace framework {

// Rows of text under column headers, to read: a screen reader reads it as a table, cell by
// cell, and a person moves through it with the arrow keys.
class Table : public Control {
  public:
    struct Props {
        std::vector<std::string> headers{};
        bool visible = true;
        std::string parent{};
        std::string accessibleName{};
    };

    Table(Window& owner, std::string name, const Props& props);
    int RowCount() const;
    std::string Cell(int row, int column) const;
    // Each row as many cells as there are headers; missing cells are empty.
    void SetRows(const std::vector<std::vector<std::string>>& rows);
};

}  // namespace framework
