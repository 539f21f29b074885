#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "framework/PictureView.h"
#include "framework/Table.h"
#include "framework/TextView.h"
#include "tests/support/AppTest.h"
#include "windows/Menu.h"
#include "windows/Windows.h"

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
    // field: "popPreFld" and "SizePop" are the explanation's own, "Clear" the button. ppv: the
    // positive predictive value's row, value and interval.
    // clang-format off
    const struct { const char *field, *keys, *sentence, *ppv; } steps[] = {
        {"tpFld", "90", "", ""},
        {"fpFld", "10", "", ""},
        {"fnFld", "10", "", ""},
        {"tnFld", "90", "So 90 of the 100 people who test positive", "90.0 82.4–95.1"},
        {"popPreFld", "0,5", "So 45 of the 1,040 people who test positive", "4.3 2.4–7.6"},
        {"SizePop", "100", "So 450 of the 10,400 people who test positive", "4.3 2.4–7.6"},
        // Neither the prevalence nor the size chosen for the case before carries over to the next.
        {"Clear", "", "To explain a test, enter", ""},
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
            auto* control = explanation->FindControl(step.field);
            QTest::keyClicks((control ? *control : Field(step.field)).Widget(), QString(*key));
        }
        const std::string sentences = explanation->Find<framework::TextView>("SentencesTxt").Text();
        EXPECT_NE(sentences.find(step.sentence), std::string::npos) << sentences;
        EXPECT_EQ(table.Cell(8, 1) + (table.RowCount() ? " " + table.Cell(8, 2) : ""), step.ppv);
        if (std::string_view(step.field) == "tFld") {
            // 1,000 people would show 2 of 3 under the 50% branch: it is not on offer.
            auto* sizes = static_cast<QComboBox*>(explanation->FindControl("SizePop")->Widget());
            QStringList offered;
            for (int i = 1; i < sizes->count(); ++i) offered << sizes->itemText(i);
            EXPECT_EQ(offered.join("; ").toStdString(),
                      "10,000 people; 100,000 people; 1,000,000 people");
        }
    }

    Activate(*explanation);
    QApplication::clipboard()->clear();
    ASSERT_TRUE(Choose(*explanation, "Edit", "Copy"));
    const std::string copied = QApplication::clipboard()->text().toStdString();
    EXPECT_EQ(copied, explanation->CopyText());
    EXPECT_NE(copied.find("Positive predictive value (%)\t14.4\t10.4\t19.7\t"), std::string::npos);
    QTemporaryDir dir;
    const QString file = dir.filePath("explanation.pdf");
    platform.printer = [&] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file);
        printer->setPageSize(QPageSize(QPageSize::A5));
        return std::make_unique<framework::PrinterGraphics>(std::move(printer));
    };
    Activate(*explanation);
    ASSERT_TRUE(Choose(*explanation, "File", "Print..."));
    const auto text = [&](const char* how) {
        QProcess p;
        p.start("pdftotext", {how, file, "-"});
        return p.waitForFinished(10000) ? QString::fromUtf8(p.readAllStandardOutput()) : "";
    };
    const std::string printed = text("-layout").simplified().toStdString();
    // First, for the records, the day's date and the input.
    EXPECT_EQ(printed.find(QDate::currentDate().toString(Qt::ISODate).toStdString() +
                           " · true positives 15, false positives 299, false negatives 15, true "
                           "negatives 9,671 · population prevalence 1% "),
              0u)
        << printed;
    // On a narrow page the table's cells wrap within their columns, under their heads, whatever
    // the length of a row's name.
    const QString words = text("-bbox");
    const auto lefts = [&](const QString& word) {
        QList<double> found;
        const QRegularExpression at("xMin=\"([0-9.]+)\"[^>]*>" + word + "</word>");
        for (const auto& m : at.globalMatch(words)) found << m.captured(1).toDouble();
        return found;
    };
    const double note = lefts("Note").value(0);
    EXPECT_EQ(lefts("31.3–68.7"), lefts("11.5–24.3"));
    EXPECT_TRUE(lefts("entered").contains(note) && lefts("population").contains(note)) << note;
    for (const char* part : {"50 of the 347", "Accuracy (%)", "the same way."}) {
        EXPECT_NE(copied.find(part), std::string::npos) << part;
        EXPECT_NE(printed.find(part), std::string::npos) << part << " in " << printed;
    }
    // The pictures stand between the sentences and the figures.
    const auto at = [&](const char* part) { return printed.find(part); };
    EXPECT_LT(at("So 50 of the 347"), at("each icon:")) << printed;
    EXPECT_LT(at("each icon:"), at("positive predictive value (PPV)")) << printed;
    EXPECT_LT(at("positive predictive value (PPV)"), at("Accuracy (%)")) << printed;
}

// The arrow keys read the curves at another prevalence. Export saves the focused picture, or
// the tree when no picture has the focus, by the name's extension; a file that cannot be
// written is said and leaves nothing behind.
TEST_F(ExplanationWndTest, ReadsTheCurvesByKeysAndExportsTheFocusedPicture) {
    const char* counts[] = {"15", "299", "15", "9671"};
    for (int f = 0; f < 4; ++f) Type(kFields[f], counts[f]);
    auto& explanation = app::ExplanationWnd();
    Activate(explanation);
    auto& curves = explanation.Find<framework::PictureView>("CurvesPic");
    curves.Widget()->setFocus();
    const std::string before = curves.Current().description;
    QTest::keyClick(curves.Widget(), Qt::Key_Right);
    EXPECT_NE(curves.Current().description.find("the reading"), std::string::npos);
    EXPECT_NE(curves.Current().description, before);
    // The pointer near the right end reads the curves at a far higher prevalence, once a tall
    // window brings them into view.
    const std::string byKeys = curves.Current().description;
    explanation.Widget()->resize(760, 1400);
    Settle();
    QTest::mouseMove(curves.Widget(), QPoint(curves.Widget()->width() * 9 / 10, 100));
    EXPECT_NE(curves.Current().description, byKeys);
    EXPECT_NE(curves.Current().description.find("the reading"), std::string::npos);
    // Home and End take the reading to the ends of the axis, past which the arrows cannot move it.
    for (const auto& [end, arrow] :
         {std::pair{Qt::Key_Home, Qt::Key_Left}, {Qt::Key_End, Qt::Key_Right}}) {
        QTest::keyClick(curves.Widget(), end);
        const std::string atEnd = curves.Current().description;
        QTest::keyClick(curves.Widget(), arrow);
        EXPECT_EQ(curves.Current().description, atEnd) << atEnd;
    }

    QTemporaryDir dir;
    // clang-format off
    const struct { const char *focus, *file, *suggested, *contains; int width; } rows[] = {
        {"popPreFld", "tree.SVG", "frequency-tree.svg", "10,000 people 30 with the disorder 9,970 without the disorder 15 test positive 15 test negative 299 test positive 9,671 test negative", 0},
        {"CurvesPic", "curves.png", "predictive-values.svg", nullptr, 1280},
        {"IconsPic", "missing/icons.svg", "icon-arrays.svg", nullptr, 0},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        explanation.FindControl(row.focus)->Widget()->setFocus();
        const QString path = dir.filePath(row.file);
        platform.pictureFile = [&] { return path.toStdString(); };
        platform.messages.clear();
        QTest::keyClick(curves.Widget()->window(), Qt::Key_E,
                        Qt::ControlModifier | Qt::ShiftModifier);
        Settle();
        EXPECT_EQ(platform.suggestedFiles.back(), row.suggested);
        QFile file(path);
        if (row.contains) {
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&file);
            QStringList texts;
            while (!xml.atEnd()) {
                if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text") {
                    texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
                }
            }
            EXPECT_FALSE(xml.hasError());
            EXPECT_NE(texts.join(' ').indexOf(row.contains), -1) << texts.join(' ').toStdString();
        } else if (row.width) {
            EXPECT_EQ(QImage(path).width(), row.width);
        } else {
            EXPECT_FALSE(file.exists());
            EXPECT_EQ(platform.messages.size(), 1u);
        }
    }
}

// At its narrowest the window keeps all its text readable: the pictures are not shrunk below the
// desktop's smallest readable text (here, their own 11 pixels) and the window scrolls sideways to
// them, while the inputs, the sentences and the table keep to the width in view, the table grown
// by its own scroll bar rather than covered by it. Typing the prevalence moves nothing before
// the field, so that the next click still lands on it.
TEST_F(ExplanationWndTest, NarrowestWindowKeepsEveryTextReadableAndTheFieldInPlace) {
    const char* counts[] = {"15", "299", "15", "9671"};
    for (int f = 0; f < 4; ++f) Type(kFields[f], counts[f]);
    auto& explanation = app::ExplanationWnd();
    Activate(explanation);
    explanation.Widget()->resize(420, 560);
    Settle();
    QWidget* field = explanation.FindControl("popPreFld")->Widget();
    const QPoint at = field->mapTo(field->window(), QPoint());
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClicks(field, "1");
    Settle();
    EXPECT_EQ(field->mapTo(field->window(), QPoint()), at);
    auto* scroll = explanation.Widget()->findChild<QScrollArea*>();
    EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
    for (const char* name : {"TreePic", "IconsPic", "CurvesPic"}) {
        const auto& picture = explanation.Find<framework::PictureView>(name);
        EXPECT_GE(picture.Widget()->width(), picture.Current().Width()) << name;
    }
    for (const char* name : {"popPreFld", "SizePop", "SentencesTxt", "StatisticsTbl"}) {
        QWidget* w = explanation.FindControl(name)->Widget();
        EXPECT_LE(w->mapTo(scroll->viewport(), w->rect().topRight()).x(),
                  scroll->viewport()->width())
            << name;
    }
    auto* table = static_cast<QTableView*>(explanation.FindControl("StatisticsTbl")->Widget());
    EXPECT_TRUE(table->horizontalScrollBar()->isVisible());
    EXPECT_LE(table->visualRect(table->model()->index(table->model()->rowCount() - 1, 0)).bottom(),
              table->viewport()->height());
}

// An example, chosen from any window's menu, is a case of its own: the calculator takes its
// figures and calculates, and the explanation, open then or later, tells it in the example's names
// under its source, which it names only while the figures are the source's. The names belong to
// the case: they outlive the window and go with Clear.
TEST_F(ExplanationWndTest, AnExampleIsTakenByTheCalculatorAndToldInItsNamesUnderItsSource) {
    const auto choose = [](const char* item) {
        framework::UpdateMenus();
        QAction* action = app::Menu().Find(item)->QtAction();
        EXPECT_TRUE(action->isEnabled()) << item;
        action->trigger();
        Settle();
    };
    choose("MammographyExample");
    EXPECT_EQ(Text("pppFld"), "7.8");
    const auto told = [] {
        auto& x = app::ExplanationWnd();
        return x.Find<framework::TextView>("SentencesTxt").Text() + "\n" +
               x.Find<framework::TextView>("SourceTxt").Text() + "|" +
               x.Find<framework::EditField>("disorderFld").Text();
    };
    const auto starts = [&](const std::string& text) { return told().rfind(text, 0) == 0; };
    EXPECT_TRUE(starts("Of 1,000 women at age forty in routine screening, 10 have breast cancer."));
    EXPECT_NE(told().find("\nSource: Gigerenzer G, Hoffrage U."), std::string::npos) << told();
    auto& disorder = app::ExplanationWnd().Find<framework::EditField>("disorderFld");
    QTest::keyClicks(disorder.Widget(), QString(40, 'x'));
    EXPECT_EQ(disorder.Text(), "breast cancer" + std::string(27, 'x'));
    disorder.SetText("");
    QTest::keyClicks(disorder.Widget(), "a tumour");
    app::ExplanationWnd().CloseWindow();
    Settle();
    EXPECT_TRUE(starts("Of 1,000 women at age forty in routine screening, 10 have a tumour."))
        << told();
    EXPECT_NE(app::ExplanationWnd().CopyText().find("\nSource: Gigerenzer"), std::string::npos);
    Type("preFld", "1");
    EXPECT_EQ(told().find("Source:"), std::string::npos) << told();
    EXPECT_NE(told().find("have a tumour (50.7%)"), std::string::npos) << told();
    Activate(app::ExplanationWnd());
    choose("PrenatalExample");
    EXPECT_TRUE(starts("Of 1,949 women screened at 11 to 13 weeks, 10 have trisomy 21 or 18."))
        << told();
    EXPECT_NE(told().find("|trisomy 21 or 18"), std::string::npos) << told();
    QTemporaryDir dir;
    platform.printer = [&] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFileName(dir.filePath("example.pdf"));
        return std::make_unique<framework::PrinterGraphics>(std::move(printer));
    };
    ASSERT_TRUE(Choose(app::ExplanationWnd(), "File", "Print..."));
    QProcess pdf;
    pdf.start("pdftotext", {dir.filePath("example.pdf"), "-"});
    EXPECT_TRUE(
        pdf.waitForFinished(10000) &&
        QString(pdf.readAllStandardOutput()).simplified().contains("Source: Nicolaides KH"));
    Press("ClearBtn");
    EXPECT_EQ(told(),
              "To explain a test, enter the true positives, the false positives, the false "
              "negatives and the true negatives, or the prevalence, the sensitivity and the "
              "false-positive rate.\n|");
}

}  // namespace
