#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "tests/support/AppTest.h"

using namespace testing_support;
using framework::Rect;

namespace {

using Strings = std::vector<std::string>;

using ControlWndTest = CalculatorTest;

std::string FocusedField() {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName().toStdString() : "";
}

// The window and every control against the layout, in creation order.
TEST_F(ControlWndTest, ControlsMatchTheLayoutTable) {
    QWidget* frame = window->Widget();
    frame->resize(400, 300);
    Settle();
    const auto minimiseAndClose = Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint;
    EXPECT_EQ(std::tuple(window->Title(), window->Width(), window->Height(),
                         frame->windowFlags() & (minimiseAndClose | Qt::WindowMaximizeButtonHint)),
              std::tuple("Varnholt", 515, 440, minimiseAndClose))
        << "fixed; the stored limit of 500 never clips it";

    // spoken: what assistive technology announces, a label's or button's text; fontSize: 0
    // where the control shows no text; colour: -1 where the control has no text colour.
    // clang-format off
    struct Row { const char* name; Rect bounds; const char* spoken; int fontSize; bool bold, centred; int colour; bool enabled; const char* parent; };
    const std::vector<Row> rows{
        {"Rectangle1", {201, 128, 72, 74}, "", 0, false, false, -1, true, ""},
        {"Rectangle2", {272, 128, 72, 74}, "", 0, false, false, -1, true, ""},
        {"tpFld", {213, 138, 46, 18}, "Test positive, disorder present", 12, true, true, 0x1822CD, true, "Rectangle1"},
        {"fpFld", {286, 138, 46, 18}, "Test positive, disorder absent", 12, true, true, 0x1822CD, true, "Rectangle2"},
        {"fnFld", {213, 172, 46, 18}, "Test negative, disorder present", 12, true, true, 0x1822CD, true, "Rectangle1"},
        {"tnFld", {286, 172, 46, 18}, "Test negative, disorder absent", 12, true, true, 0x1822CD, true, "Rectangle2"},
        {"preFld", {397, 240, 80, 20}, "Percent prevalence in population", 12, false, true, 0x000080, true, ""},
        {"dtFld", {397, 270, 80, 20}, "If person has disorder, percent with positive test", 12, false, true, 0x000080, true, ""},
        {"tFld", {397, 300, 80, 20}, "If person does not have disorder, percent with positive test", 12, false, true, 0x000080, true, ""},
        {"pppFld", {397, 330, 80, 20}, "Percent with positive test and disorder", 12, false, true, 0x000000, true, ""},
        {"ClearBtn", {407, 390, 70, 30}, "Clear", 12, false, false, -1, true, ""},
        {"CalculateBtn", {35, 390, 80, 30}, "Calculate", 12, false, false, -1, true, ""},
        {"StaticText4", {35, 240, 355, 20}, "Percent prevalence in population:", 12, false, false, 0, true, ""},
        {"StaticText5", {35, 270, 355, 20}, "If person has disorder, percent with positive test:", 12, false, false, 0, true, ""},
        {"Canvas2", {240, 388, 32, 32}, "Description", 0, false, false, -1, true, ""},
        {"cTxt", {0, 30, 514, 20}, "Copyright 2006 The Predivo developers", 11, false, true, 0x000080, false, ""},
        {"StaticText6", {35, 300, 355, 20}, "If person does not have disorder, percent with positive test:", 12, false, false, 0, true, ""},
        {"StaticText7", {4, 6, 509, 24}, "Predivo", 24, true, true, 0x000080, true, ""},
        {"StaticText11", {241, 81, 66, 20}, "Disorder", 14, false, false, 0, true, ""},
        {"StaticText12", {209, 108, 54, 19}, "Present", 12, false, true, 0, true, ""},
        {"StaticText13", {287, 107, 49, 20}, "Absent", 12, false, true, 0, true, ""},
        {"StaticText14", {80, 151, 34, 19}, "Test", 14, false, false, 0, true, ""},
        {"StaticText15", {132, 138, 54, 20}, "Positive", 12, false, false, 0, true, ""},
        {"StaticText16", {126, 171, 62, 20}, "Negative", 12, false, false, 0, true, ""},
        {"StaticText1", {35, 330, 355, 20}, "Percent with positive test and disorder:", 12, false, false, 0, true, ""},
    };
    // clang-format on
    const auto& controls = window->Controls();
    ASSERT_EQ(controls.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        const auto& c = *controls[i];
        QWidget* w = c.Widget();
        SCOPED_TRACE(row.name);
        EXPECT_EQ(std::tuple(c.Name(), c.Bounds(), c.Enabled(), c.Visible(), c.Parent(),
                             QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name),
                             row.fontSize ? w->font().pixelSize() : 0, w->font().bold(),
                             w->font().italic()),
                  std::tuple(row.name, row.bounds, row.enabled, true, row.parent, row.spoken,
                             row.fontSize, row.bold, false));
        if (const QVariant align = w->property("alignment"); align.isValid()) {
            EXPECT_EQ(bool(align.value<Qt::Alignment>() & Qt::AlignHCenter), row.centred);
        }
        auto* label = qobject_cast<QLabel*>(w);
        EXPECT_LE(label ? QFontMetrics(label->font()).horizontalAdvance(label->text()) : 0,
                  w->width())
            << "a label whole, never cut off";
        EXPECT_EQ(w->property("maxLength"), qobject_cast<QLineEdit*>(w) ? QVariant(9) : QVariant());
        if (auto* text = qobject_cast<QTextEdit*>(w)) {
            // No scroll bars; the widest count fits its box, its digits' baseline inside it.
            EXPECT_EQ(std::pair(text->verticalScrollBarPolicy(), text->horizontalScrollBarPolicy()),
                      std::pair(Qt::ScrollBarAlwaysOff, Qt::ScrollBarAlwaysOff));
            const QFontMetrics metrics(text->font());
            const qreal margin = text->document()->documentMargin();
            EXPECT_LE(metrics.horizontalAdvance("99999") + 2 * margin, text->viewport()->width());
            EXPECT_LE(margin + metrics.ascent(), text->viewport()->height());
        }
        if (row.colour >= 0) {  // a disabled label keeps its colour too
            const auto group = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
            const auto role = label ? QPalette::WindowText : QPalette::Text;
            EXPECT_EQ(w->palette().color(group, role), QColor(QRgb(row.colour)));
        }
    }
    // A click on the picture leaves the focus in the field it was in.
    EXPECT_EQ(window->Find<framework::Canvas>("Canvas2").Widget()->focusPolicy(), Qt::NoFocus);
}

// Each row types one key, or pastes, into every field and says whether it reaches the text.
// Pasted text, often a spreadsheet's cell, comes in as the number it was meant to be, or not at
// all; so does a paste that the field has no room for.
TEST_F(ControlWndTest, KeysAndPastesAreFilteredFieldByField) {
    // What "12" with the caret at its end becomes in a table cell and in a percentage field, on
    // a German desktop, whose point groups thousands: a cell reads 1.234 as 1234, too many digits
    // beside the 12. overLimit: what a field refuses, it refuses for its limit.
    const QLocale before;
    QLocale::setDefault(QLocale::German);
    // clang-format off
    struct Row { const char* what; Qt::Key key; QString text; const char *inFrequency, *inPercentage; Qt::KeyboardModifiers modifiers = {}; QString clipboard = {}; bool overLimit = false; };
    const std::vector<Row> rows{
        {"digit", Qt::Key_7, "7", "127", "127"},
        {"point", Qt::Key_Period, ".", "12", "12."},
        {"decimal comma", Qt::Key_Comma, ",", "12", "12."},
        {"keypad decimal key", Qt::Key_Comma, ",", "12", "12.", Qt::KeypadModifier},
        {"letter", Qt::Key_A, "a", "12", "12"},
        {"paste, a line break after", Qt::Key_V, "", "1215", "1215", Qt::ControlModifier, "15\n"},
        {"paste, thousands or a decimal comma", Qt::Key_V, "", "12", "12123.456", Qt::ControlModifier, "123,456", true},
        {"paste, more than either field takes", Qt::Key_V, "", "12", "12", Qt::ControlModifier, "12345678", true},
        {"paste, thousands grouped by a point", Qt::Key_V, "", "12", "121.234", Qt::ControlModifier, "1.234", true},
        {"paste, blanks around", Qt::Key_V, "", "12", "120.3", Qt::ControlModifier, " 0,3 "},
        {"paste, a line break inside", Qt::Key_V, "", "12", "12", Qt::ControlModifier, "1\n5"},
        {"paste, a percent sign", Qt::Key_V, "", "12", "12", Qt::ControlModifier, "5%"},
    };
    // clang-format on
    for (std::size_t i = 0; i < 7; ++i) {
        const char* name = kFields[i];
        const bool percentage = i >= 4;
        const char* rule = percentage ? "Digits and a decimal point only" : "Whole numbers only";
        const char* limit = percentage ? "At most 9 characters" : "At most 5 digits";
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(name) + ": " + row.what);
            auto& field = Field(name);
            field.SetText("12");
            field.SetSelStart(2);
            platform.beeps = 0;
            platform.notes.clear();
            QApplication::clipboard()->setText(row.clipboard);
            QKeyEvent press(QEvent::KeyPress, row.key, row.modifiers, row.text);
            QApplication::sendEvent(field.Widget(), &press);
            // A refused key moves nothing, and is sounded and told.
            const std::string after = percentage ? row.inPercentage : row.inFrequency;
            const Strings notes =
                after == "12" ? Strings{std::string(name) + ": " + (row.overLimit ? limit : rule)}
                              : Strings{};
            EXPECT_EQ(std::tuple(Text(name), field.SelStart(), platform.notes, platform.beeps),
                      std::tuple(after, int(after.size()), notes, int(notes.size())));
        }
    }
    QLocale::setDefault(before);
}

// Calculate, or Enter in a field after typing there: one row for each kind of outcome the window
// applies, which outcome the fields give being the calculation's own business. Enter never puts
// a line break in: once the set of its field is complete it calculates, and otherwise it moves on
// to the next entry field. A message shows before the focus moves.
TEST_F(ControlWndTest, CalculateEnterClearAndTab) {
    // The result field starts as "old", the focus in dtFld.
    // clang-format off
    struct Row { const char* what; std::array<const char*, 7> in; const char *field, *typed; std::array<std::string, 8> out; std::string message; const char* focus; };
    const std::vector<Row> rows{
        {"percentages win", {"9", "", "9", "9", "0.3", "50", "3"}, nullptr, "", {"", "", "", "", "0.3", "50", "3", "4.8"}, "", "dtFld"},
        {"frequencies win", {"15", "299", "15", "9671", "7", "5", "5"}, nullptr, "", {"15", "299", "15", "9671", "", "", "", "4.8"}, "", "dtFld"},
        {"a line break between digits is no number", {"1\r5", "299", "15", "9671", "", "", ""}, nullptr, "", {"1\r5", "299", "15", "9671", "", "", "", "old"}, "Enter the 4 frequencies OR the 3 percentages.", "tpFld"},
        {"too large", {"4", "", "", "", "20", "50", "300"}, nullptr, "", {"4", "", "", "", "20", "50", "300", "old"}, "Percentages cannot be greater than 100.", "tFld"},
        {"Enter in a cell of an empty table", {}, "tpFld", "15", {"15", "", "", "", "", "", "", "old"}, "", "fpFld"},
        {"Enter in the last cell of a complete table", {"15", "299", "15"}, "tnFld", "9671", {"15", "299", "15", "9671", "", "", "", "4.8"}, "", "tnFld"},
        {"Enter in a cell beside complete percentages", {"", "", "", "", "0.3", "50", "3"}, "tnFld", "15", {"", "", "", "15", "0.3", "50", "3", "old"}, "", "preFld"},
        {"Enter in the last percentage, incomplete", {}, "tFld", "3", {"", "", "", "", "", "", "3", "old"}, "", "tpFld"},
        {"Enter, percentages complete", {"", "", "", "", "", "50", "3"}, "preFld", "0.01", {"", "", "", "", "0.01", "50", "3", ".2"}, "", "preFld"},
        {"Enter, one percentage above 100", {"", "", "", "", "", "50", "3"}, "preFld", "150", {"", "", "", "", "150", "50", "3", "old"}, "Percentages cannot be greater than 100.", "preFld"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        for (std::size_t i = 0; i < 7; ++i) Field(kFields[i]).SetText(row.in[i] ? row.in[i] : "");
        Field("pppFld").SetText("old");
        Field("dtFld").SetFocus();
        std::string box;  // the message, and where the focus was while it showed
        platform.onMsgBox = [&] { box = platform.messages.back() + " in " + FocusedField(); };
        if (row.field) {
            Type(row.field, row.typed);
            QTest::keyClick(Field(row.field).Widget(), Qt::Key_Return);
        } else {
            Press("CalculateBtn");
        }
        EXPECT_EQ(Texts(), row.out);
        EXPECT_EQ(box, row.message.empty()
                           ? ""
                           : row.message + " in " + (row.field ? row.field : "dtFld"));
        EXPECT_EQ(FocusedField(), row.focus);
    }
    // Clear empties all eight, the result's words too, and puts the focus in the first; Tab
    // follows the screen from there and ends with Clear.
    auto* result = QAccessible::queryAccessibleInterface(Field("pppFld").Widget());
    EXPECT_EQ(result->text(QAccessible::Description), "Positive predictive value: 0.2%");
    Press("ClearBtn");
    EXPECT_EQ(Texts(), (std::array<std::string, 8>{}));
    EXPECT_EQ(result->text(QAccessible::Description), "");
    std::string visited;
    for (int i = 0; i < 11; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab)) {
        visited += FocusedField() + " ";
    }
    EXPECT_EQ(visited,
              "tpFld fpFld fnFld tnFld preFld dtFld tFld pppFld CalculateBtn ClearBtn tpFld ");
    // The result can be selected and copied like any text on screen, but takes no typing.
    Field("pppFld").SetText("4.8");
    platform.beeps = 0;
    Type("pppFld", "7a");
    EXPECT_EQ(std::tuple(Text("pppFld"), platform.beeps, platform.notes.size()),
              std::tuple("4.8", 1, 0u))
        << "its key rule still runs, silently";
    QTest::keyClick(Field("pppFld").Widget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Field("pppFld").Widget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "4.8");
}

// The Edit menu follows the focused field: what it holds, what is selected, the clipboard.
TEST_F(ControlWndTest, EditMenuFollowsTheFocusedField) {
    // Opened from the keyboard, the menu serves the field the keyboard came from. Where a row
    // chooses an item, it ends with the field's text and the clipboard.
    // clang-format off
    struct Row { const char *field, *text; int selStart, selLength; bool typedFirst; QString clipboard; const char *enabled, *choose = nullptr, *after = nullptr; };
    const std::vector<Row> rows{
        {"preFld", "", 0, 0, false, "", ""},
        {"dtFld", "", 0, 0, false, "0,3\r\n", "Paste", "Paste", "0.3 0,3\r\n"},
        {"preFld", "0.35", 2, 2, false, "", "Cut, Copy, Delete", "Cut", "0. 35"},
        {"fnFld", "123", 1, 1, false, "", "Cut, Copy, Delete"},
        {"tFld", "5", 1, 0, true, "", "Undo", "Undo", "5 "},
        {"pppFld", "4.8", 0, 3, false, "12", "Copy"},
    };
    // clang-format on
    auto* clipboard = QApplication::clipboard();
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.field) + " " + row.enabled);
        Activate(*window);
        auto& field = Field(row.field);
        field.SetText(row.text);
        field.SetFocus();
        if (row.typedFirst) QTest::keyClicks(field.Widget(), "7");
        field.SetSelStart(row.selStart);
        field.SetSelLength(row.selLength);
        row.clipboard.isEmpty() ? clipboard->clear() : clipboard->setText(row.clipboard);
        EXPECT_EQ(EnabledItems(*window, "Edit"), row.enabled);
        EXPECT_EQ(EnabledItems(*window, "Edit", true), row.enabled);
        if (!row.choose) continue;
        ASSERT_TRUE(Choose(*window, "Edit", row.choose));
        EXPECT_EQ(Text(row.field) + " " + clipboard->text().toStdString(), row.after);
    }
}

}  // namespace
