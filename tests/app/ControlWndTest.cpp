#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "tests/support/AppTest.h"

using namespace testing_support;
using framework::Canvas;
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
    EXPECT_EQ(window->Title(), "Varnholt");
    QWidget* frame = window->Widget();
    EXPECT_EQ(frame->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                      Qt::WindowMaximizeButtonHint),
              Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    frame->resize(400, 300);
    Settle();
    EXPECT_EQ(std::pair(window->Width(), window->Height()), std::pair(515, 440))
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
        SCOPED_TRACE(row.name);
        const auto& c = *controls[i];
        EXPECT_EQ(std::tuple(c.Name(), c.Bounds(), c.Enabled(), c.Visible(), c.Parent()),
                  std::tuple(row.name, row.bounds, row.enabled, true, row.parent));
        QWidget* w = c.Widget();
        EXPECT_EQ(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), row.spoken);
        if (row.fontSize) {
            EXPECT_EQ(std::tuple(w->font().pixelSize(), w->font().bold(), w->font().italic()),
                      std::tuple(row.fontSize, row.bold, false));
        }
        if (auto* label = qobject_cast<QLabel*>(w)) {
            EXPECT_EQ(bool(label->alignment() & Qt::AlignHCenter), row.centred);
            // Whole, never cut off.
            EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), w->width());
        }
        if (auto* line = qobject_cast<QLineEdit*>(w)) {
            EXPECT_TRUE(line->alignment() & Qt::AlignHCenter);
            EXPECT_EQ(line->maxLength(), 9);
        }
        if (auto* text = qobject_cast<QTextEdit*>(w)) {
            EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
            EXPECT_EQ(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
            // The widest text a frequency field takes fits its box.
            EXPECT_LE(QFontMetrics(text->font()).horizontalAdvance("99999"),
                      text->viewport()->width() - 2 * text->document()->documentMargin());
            // Digits stand on the baseline: the baseline must lie inside the box.
            EXPECT_LE(text->document()->documentMargin() + QFontMetrics(text->font()).ascent(),
                      text->viewport()->height());
        }
        if (row.colour >= 0) {
            const auto role = qobject_cast<QLabel*>(w) ? QPalette::WindowText : QPalette::Text;
            // A disabled label keeps its colour too.
            const auto group = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
            EXPECT_EQ(w->palette().color(group, role), QColor(QRgb(row.colour)));
        }
    }
    // A click on the picture leaves the focus in the field it was in.
    EXPECT_EQ(window->Find<Canvas>("Canvas2").Widget()->focusPolicy(), Qt::NoFocus);
}

// Each row types one key into every field and says whether it reaches the text.
TEST_F(ControlWndTest, KeysAreFilteredFieldByField) {
    // What "12" with the caret at its end becomes in a table cell and in a percentage field.
    // clang-format off
    struct Row { const char* what; Qt::Key key; QString text; const char *inFrequency, *inPercentage; Qt::KeyboardModifiers modifiers = {}; };
    const std::vector<Row> rows{
        {"digit", Qt::Key_7, "7", "127", "127"},
        {"point", Qt::Key_Period, ".", "12", "12."},
        {"decimal comma", Qt::Key_Comma, ",", "12", "12."},
        {"keypad decimal key", Qt::Key_Comma, ",", "12", "12.", Qt::KeypadModifier},
        {"letter", Qt::Key_A, "a", "12", "12"},
    };
    // clang-format on
    for (std::size_t i = 0; i < 7; ++i) {
        const char* name = kFields[i];
        const bool percentage = i >= 4;
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(name) + ": " + row.what);
            auto& field = Field(name);
            field.SetText("12");
            field.SetSelStart(2);
            platform.beeps = 0;
            platform.notes.clear();
            QKeyEvent press(QEvent::KeyPress, row.key, row.modifiers, row.text);
            QApplication::sendEvent(field.Widget(), &press);
            const std::string after = percentage ? row.inPercentage : row.inFrequency;
            EXPECT_EQ(Text(name), after);
            EXPECT_EQ(field.SelStart(), int(after.size())) << "a refused key moves nothing";
            const char* rule =
                percentage ? "Digits and a decimal point only" : "Whole numbers only";
            const Strings notes{std::string(name) + ": " + rule};
            EXPECT_EQ(platform.notes, after == "12" ? notes : Strings{});
            EXPECT_EQ(platform.beeps, int(platform.notes.size()));
        }
    }
}

// Enter never puts a line break in: once the set of its field is complete it calculates, and
// otherwise it moves on to the next entry field.
TEST_F(ControlWndTest, EnterCalculatesOrMovesOn) {
    // clang-format off
    const std::array<std::string, 7> none{}, threeCells{"15", "299", "15"}, percentages{"", "", "", "", "0.3", "50", "3"}, twoPercentages{"", "", "", "", "", "50", "3"};
    struct Row { const char* what; std::array<std::string, 7> before; const char *field, *typed, *focus, *ppp, *message = nullptr; };
    const std::vector<Row> rows{
        {"cell of an empty table", none, "tpFld", "15", "fpFld", ""},
        {"last cell of a complete table", threeCells, "tnFld", "9671", "tnFld", "4.8"},
        {"cell beside complete percentages: its number stays", percentages, "tnFld", "15", "preFld", ""},
        {"last percentage, incomplete: round to the first cell", none, "tFld", "3", "tpFld", ""},
        {"percentages complete", twoPercentages, "preFld", "0.3", "preFld", "4.8"},
        {"percentages complete, one above 100", twoPercentages, "preFld", "150", "preFld", "", "Percentages cannot be greater than 100."},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        for (std::size_t i = 0; i < 7; ++i) Field(kFields[i]).SetText(row.before[i]);
        Field("pppFld").SetText("");
        platform.messages.clear();
        Type(row.field, row.typed);
        QTest::keyClick(Field(row.field).Widget(), Qt::Key_Return);
        EXPECT_EQ(Text(row.field), row.typed);
        EXPECT_EQ(FocusedField(), row.focus);
        EXPECT_EQ(Text("pppFld"), row.ppp);
        EXPECT_EQ(platform.messages, row.message ? Strings{row.message} : Strings{});
    }
}

// Pasted text comes in as the number it was meant to be, or not at all.
TEST_F(ControlWndTest, PastedTextIsTakenAsTheNumberMeant) {
    // clang-format off
    struct Row { const char* field; QString clipboard; bool viaMenu; const char *after, *note; };
    const std::vector<Row> rows{
        {"tpFld", "15\n", false, "15", nullptr},
        {"fpFld", "123,456", true, "12345", nullptr},
        {"preFld", " 0,3 ", false, "0.3", nullptr},
        {"dtFld", "0,3\r\n", true, "0.3", nullptr},
        {"fnFld", "1\n5", false, "", "fnFld: Whole numbers only"},
        {"tFld", "5%", true, "", "tFld: Digits and a decimal point only"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.field) + (row.viaMenu ? " by menu" : " by key"));
        Activate(*window);
        Field(row.field).SetFocus();
        platform.notes.clear();
        QApplication::clipboard()->setText(row.clipboard);
        if (row.viaMenu) {
            ASSERT_TRUE(Choose(*window, "Edit", "Paste"));
        } else {
            QTest::keyClick(Field(row.field).Widget(), Qt::Key_V, Qt::ControlModifier);
        }
        EXPECT_EQ(Text(row.field), row.after);
        EXPECT_EQ(platform.notes, row.note ? Strings{row.note} : Strings{});
    }
}

// Tab follows the screen and ends with Clear; the result can be selected and copied like any
// text on screen, but takes no typing.
TEST_F(ControlWndTest, TabOrderAndTheResultField) {
    Type("tpFld", "");
    std::string visited;
    for (int i = 0; i < 11; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab)) {
        visited += FocusedField() + " ";
    }
    EXPECT_EQ(visited,
              "tpFld fpFld fnFld tnFld preFld dtFld tFld pppFld CalculateBtn ClearBtn tpFld ");
    Field("pppFld").SetText("4.8");
    Type("pppFld", "7a");
    EXPECT_EQ(Text("pppFld"), "4.8");
    EXPECT_EQ(platform.beeps, 1) << "its key rule still runs";
    EXPECT_TRUE(platform.notes.empty());
    QTest::keyClick(Field("pppFld").Widget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Field("pppFld").Widget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "4.8");
}

// One row for each kind of outcome the window applies; which outcome the fields give is the
// calculation's own business.
TEST_F(ControlWndTest, CalculateAndClearApplyTheirOutcome) {
    // The result field starts as "old", the focus in dtFld.
    // clang-format off
    struct Row { const char* what; std::array<const char*, 7> in; std::array<std::string, 8> out; std::string message; const char* focus; };
    const std::vector<Row> rows{
        {"percentages win", {"9", "", "9", "9", "0.3", "50", "3"}, {"", "", "", "", "0.3", "50", "3", "4.8"}, "", "dtFld"},
        {"frequencies win", {"15", "299", "15", "9671", "7", "5", "5"}, {"15", "299", "15", "9671", "", "", "", "4.8"}, "", "dtFld"},
        {"a line break between digits is no number", {"1\r5", "299", "15", "9671", "", "", ""}, {"1\r5", "299", "15", "9671", "", "", "", "old"}, "Enter the 4 frequencies OR the 3 percentages.", "tpFld"},
        {"too large", {"4", "", "", "", "20", "50", "300"}, {"4", "", "", "", "20", "50", "300", "old"}, "Percentages cannot be greater than 100.", "tFld"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        for (std::size_t i = 0; i < 7; ++i) Field(kFields[i]).SetText(row.in[i]);
        Field("pppFld").SetText("old");
        Field("dtFld").SetFocus();
        std::string box;  // the message, and where the focus was while it showed
        platform.onMsgBox = [&] { box = platform.messages.back() + " in " + FocusedField(); };
        Press("CalculateBtn");
        EXPECT_EQ(Texts(), row.out);
        EXPECT_EQ(box, row.message.empty() ? "" : row.message + " in dtFld") << "box, then focus";
        EXPECT_EQ(FocusedField(), row.focus);
    }
    // Clear empties all eight and puts the focus in the first.
    Press("ClearBtn");
    EXPECT_EQ(Texts(), (std::array<std::string, 8>{}));
    EXPECT_EQ(FocusedField(), "tpFld");
}

// Window > Description, a click on the picture and assistive technology, which presses the
// picture as a button, each bring the one description window to the front.
TEST_F(ControlWndTest, WindowMenuAndPictureBringTheOneDescriptionWindow) {
    ASSERT_TRUE(Choose(*window, "Window", "Description"));
    auto* description = framework::FindImplicitWindow("DescriptionWnd");
    ASSERT_NE(description, nullptr);
    QWidget* canvas = window->Find<Canvas>("Canvas2").Widget();
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(canvas);
    EXPECT_EQ(button->role(), QAccessible::Button);
    for (bool click : {true, false}) {
        Activate(*window);
        click ? QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(16, 16))
              : button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        Settle();
        EXPECT_EQ(framework::FrontWindow(), description) << click;
    }
}

// The Edit menu follows the focused field: what it holds, what is selected, the clipboard.
TEST_F(ControlWndTest, EditMenuFollowsTheFocusedField) {
    auto select = [&](const char* name, const char* text, int start, int length, bool type) {
        Activate(*window);
        auto& field = Field(name);
        field.SetText(text);
        field.SetFocus();
        if (type) QTest::keyClicks(field.Widget(), "7");
        field.SetSelStart(start);
        field.SetSelLength(length);
    };
    // clang-format off
    struct Row { const char *what, *field, *text; int selStart, selLength; bool typedFirst; QString clipboard; const char* enabled; };
    const std::vector<Row> rows{
        {"empty field, empty clipboard", "preFld", "", 0, 0, false, "", ""},
        {"empty field, text on the clipboard", "tpFld", "", 0, 0, false, "12", "Paste"},
        {"selection in a percentage field", "dtFld", "123", 0, 2, false, "", "Cut, Copy, Delete"},
        {"selection in a frequency field", "fnFld", "123", 1, 1, false, "", "Cut, Copy, Delete"},
        {"after typing", "tFld", "", 0, 0, true, "", "Undo"},
        {"selection in the result field", "pppFld", "4.8", 0, 3, false, "12", "Copy"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        select(row.field, row.text, row.selStart, row.selLength, row.typedFirst);
        auto* clipboard = QApplication::clipboard();
        row.clipboard.isEmpty() ? clipboard->clear() : clipboard->setText(row.clipboard);
        EXPECT_EQ(EnabledItems(*window, "Edit"), row.enabled);
        // Opened from the keyboard, the menu serves the field the keyboard came from.
        EXPECT_EQ(EnabledInMenuByKeys(*window, "Edit", "Copy"),
                  std::string(row.enabled).find("Copy") != std::string::npos);
    }
    // And they do what they say.
    select("preFld", "0.35", 2, 2, false);
    ASSERT_TRUE(Choose(*window, "Edit", "Cut"));
    EXPECT_EQ(Text("preFld"), "0.");
    EXPECT_EQ(QApplication::clipboard()->text(), "35");
    Activate(*window);
    ASSERT_TRUE(Choose(*window, "Edit", "Undo"));
    EXPECT_EQ(Text("preFld"), "0.35");
}

}  // namespace
