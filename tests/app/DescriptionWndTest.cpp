#include <QApplication>
#include <QClipboard>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <set>

#include "resources/DescriptionText.h"
#include "tests/support/AppTest.h"

using namespace testing_support;
using framework::EditField;
using framework::Rect;

namespace {

class DescriptionWndTest : public AppTest {
  protected:
    EditField& Text() { return app::DescriptionWnd().Find<EditField>("DescribeFld2"); }
};

TEST(DescriptionText, HasItsTwentyOneLinesInPlainAscii) {
    const std::string text(resources::DescriptionText());
    EXPECT_TRUE(std::all_of(text.begin(), text.end(),
                            [](unsigned char c) { return c == '\r' || (c >= 32 && c < 127); }));
    const QStringList lines = QString::fromStdString(text).split('\r');
    ASSERT_EQ(lines.size(), 21) << "no line break at the end either";
    for (int empty : {2, 4, 8, 10, 13, 14, 15, 17, 18, 20}) EXPECT_EQ(lines[empty - 1], "");
    // A line by its number: its whole text, or the parts it must hold.
    // clang-format off
    const std::vector<std::pair<int, QStringList>> rows{
        {1, {"Predivo"}}, {6, {" "}}, {11, {"Reference"}}, {16, {QString(15, ' ') + QString(38, '*')}},
        {3, {"People have great difficulty in such solving problems as:"}},
        {5, {"0.3 percent", "50 percent", "3 percent", "colorectal cancer"}},
        {7, {"24 physicians", "only 1", "around 5 percent", "(2002)", "Technically, this is the positive predictive value--the probability of having the disease conditional on a positive test result."}},
        {9, {"Simply enter the appropriate percentages if you have the population prevalence (0.3%), sensitivity (50%), and false positive rate (3%). If you have the frequency counts for all 4 test-disorder combinations, then enter them into the 4 appropriate cells."}},
        {12, {"Gigerenzer, G. (2002). Calculated risks: How to know when numbers deceive you. New York: Simon & Schuster."}},
        {19, {"Reference as: The Predivo developers (2006). Predivo [Computer software]. Published by the Predivo project."}},
        {21, {"warranty", "expressed or implied", "merchantability", "fitness for a particular purpose", "professional care and judgment", "qualifications", "complete responsibility", "third party", "miscalculation", "misuse"}},
    };
    // clang-format on
    for (const auto& [number, parts] : rows) {
        EXPECT_TRUE(parts.size() > 1 || lines[number - 1] == parts[0]) << number;
        for (const auto& part : parts) EXPECT_TRUE(lines[number - 1].contains(part)) << number;
    }
    EXPECT_NEAR(lines[4].size(), 570, 60);
    EXPECT_NEAR(lines[20].size(), 780, 60);
}

// It opens with the stored text, the title selected in bold and the keyboard in it, and so again
// once an edited window is closed. The style caches its drawings under palette keys: a fresh
// window that brought new keys would leave the old drawings in the cache at every close.
TEST_F(DescriptionWndTest, OpensWithTheTitleSelectedInBoldAndAfreshOnceClosed) {
    qint64 firstKey = 0;
    for (int round = 0; round < 2; ++round) {
        auto& w = app::DescriptionWnd();
        EXPECT_EQ(std::pair(w.Width(), w.Height()), std::pair(427, 491));
        EXPECT_EQ(Text().Text(), resources::DescriptionText());
        auto* editor = static_cast<QTextEdit*>(Text().Widget());
        if (round == 0) firstKey = editor->verticalScrollBar()->palette().cacheKey();
        EXPECT_EQ(editor->verticalScrollBar()->palette().cacheKey(), firstKey);
        Activate(w);
        QApplication::clipboard()->clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), editor->toPlainText().left(29));
        for (auto [start, length, bold] : std::initializer_list<std::tuple<int, int, bool>>{
                 {0, 7, true}, {28, 1, true}, {28, 2, false}, {29, 100, false}, {500, 10, false}}) {
            Text().SetSelStart(start);
            Text().SetSelLength(length);
            EXPECT_EQ(Text().SelBold(), bold) << start;
        }
        QTest::keyClicks(editor, "Edited");
        ASSERT_NE(Text().Text(), resources::DescriptionText());
        w.CloseWindow();
        Settle();
    }
}

TEST_F(DescriptionWndTest, FieldsKeepTheirDistanceToEveryEdgeWhenResized) {
    auto& w = app::DescriptionWnd();
    for (QSize size : {QSize(900, 700), QSize(64, 64 + w.Widget()->height() - w.Height())}) {
        w.Widget()->resize(size);
        Settle();
        const int width = w.Width(), height = w.Height();
        EXPECT_EQ(width, size.width());
        EXPECT_EQ(w.Find<EditField>("DescribeFld").Bounds(), (Rect{1, -1, width, height - 13}));
        EXPECT_EQ(Text().Bounds(), (Rect{-1, -1, width + 2, height - 15}));
    }
}

// Control brings the calculator to the front and leaves this window open behind; Description
// brings it back, even from the dock.
TEST_F(DescriptionWndTest, WindowMenuGoesToTheCalculatorAndBack) {
    auto& calculator = Calculator();
    auto& w = app::DescriptionWnd();
    Activate(w);
    ASSERT_TRUE(Choose(w, "Window", "Control"));
    EXPECT_EQ(framework::FrontWindow(), &calculator);
    EXPECT_TRUE(w.Visible());
    w.Widget()->showMinimized();
    ASSERT_TRUE(w.Widget()->isMinimized());
    ASSERT_TRUE(Choose(calculator, "Window", "Description"));
    EXPECT_FALSE(w.Widget()->isMinimized());
    EXPECT_TRUE(w.Visible());
}

// A cancelled printer dialog prints and says nothing. Printed, the text, made longer in the
// window as a person may do, runs over several pages and reaches the paper whole: every line
// once, inside the margins of its page, the disclaimer last.
TEST_F(DescriptionWndTest, PrintsTheWholeTextOnAsManyPagesAsItNeeds) {
    auto& w = app::DescriptionWnd();
    Activate(w);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(platform.printerDialogs, 1);
    EXPECT_EQ(platform.printerDialogOver, &w);
    QTemporaryDir dir;
    const QString file = dir.filePath("description.pdf");
    platform.printer = [&] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file);
        return std::make_unique<framework::PrinterGraphics>(std::move(printer));
    };
    QTextCursor cursor(static_cast<QTextEdit*>(Text().Widget())->document());
    cursor.setPosition(9);
    for (int i = 0; i < 150; ++i) cursor.insertText(QString("Added%1\n").arg(i));
    ASSERT_TRUE(Choose(w, "File", "Print..."));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.reports.empty());
    // Every word as a reader finds it, with its box in points. The printable area of a page is
    // the paper less half an inch on every side: nearer the edge many printers cut the print off.
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-bbox", file, "-"});
    pdftotext.waitForFinished(10000);
    static const QRegularExpression tag(
        R"re(<page width="([\d.]+)" height="([\d.]+)"|<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
        R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*))re");
    QRectF printable;
    int pages = 0;
    std::set<int> pagesWithText;
    QStringList words;
    for (const auto& m : tag.globalMatch(QString::fromUtf8(pdftotext.readAllStandardOutput()))) {
        auto at = [&m](int i) { return m.captured(i).toDouble(); };
        if (m.capturedLength(1)) {
            // Less a hair for the rounding in the file.
            printable = QRectF(36, 36, at(1) - 72, at(2) - 72).adjusted(-.01, -.01, .01, .01);
            ++pages;
            continue;
        }
        pagesWithText.insert(pages);
        words.push_back(m.captured(7));
        EXPECT_TRUE(printable.contains(QRectF(QPointF(at(3), at(4)), QPointF(at(5), at(6)))))
            << m.captured(7).toStdString() << " on page " << pages;
    }
    EXPECT_GT(pages, 1);
    EXPECT_EQ(static_cast<int>(pagesWithText.size()), pages) << "an empty page";
    EXPECT_EQ(words.value(0), "Predivo");
    EXPECT_EQ(words.value(words.size() - 1), "possible.");
    for (int i = 0; i < 150; ++i) EXPECT_EQ(words.count(QString("Added%1").arg(i)), 1) << i;
}

}  // namespace
