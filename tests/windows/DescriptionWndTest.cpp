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

#include "resources/DescriptionText.h"
#include "tests/support/AppTest.h"

using namespace testing_support;
using framework::EditField;
using framework::Rect;

namespace {

using DescriptionWndTest = AppTest;

TEST(DescriptionText, HasItsTwentyOneLinesInPlainAsciiAndEachTranslationTheirShape) {
    const QStringList line = QString::fromUtf8(resources::DescriptionText("en")).split('\r');
    EXPECT_FALSE(line.join('\r').contains(QRegularExpression("[^\r -~]"))) << "plain ASCII";
    // Each language's text is UTF-8, its own words (Italian has none: English), and keeps the
    // English lines that are not words, and the reference as published.
    for (const std::string language : {"en", "de", "es", "fr", "it"}) {
        const auto text = resources::DescriptionText(language);
        const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
        EXPECT_EQ(text == resources::DescriptionText("en"), language == "en" || language == "it");
        const QStringList translated = QString::fromUtf8(bytes).split('\r');
        EXPECT_EQ(translated.join('\r').toUtf8(), bytes) << language << ": not UTF-8";
        ASSERT_EQ(translated.size(), 21) << language << ": no line break at the end either";
        for (int same : {1, 2, 4, 6, 8, 10, 12, 13, 14, 15, 16, 17, 18, 20})
            EXPECT_EQ(translated[same - 1], line[same - 1]) << language << " " << same;
    }
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
    for (const auto& [n, parts] : rows)
        for (const auto& p : parts)
            EXPECT_TRUE(parts.size() > 1 ? line[n - 1].contains(p) : line[n - 1] == p) << n;
    EXPECT_NEAR(line[4].size() + line[20].size(), 1350, 60) << "the two long lines";
}

// It opens with the stored text, the title selected in bold and the keyboard in it, its fields
// keeping their distance to every edge, and so again once an edited, resized window is closed.
// The style caches its drawings under palette keys: a fresh window that brought new keys would
// leave the old drawings in the cache at every close.
TEST_F(DescriptionWndTest, OpensAfreshWithTheTitleSelectedInBoldAndFollowsItsEdges) {
    qint64 firstKey = 0;
    for (int round = 0; round < 2; ++round) {
        auto& w = app::DescriptionWnd();
        auto& text = w.Find<EditField>("DescribeFld2");
        EXPECT_EQ(std::pair(w.Width(), w.Height()), std::pair(427, 491));
        EXPECT_EQ(text.Text(), resources::DescriptionText("en"));
        auto* editor = static_cast<QTextEdit*>(text.Widget());
        if (round == 0) firstKey = editor->verticalScrollBar()->palette().cacheKey();
        EXPECT_EQ(editor->verticalScrollBar()->palette().cacheKey(), firstKey);
        Activate(w);
        QApplication::clipboard()->clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), editor->toPlainText().left(29));
        for (int start : {0, 27, 28, 29, 500}) {
            text.SetSelStart(start);
            text.SetSelLength(2);
            EXPECT_EQ(text.SelBold(), start < 28) << start;
        }
        for (QSize size : {QSize(900, 700), QSize(64, 64 + w.Widget()->height() - w.Height())}) {
            w.Widget()->resize(size);
            const int width = w.Width(), height = w.Height();
            EXPECT_EQ(width, size.width());
            EXPECT_EQ(w.Find<EditField>("DescribeFld").Bounds(), (Rect{1, -1, width, height - 13}));
            EXPECT_EQ(text.Bounds(), (Rect{-1, -1, width + 2, height - 15}));
        }
        QTest::keyClicks(editor, "Edited");
        ASSERT_NE(text.Text(), resources::DescriptionText("en")) << "the text takes typing";
        w.CloseWindow();
    }
}

// Window > Control brings the calculator to the front and leaves this window open behind;
// Description brings it back, even from the dock. A cancelled printer dialog prints and says
// nothing. Printed, the text, made longer in the window as a person may do, runs over several
// pages and reaches the paper whole: every word once, in order, inside the margins of its page.
TEST_F(DescriptionWndTest, ComesBackFromTheDockAndPrintsTheWholeTextOnAsManyPagesAsItNeeds) {
    auto& calculator = Calculator();
    auto& w = app::DescriptionWnd();
    Activate(w);
    ASSERT_TRUE(Choose(w, "Window", "Control"));
    EXPECT_TRUE(framework::FrontWindow() == &calculator && w.Visible());
    w.Widget()->showMinimized();
    ASSERT_TRUE(w.Widget()->isMinimized());
    ASSERT_TRUE(Choose(calculator, "Window", "Description"));
    EXPECT_TRUE(w.Visible() && !w.Widget()->isMinimized());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(platform.printerDialogs == 1 && platform.printerDialogOver == &w);
    QTemporaryDir dir;
    platform.printer = [&] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFileName(dir.filePath("d.pdf"));
        return std::make_unique<framework::PrinterGraphics>(std::move(printer));
    };
    auto* editor = static_cast<QTextEdit*>(w.Find<EditField>("DescribeFld2").Widget());
    for (int i = 0; i < 150; ++i) editor->append(QString("Added%1").arg(i));
    ASSERT_TRUE(Choose(w, "File", "Print..."));
    EXPECT_EQ(platform.messages.size() + platform.reports.size(), 0u);
    // Every word as a reader finds it, with its box in points. The printable area of a page is
    // the paper less half an inch on every side: nearer the edge many printers cut the print off.
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-bbox", dir.filePath("d.pdf"), "-"});
    pdftotext.waitForFinished(10000);
    static const QRegularExpression tag(
        R"re(<page width="(.+?)" height="(.+?)"|<word )re"
        R"re(xMin="(.+?)" yMin="(.+?)" xMax="(.+?)" yMax="(.+?)">([^<]*))re");
    QRectF printable;
    QList<int> wordsOnPage;
    QStringList words;
    for (const auto& m : tag.globalMatch(QString::fromUtf8(pdftotext.readAllStandardOutput()))) {
        QList<double> v;
        for (int i = 1; i < 7; ++i) v << m.captured(i).toDouble();
        if (m.capturedLength(1)) {
            // Less a hair for the rounding in the file.
            printable = QRectF(35.99, 35.99, v[0] - 71.98, v[1] - 71.98);
            wordsOnPage.push_back(0);
        } else {
            ++wordsOnPage.back();
            words.push_back(m.captured(7));
            EXPECT_TRUE(printable.contains(QRectF(QPointF(v[2], v[3]), QPointF(v[4], v[5]))))
                << wordsOnPage.size() << words.back().toStdString();
        }
    }
    EXPECT_TRUE(wordsOnPage.size() > 1 && !wordsOnPage.contains(0)) << "one page, or an empty one";
    EXPECT_EQ(words.join(' ').toStdString(),
              editor->toPlainText().simplified().toHtmlEscaped().toStdString());
}

}  // namespace
