#include "framework/Printing.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>

#include "framework/Platform.h"
#include "framework/QtHelpers.h"
#include "framework/Window.h"

namespace framework {

std::unique_ptr<PrinterGraphics> Platform::OpenPrinterDialog(const Window& over) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // Named after the window that prints, which also names the file when printing to PDF.
    printer->setDocName(ToQ(over.Title()));
    QPrintDialog dialog(printer.get(), over.Widget());
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return std::make_unique<PrinterGraphics>(std::move(printer));
}

PrinterGraphics::PrinterGraphics(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
    // Half an inch at least on every side: nearer the edge many printers cut the print off.
    const QMarginsF m = printer_->pageLayout().margins(QPageLayout::Point);
    constexpr double least = 36;
    printer_->setPageMargins(QMarginsF(std::max(least, m.left()), std::max(least, m.top()),
                                       std::max(least, m.right()), std::max(least, m.bottom())),
                             QPageLayout::Point);
    painter_ = std::make_unique<QPainter>(printer_.get());
}

PrinterGraphics::~PrinterGraphics() {
    if (painter_->isActive()) painter_->end();
}

QPainter& PrinterGraphics::Painter() {
    // Points, whatever the printer's resolution.
    painter_->resetTransform();
    const double scale = printer_->resolution() / 72.0;
    painter_->scale(scale, scale);
    return *painter_;
}

int PrinterGraphics::PageWidth() const {
    return static_cast<int>(printer_->pageRect(QPrinter::Point).width());
}

int PrinterGraphics::PageHeight() const {
    return static_cast<int>(printer_->pageRect(QPrinter::Point).height());
}

void PrinterGraphics::NextPage() {
    printer_->newPage();
    ++pages_;
}

StyledTextPrinter::StyledTextPrinter(PrinterGraphics& graphics, const QTextDocument& text,
                                     int wrapWidth)
    : graphics_(graphics), doc_(text.clone()) {
    // A clone leaves the text's wrapping behind: a long word would run off the paper.
    doc_->setDefaultTextOption(text.defaultTextOption());
    doc_->setDocumentMargin(0);
    doc_->setTextWidth(wrapWidth);
}

StyledTextPrinter::~StyledTextPrinter() = default;

int StyledTextPrinter::Height() const {
    return static_cast<int>(std::ceil(doc_->size().height()));
}

bool StyledTextPrinter::Eof() const {
    return offset_ >= doc_->size().height() - 0.5;
}

int StyledTextPrinter::DrawAll(int y) {
    // Where not even one line fits below what the page already holds, the text starts afresh on
    // the next page rather than with a line cut in two.
    if (y > 0 && !Eof() && LastLineEnd(graphics_.PageHeight() - y) <= offset_) {
        graphics_.NextPage();
        y = 0;
    }
    double start = offset_;
    DrawBlock(0, y, graphics_.PageHeight() - y);
    while (!Eof()) {
        graphics_.NextPage();
        y = 0;
        start = offset_;
        DrawBlock(0, 0, graphics_.PageHeight());
    }
    return y + static_cast<int>(std::ceil(offset_ - start));
}

double StyledTextPrinter::LastLineEnd(int height) const {
    const double limit = offset_ + height;
    double end = offset_;
    for (QTextBlock b = doc_->begin(); b.isValid(); b = b.next()) {
        const QTextLayout* layout = b.layout();
        // From the top of the document: a table cell lays its lines out from its own top.
        const double top = doc_->documentLayout()->blockBoundingRect(b).top();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const double bottom = top + line.y() + line.height();
            if (bottom > offset_ + 0.01 && bottom <= limit) end = bottom;
        }
    }
    return end;
}

void StyledTextPrinter::DrawBlock(int x, int y, int height) {
    if (Eof() || height <= 0) return;
    const double limit = offset_ + height;
    // A line taller than the block is cut.
    double end = LastLineEnd(height);
    if (end <= offset_) end = limit;
    end = std::min(end, doc_->size().height());

    QPainter& painter = graphics_.Painter();
    painter.save();
    painter.translate(x, y - offset_);
    const QRectF visible(0, offset_, doc_->textWidth(), end - offset_);
    painter.setClipRect(visible);
    // Lines that only touch the block belong to the neighbouring block: drawn here, they would
    // be hidden by the clip yet still be in the printed file, found twice by a search.
    doc_->drawContents(&painter, visible.adjusted(0, 0.5, 0, -0.5));
    painter.restore();
    offset_ = end;
}

}  // namespace framework
