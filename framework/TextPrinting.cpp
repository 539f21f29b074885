#include "framework/TextPrinting.h"

#include <QApplication>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include "framework/QtHelpers.h"

namespace framework {

std::unique_ptr<StyledTextPrinter> PlainTextPrinter(PrinterGraphics& graphics,
                                                    std::string_view text, int wrapWidth) {
    QTextDocument doc;
    QFont font = QApplication::font();
    // The printer draws in points: a pixel size here is that many points on paper.
    font.setPixelSize(10);
    doc.setDefaultFont(font);
    QTextOption option = doc.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    doc.setDefaultTextOption(option);
    doc.setPlainText(ToQ(text));
    // On every paragraph: the layout takes tab stops from a paragraph's format alone.
    QTextBlockFormat columns;
    columns.setTabPositions({QTextOption::Tab(170, QTextOption::LeftTab),
                             QTextOption::Tab(230, QTextOption::LeftTab),
                             QTextOption::Tab(350, QTextOption::LeftTab)});
    QTextCursor all(&doc);
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(columns);
    return std::make_unique<StyledTextPrinter>(graphics, doc, wrapWidth);
}

}  // namespace framework
