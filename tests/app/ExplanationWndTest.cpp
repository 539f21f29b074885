#include <QApplication>
#include <QClipboard>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "framework/Table.h"
#include "framework/TextView.h"
#include "tests/support/AppTest.h"

using namespace testing_support;

namespace {

class ExplanationWndTest : public CalculatorTest {
  protected:
    void SetUp() override {
        CalculatorTest::SetUp();
        // With the focus in a calculator field, as a person asks for it.
        Field("tpFld").SetFocus();
        QTest::keyClick(Field("tpFld").Widget(), Qt::Key_I, Qt::ControlModifier);
        Settle();
        explanation =
            dynamic_cast<windows::ExplanationWnd*>(framework::FindImplicitWindow("ExplanationWnd"));
        ASSERT_NE(explanation, nullptr);
    }
    std::string Sentences() {
        return explanation->Find<framework::TextView>("SentencesTxt").Text();
    }
    void TypeCounts() {
        for (auto [name, keys] :
             {std::pair{"tpFld", "15"}, {"fpFld", "299"}, {"fnFld", "15"}, {"tnFld", "9671"}}) {
            QTest::keyClicks(Field(name).Widget(), keys);
        }
    }

    windows::ExplanationWnd* explanation = nullptr;
};

// What the window shows after each step, typed with real keys into either window's fields.
TEST_F(ExplanationWndTest, FollowsEveryKeystroke) {
    const struct {
        const char* field;  // "popPreFld" is the explanation's own; "Clear" the button
        const char* keys;
        const char* sentence;
        const char* ppv;  // the positive predictive value's row: value and interval
    } steps[] = {
        {"tpFld", "15", "enter the false positives, the false negatives and the true negatives",
         ""},
        {"fpFld", "299", "enter the false negatives and the true negatives", ""},
        {"fnFld", "15", "enter the true negatives", ""},
        {"tnFld", "967", "Of the 982 people who test negative, 967 do not", "4.8 2.7–7.8"},
        {"tnFld", "1", "Of the 9,686 people who test negative, 9,671 do not", "4.8 2.7–7.8"},
        {"popPreFld", "1", "So 50 of the 347 people", "14.4 10.4–19.7"},
        {"Clear", "", "To explain a test, enter", ""},
        {"preFld", "0.3", "or the sensitivity and the false-positive rate.", ""},
        {"dtFld", "50", "or the false-positive rate.", ""},
        {"tFld", "3", "So 15 of the 314 people who test positive have the disorder (4.8%).",
         "4.8 "},
    };
    auto& table = explanation->Find<framework::Table>("StatisticsTbl");
    for (const auto& step : steps) {
        SCOPED_TRACE(std::string(step.field) + " " + step.keys);
        if (std::string_view(step.field) == "Clear") {
            QTest::mouseClick(window->Find<framework::PushButton>("ClearBtn").Widget(),
                              Qt::LeftButton);
        } else {
            for (const char* key = step.keys; *key; ++key) {
                auto& field = explanation->FindControl(step.field)
                                  ? explanation->Find<framework::EditField>(step.field)
                                  : Field(step.field);
                QTest::keyClicks(field.Widget(), QString(*key));
            }
        }
        EXPECT_NE(Sentences().find(step.sentence), std::string::npos) << Sentences();
        EXPECT_EQ(table.Cell(5, 1) + (table.RowCount() ? " " + table.Cell(5, 2) : ""), step.ppv);
    }
}

// Copy with nothing selected takes the whole explanation; Print puts all of it on paper.
TEST_F(ExplanationWndTest, CopiesAndPrintsTheWholeExplanation) {
    TypeCounts();
    Activate(*explanation);
    QApplication::clipboard()->clear();
    ASSERT_TRUE(Choose(*explanation, "Edit", "Copy"));
    const std::string copied = QApplication::clipboard()->text().toStdString();
    EXPECT_EQ(copied, explanation->CopyText());
    for (const char* part :
         {"15 of the 314", "Positive predictive value (%)\t4.8\t2.7–7.8", "Methods: "}) {
        EXPECT_NE(copied.find(part), std::string::npos) << part;
    }

    QTemporaryDir dir;
    const QString file = dir.filePath("explanation.pdf");
    platform.printer = [&] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file);
        return std::make_unique<framework::PrinterGraphics>(std::move(printer));
    };
    Activate(*explanation);
    ASSERT_TRUE(Choose(*explanation, "File", "Print..."));
    QProcess p;
    p.start("pdftotext", {file, "-"});
    ASSERT_TRUE(p.waitForFinished(10000));
    const std::string printed = p.readAllStandardOutput().simplified().toStdString();
    for (const char* part : {"15 of the 314", "Positive predictive value (%)", "halves up."}) {
        EXPECT_NE(printed.find(part), std::string::npos) << part << " in " << printed;
    }
}

}  // namespace
