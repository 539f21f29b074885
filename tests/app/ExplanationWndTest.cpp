#include <QApplication>
#include <QClipboard>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "framework/Table.h"
#include "framework/TextView.h"
#include "tests/support/AppTest.h"

using namespace testing_support;

namespace {

using ExplanationWndTest = CalculatorTest;

// The window follows every keystroke in either window's fields; Copy with nothing selected takes
// the whole explanation, and Print puts all of it on paper.
TEST_F(ExplanationWndTest, FollowsEveryKeystrokeThenCopiesAndPrintsIt) {
    // With the focus in a calculator field, as a person asks for it.
    Field("tpFld").SetFocus();
    QTest::keyClick(Field("tpFld").Widget(), Qt::Key_I, Qt::ControlModifier);
    Settle();
    auto* explanation =
        dynamic_cast<windows::ExplanationWnd*>(framework::FindImplicitWindow("ExplanationWnd"));
    ASSERT_NE(explanation, nullptr);
    // field: "popPreFld" is the explanation's own, "Clear" the button. ppv: the positive
    // predictive value's row, value and interval.
    // clang-format off
    const struct { const char *field, *keys, *sentence, *ppv; } steps[] = {
        {"preFld", "0.3", "or the sensitivity and the false-positive rate.", ""},
        {"dtFld", "50", "or the false-positive rate.", ""},
        {"tFld", "3", "So 15 of the 314 people who test positive have the disorder (4.8%).", "4.8 "},
        {"Clear", "", "To explain a test, enter", ""},
        {"tpFld", "15", "enter the false positives, the false negatives and the true negatives", ""},
        {"fpFld", "299", "enter the false negatives and the true negatives", ""},
        {"fnFld", "15", "enter the true negatives", ""},
        {"tnFld", "967", "Of the 982 people who test negative, 967 do not", "4.8 2.7–7.8"},
        {"tnFld", "1", "Of the 9,686 people who test negative, 9,671 do not", "4.8 2.7–7.8"},
        {"popPreFld", "1", "So 50 of the 347 people", "14.4 10.4–19.7"},
    };
    // clang-format on
    auto& table = explanation->Find<framework::Table>("StatisticsTbl");
    for (const auto& step : steps) {
        SCOPED_TRACE(std::string(step.field) + " " + step.keys);
        if (std::string_view(step.field) == "Clear") Press("ClearBtn");
        for (const char* key = step.keys; *key; ++key) {
            auto& field = explanation->FindControl(step.field)
                              ? explanation->Find<framework::EditField>(step.field)
                              : Field(step.field);
            QTest::keyClicks(field.Widget(), QString(*key));
        }
        const std::string sentences = explanation->Find<framework::TextView>("SentencesTxt").Text();
        EXPECT_NE(sentences.find(step.sentence), std::string::npos) << sentences;
        EXPECT_EQ(table.Cell(5, 1) + (table.RowCount() ? " " + table.Cell(5, 2) : ""), step.ppv);
    }

    Activate(*explanation);
    QApplication::clipboard()->clear();
    ASSERT_TRUE(Choose(*explanation, "Edit", "Copy"));
    const std::string copied = QApplication::clipboard()->text().toStdString();
    EXPECT_EQ(copied, explanation->CopyText());
    EXPECT_NE(copied.find("Positive predictive value (%)\t14.4\t10.4–19.7"), std::string::npos);
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
    for (const char* part : {"50 of the 347", "Positive predictive value (%)", "halves up."}) {
        EXPECT_NE(copied.find(part), std::string::npos) << part;
        EXPECT_NE(printed.find(part), std::string::npos) << part << " in " << printed;
    }
}

}  // namespace
