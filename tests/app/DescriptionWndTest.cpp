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

#include <sstream>

#include "app/Menu.h"
#include "resources/DescriptionText.h"
#include "tests/support/AppTest.h"

using namespace testing_support;
using framework::EditField;
using framework::Rect;

namespace {

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in{std::string(text)};
    while (std::getline(in, line, '\r')) lines.push_back(line);
    return lines;
}

class DescriptionWndTest : public AppTest {
  protected:
    EditField& Text() { return app::DescriptionWnd().Find<EditField>("DescribeFld2"); }
};

TEST(DescriptionText, HasItsTwentyOneLinesInPlainAscii) {
    const std::string_view text = resources::DescriptionText();
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        ASSERT_TRUE(u == '\r' || (u >= 32 && u < 127)) << "byte " << int(u);
    }
    ASSERT_FALSE(text.ends_with('\r'));
    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), 21u);
    for (int empty : {2, 4, 8, 10, 13, 14, 15, 17, 18, 20}) {
        EXPECT_EQ(lines[empty - 1], "") << "line " << empty;
    }
    EXPECT_EQ(lines[0], "Predivo");
    EXPECT_EQ(lines[2], "People have great difficulty in such solving problems as:");
    EXPECT_EQ(lines[5], " ");
    EXPECT_TRUE(lines[6].ends_with(
        "Technically, this is the positive predictive value--the probability of having the "
        "disease conditional on a positive test result."));
    EXPECT_EQ(lines[8],
              "Simply enter the appropriate percentages if you have the population prevalence "
              "(0.3%), sensitivity (50%), and false positive rate (3%). If you have the frequency "
              "counts for all 4 test-disorder combinations, then enter them into the 4 "
              "appropriate cells.");
    EXPECT_EQ(lines[10], "Reference");
    EXPECT_EQ(lines[11],
              "Gigerenzer, G. (2002). Calculated risks: How to know when numbers deceive you. "
              "New York: Simon & Schuster.");
    EXPECT_EQ(lines[15], std::string(15, ' ') + std::string(38, '*'));
    EXPECT_TRUE(lines[18].starts_with(
        "Reference as: The Predivo developers (2006). Predivo [Computer software]."));

    // The worked problem carries the numbers the calculator takes, and the disclaimer all it
    // must say.
    for (const char* fact : {"0.3 percent", "50 percent", "3 percent", "colorectal cancer"}) {
        EXPECT_NE(lines[4].find(fact), std::string::npos) << fact;
    }
    EXPECT_NEAR(static_cast<double>(lines[4].size()), 570, 60);
    for (const char* fact : {"24 physicians", "only 1", "around 5 percent", "(2002)"}) {
        EXPECT_NE(lines[6].find(fact), std::string::npos) << fact;
    }
    for (const char* term :
         {"warranty", "expressed or implied", "merchantability", "fitness for a particular purpose",
          "professional care and judgment", "qualifications", "complete responsibility",
          "third party", "miscalculation", "misuse"}) {
        EXPECT_NE(lines[20].find(term), std::string::npos) << term;
    }
    EXPECT_NEAR(static_cast<double>(lines[20].size()), 780, 60);
}

TEST_F(DescriptionWndTest, OpensWithTheTextAndTheFirst29CharactersBold) {
    auto& w = app::DescriptionWnd();
    EXPECT_EQ(w.Title(), "Description");
    EXPECT_EQ(w.Width(), 427);
    EXPECT_EQ(w.Height(), 491);
    EXPECT_EQ(w.Controls().size(), 2u);
    EXPECT_EQ(w.Find<EditField>("DescribeFld").Text(), "\r");
    EXPECT_EQ(Text().Text(), resources::DescriptionText());
    EXPECT_EQ(Text().SelStart(), 0);
    EXPECT_EQ(Text().SelLength(), 29) << "left selected";
    EXPECT_TRUE(Text().SelBold());
    // The keyboard starts in the text: Cmd+C copies what is selected.
    Activate(w);
    QApplication::clipboard()->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().size(), 29);
    struct Span {
        int start, length;
        bool bold;
    };
    for (const Span& s : {Span{0, 7, true}, Span{28, 1, true}, Span{28, 2, false},
                          Span{29, 100, false}, Span{500, 10, false}}) {
        SCOPED_TRACE(s.start);
        Text().SetSelStart(s.start);
        Text().SetSelLength(s.length);
        EXPECT_EQ(Text().SelBold(), s.bold);
    }
}

TEST_F(DescriptionWndTest, OneWindowWhileOpenAFreshOneAfterClosing) {
    auto* first = &app::DescriptionWnd();
    EXPECT_EQ(&app::DescriptionWnd(), first);
    Activate(*first);
    Text().SetSelStart(0);
    QTest::keyClicks(Text().Widget(), "Edited ");
    EXPECT_TRUE(Text().Text().starts_with("Edited Predivo"));
    // The style caches its drawings under palette keys: a fresh window that brought new keys
    // would leave the old drawings in the cache at every close.
    const auto paletteKey = [&] {
        return static_cast<QTextEdit*>(Text().Widget())->verticalScrollBar()->palette().cacheKey();
    };
    const qint64 firstKey = paletteKey();
    first->CloseWindow();
    Settle();
    auto& fresh = app::DescriptionWnd();
    EXPECT_EQ(Text().Text(), resources::DescriptionText());
    EXPECT_EQ(Text().SelLength(), 29);
    EXPECT_TRUE(Text().SelBold());
    EXPECT_TRUE(fresh.Visible());
    EXPECT_EQ(paletteKey(), firstKey);
}

TEST_F(DescriptionWndTest, FieldsKeepTheirDistanceToEveryEdgeWhenResized) {
    auto& w = app::DescriptionWnd();
    auto margins = [&](const char* name) {
        const Rect r = w.Find<EditField>(name).Bounds();
        return std::array<int, 4>{r.left, r.top, w.Width() - (r.left + r.width),
                                  w.Height() - (r.top + r.height)};
    };
    const auto first = margins("DescribeFld");
    const auto second = margins("DescribeFld2");
    EXPECT_EQ(second, (std::array<int, 4>{-1, -1, -1, 16}));
    QWidget* frame = w.Widget();
    const int barHeight = frame->height() - w.Height();
    for (QSize size : {QSize(900, 700), QSize(64, 64 + barHeight), QSize(427, 491 + barHeight)}) {
        SCOPED_TRACE(size.width());
        frame->resize(size);
        Settle();
        EXPECT_EQ(w.Width(), size.width());
        EXPECT_EQ(margins("DescribeFld"), first);
        EXPECT_EQ(margins("DescribeFld2"), second);
    }
}

TEST_F(DescriptionWndTest, AnswersTheWindowMenu) {
    auto& calculator = Calculator();
    auto& w = app::DescriptionWnd();
    Activate(w);
    ASSERT_TRUE(Choose(w, "Window", "Control"));
    EXPECT_EQ(framework::FrontWindow(), &calculator);
    EXPECT_TRUE(w.Visible()) << "stays open behind";
    Activate(w);
    ASSERT_TRUE(Choose(w, "Window", "About Predivo"));
    EXPECT_TRUE(app::AboutWnd().Visible());
    EXPECT_TRUE(w.Visible());
}

// What a PDF printed from the window says, page by page, as read by a PDF reader.
std::vector<std::string> PdfPages(const QString& file) {
    std::vector<std::string> pages;
    for (int page = 1;; ++page) {
        QProcess p;
        p.start("pdftotext",
                {"-f", QString::number(page), "-l", QString::number(page), "-layout", file, "-"});
        if (!p.waitForFinished(10000) || p.exitCode() != 0) break;
        pages.push_back(p.readAllStandardOutput().toStdString());
    }
    return pages;
}

// The words of a PDF nearer than half an inch to an edge of the paper, and how many words
// there are in all.
std::pair<std::vector<std::string>, int> WordsInTheMargins(const QString& file) {
    QProcess p;
    p.start("pdftotext", {"-bbox", file, "-"});
    p.waitForFinished(10000);
    static const QRegularExpression tag(
        R"re(<page width="([\d.]+)" height="([\d.]+)"|<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
        R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*))re");
    constexpr double edge = 35.9;  // half an inch, less a hair for the rounding in the file
    std::vector<std::string> outside;
    int words = 0;
    double width = 0, height = 0;
    for (const auto& m : tag.globalMatch(QString::fromUtf8(p.readAllStandardOutput()))) {
        auto at = [&m](int i) { return m.captured(i).toDouble(); };
        if (m.capturedLength(1)) {
            width = at(1);
            height = at(2);
        } else {
            ++words;
            if (at(3) < edge || at(4) < edge || at(5) > width - edge || at(6) > height - edge) {
                outside.push_back(m.captured(7).toStdString());
            }
        }
    }
    return {outside, words};
}

// The stored text fits one page; with the text made longer in the window, as a person may do,
// it runs over several. Either way every word reaches the paper and the disclaimer ends it.
TEST_F(DescriptionWndTest, PrintsTheWholeTextOnAsManyPagesAsItNeeds) {
    for (int extraLines : {0, 150}) {
        SCOPED_TRACE(extraLines);
        QTemporaryDir dir;
        const QString file = dir.filePath("description.pdf");
        platform.printer = [&] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(file);
            return std::make_unique<framework::PrinterGraphics>(std::move(printer));
        };
        auto& w = app::DescriptionWnd();
        auto* editor = static_cast<QTextEdit*>(Text().Widget());
        QTextCursor cursor(editor->document());
        cursor.setPosition(9);
        for (int i = 0; i < extraLines; ++i) cursor.insertText(QString("Added line %1\n").arg(i));
        Activate(w);
        ASSERT_TRUE(Choose(w, "File", "Print..."));
        const auto pages = PdfPages(file);
        ASSERT_EQ(pages.size() > 1, extraLines > 0) << pages.size() << " pages";
        EXPECT_NE(pages.front().find("Predivo"), std::string::npos);
        // No line lost or printed twice where one page ends and the next begins.
        std::string all;
        for (const auto& page : pages) {
            EXPECT_NE(page.find_first_not_of(" \n\f"), std::string::npos) << "an empty page";
            all += page;
        }
        for (int i = 0; i < extraLines; ++i) {
            const std::string line = "Added line " + std::to_string(i) + "\n";
            const auto at = all.find(line);
            ASSERT_NE(at, std::string::npos) << line;
            EXPECT_EQ(all.find(line, at + 1), std::string::npos) << line;
        }
        EXPECT_NE(pages.back().find("miscalculation"), std::string::npos);
        EXPECT_NE(pages.back().find("possible."), std::string::npos);
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_EQ(platform.printerDialogOver, &w);
        const auto [outside, words] = WordsInTheMargins(file);
        EXPECT_GT(words, 300);
        EXPECT_EQ(outside, std::vector<std::string>{}) << "words in the margins";
        w.CloseWindow();
        Settle();
    }
}

TEST_F(DescriptionWndTest, CancelledPrintingPrintsAndSaysNothing) {
    auto& w = app::DescriptionWnd();
    Activate(w);
    ASSERT_TRUE(Choose(w, "File", "Print..."));
    EXPECT_EQ(platform.printerDialogs, 1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.reports.empty());
}

}  // namespace
