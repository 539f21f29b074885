#include "framework/TextPrinting.h"

#include <QApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <QTextTable>

#include "framework/QtHelpers.h"

namespace framework {

namespace {

// A document in the desktop's typeface, wrapped between words where it can be and anywhere
// where a word is longer than the line.
void Prepare(QTextDocument& doc, int points) {
    QFont font = QApplication::font();
    // The printer draws in points: a pixel size here is that many points on paper.
    font.setPixelSize(points);
    doc.setDefaultFont(font);
    QTextOption option = doc.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    doc.setDefaultTextOption(option);
}

}  // namespace

std::unique_ptr<StyledTextPrinter> PlainTextPrinter(PrinterGraphics& graphics,
                                                    std::string_view text, int wrapWidth,
                                                    int points) {
    QTextDocument doc;
    Prepare(doc, points);
    doc.setPlainText(ToQ(text));
    return std::make_unique<StyledTextPrinter>(graphics, doc, wrapWidth);
}

std::unique_ptr<StyledTextPrinter> TablePrinter(PrinterGraphics& graphics,
                                                const std::vector<std::string>& head,
                                                const std::vector<std::vector<std::string>>& rows,
                                                const std::vector<int>& percents, int wrapWidth) {
    QTextDocument doc;
    Prepare(doc, 10);
    QTextTableFormat format;
    format.setBorder(0);
    format.setCellSpacing(0);
    format.setCellPadding(2);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QList<QTextLength> widths;
    for (const int p : percents) widths << QTextLength(QTextLength::PercentageLength, p);
    format.setColumnWidthConstraints(widths);
    const int columns = static_cast<int>(head.size());
    QTextCursor cursor(&doc);
    QTextTable* table = cursor.insertTable(static_cast<int>(rows.size()) + 1, columns, format);
    const auto fill = [&](int row, const std::vector<std::string>& cells, bool bold) {
        QTextCharFormat chars;
        chars.setFontWeight(bold ? QFont::Bold : QFont::Normal);
        for (int c = 0; c < columns && c < static_cast<int>(cells.size()); ++c) {
            QTextTableCell cell = table->cellAt(row, c);
            if (bold) {
                QTextTableCellFormat rule = cell.format().toTableCellFormat();
                rule.setBottomBorder(0.5);
                rule.setBottomBorderStyle(QTextFrameFormat::BorderStyle_Solid);
                rule.setBottomBorderBrush(Qt::black);
                cell.setFormat(rule);
            }
            cell.firstCursorPosition().insertText(ToQ(cells[static_cast<std::size_t>(c)]), chars);
        }
    };
    fill(0, head, true);
    for (std::size_t r = 0; r < rows.size(); ++r) fill(static_cast<int>(r) + 1, rows[r], false);
    return std::make_unique<StyledTextPrinter>(graphics, doc, wrapWidth);
}

}  // namespace framework
