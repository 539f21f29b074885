#pragma once

#include <memory>

class QPainter;
class QPrinter;
class QTextDocument;

namespace framework {

// A printer chosen in the printer dialog, drawn on in points (1/72 inch) from the top-left
// corner of the printable area of the current page, which keeps at least half an inch from
// every edge of the paper.
class PrinterGraphics {
  public:
    explicit PrinterGraphics(std::unique_ptr<QPrinter> printer);
    PrinterGraphics(const PrinterGraphics&) = delete;
    PrinterGraphics& operator=(const PrinterGraphics&) = delete;
    // Finishes the print job.
    ~PrinterGraphics();

    // Size of the printable area of a page, in points.
    int PageWidth() const;
    int PageHeight() const;
    void NextPage();
    int PageCount() const { return pages_; }

    QPainter& Painter();
    QPrinter& Printer() { return *printer_; }

  private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    int pages_ = 1;
};

// Prints a styled text, block by block, keeping its fonts, sizes and styles.
class StyledTextPrinter {
  public:
    // wrapWidth is in points.
    StyledTextPrinter(PrinterGraphics& graphics, const QTextDocument& text, int wrapWidth);
    StyledTextPrinter(const StyledTextPrinter&) = delete;
    StyledTextPrinter& operator=(const StyledTextPrinter&) = delete;
    ~StyledTextPrinter();

    // Draws, at (x, y), as many whole lines of what is left of the text as fit in height.
    void DrawBlock(int x, int y, int height);
    // True once every line has been drawn.
    bool Eof() const;
    // The height of the whole text, in points.
    int Height() const;
    // Draws what is left of the text page after page to the end: from y on the current page,
    // or from the top of the next one where not a line fits there, then each page from its
    // top. Returns the y below the last line, on the last page.
    int DrawAll(int y = 0);

  private:
    // The bottom of the last line of what is left that fits whole within height.
    double LastLineEnd(int height) const;

    PrinterGraphics& graphics_;
    std::unique_ptr<QTextDocument> doc_;
    double offset_ = 0;
};

}  // namespace framework
