#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <QTextEdit>
#include <cstdlib>

#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "app/Menu.h"
#include "tests/support/AppTest.h"

using namespace testing_support;
using framework::Canvas;
using framework::EditField;
using framework::PushButton;
using framework::Rect;
using framework::StaticText;

namespace {

bool IsFrequency(std::string_view name) {
    return name == "tpFld" || name == "fpFld" || name == "fnFld" || name == "tnFld";
}

class ControlWndTest : public CalculatorTest {
  protected:
    std::string FocusedField() {
        for (const char* name : kFields) {
            if (Field(name).HasFocus()) return name;
        }
        return "";
    }
};

TEST_F(ControlWndTest, WindowIsFixedAt515By440AndTitledVarnholt) {
    EXPECT_EQ(window->Title(), "Varnholt");
    EXPECT_EQ(window->Width(), 515);
    EXPECT_EQ(window->Height(), 440);
    QWidget* frame = window->Widget();
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize()) << "no resizing";
    const auto flags = frame->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    frame->resize(400, 300);
    Settle();
    EXPECT_EQ(window->Width(), 515) << "the stored limit of 500 never clips the window";
    EXPECT_EQ(window->Height(), 440);
}

// Every control against the layout: position, text, font, alignment, colour, state, parent.
TEST_F(ControlWndTest, ControlsMatchTheLayoutTable) {
    struct Row {
        const char* name;
        Rect bounds;
        const char* text;  // nullptr where the control has none
        int fontSize;      // 0 where the control shows no text
        bool bold;
        bool centred;
        int colour;  // -1 where the control has no text colour
        bool enabled;
        const char* parent;
    };
    const std::vector<Row> rows{
        {"Rectangle1", {201, 128, 72, 74}, nullptr, 0, false, false, -1, true, ""},
        {"Rectangle2", {272, 128, 72, 74}, nullptr, 0, false, false, -1, true, ""},
        {"tpFld", {213, 138, 46, 18}, "", 12, true, true, 0x1822CD, true, "Rectangle1"},
        {"fpFld", {286, 138, 46, 18}, "", 12, true, true, 0x1822CD, true, "Rectangle2"},
        {"fnFld", {213, 172, 46, 18}, "", 12, true, true, 0x1822CD, true, "Rectangle1"},
        {"tnFld", {286, 172, 46, 18}, "", 12, true, true, 0x1822CD, true, "Rectangle2"},
        {"preFld", {397, 240, 80, 20}, "", 12, false, true, 0x000080, true, ""},
        {"dtFld", {397, 270, 80, 20}, "", 12, false, true, 0x000080, true, ""},
        {"tFld", {397, 300, 80, 20}, "", 12, false, true, 0x000080, true, ""},
        {"pppFld", {397, 330, 80, 20}, "", 12, false, true, 0x000000, true, ""},
        {"ClearBtn", {407, 390, 70, 30}, "Clear", 12, false, false, -1, true, ""},
        {"CalculateBtn", {35, 390, 80, 30}, "Calculate", 12, false, false, -1, true, ""},
        {"StaticText4",
         {35, 240, 355, 20},
         "Percent prevalence in population:",
         12,
         false,
         false,
         0,
         true,
         ""},
        {"StaticText5",
         {35, 270, 355, 20},
         "If person has disorder, percent with positive test:",
         12,
         false,
         false,
         0,
         true,
         ""},
        {"Canvas2", {240, 388, 32, 32}, nullptr, 0, false, false, -1, true, ""},
        {"cTxt",
         {0, 30, 514, 20},
         "Copyright 2006 The Predivo developers",
         11,
         false,
         true,
         0x000080,
         false,
         ""},
        {"StaticText6",
         {35, 300, 355, 20},
         "If person does not have disorder, percent with positive test:",
         12,
         false,
         false,
         0,
         true,
         ""},
        {"StaticText7", {4, 6, 509, 24}, "Predivo", 24, true, true, 0x000080, true, ""},
        {"StaticText11", {241, 81, 66, 20}, "Disorder", 14, false, false, 0, true, ""},
        {"StaticText12", {209, 108, 54, 19}, "Present", 12, false, true, 0, true, ""},
        {"StaticText13", {287, 107, 49, 20}, "Absent", 12, false, true, 0, true, ""},
        {"StaticText14", {80, 151, 34, 19}, "Test", 14, false, false, 0, true, ""},
        {"StaticText15", {132, 138, 54, 20}, "Positive", 12, false, false, 0, true, ""},
        {"StaticText16", {126, 171, 62, 20}, "Negative", 12, false, false, 0, true, ""},
        {"StaticText1",
         {35, 330, 355, 20},
         "Percent with positive test and disorder:",
         12,
         false,
         false,
         0,
         true,
         ""},
    };
    const auto& controls = window->Controls();
    ASSERT_EQ(controls.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(row.name);
        const auto& c = *controls[i];
        EXPECT_EQ(c.Name(), row.name) << "creation order";
        EXPECT_EQ(c.Bounds(), row.bounds);
        EXPECT_EQ(c.Enabled(), row.enabled);
        EXPECT_TRUE(c.Visible());
        EXPECT_EQ(c.Parent(), row.parent);
        QWidget* w = c.Widget();
        if (row.text) {
            std::string text;
            if (auto* f = dynamic_cast<const EditField*>(&c)) text = f->Text();
            if (auto* s = dynamic_cast<const StaticText*>(&c)) text = s->Text();
            if (auto* b = dynamic_cast<const PushButton*>(&c)) text = b->Caption();
            EXPECT_EQ(text, row.text);
        }
        if (row.fontSize) {
            EXPECT_EQ(w->font().pixelSize(), row.fontSize);
            EXPECT_EQ(w->font().bold(), row.bold);
            EXPECT_FALSE(w->font().italic());
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
            const QColor expected((row.colour >> 16) & 0xFF, (row.colour >> 8) & 0xFF,
                                  row.colour & 0xFF);
            EXPECT_EQ(w->palette().color(QPalette::Active, role), expected);
            if (!w->isEnabled()) {
                EXPECT_EQ(w->palette().color(QPalette::Disabled, role), expected) << "disabled";
            }
        }
    }
    EXPECT_EQ(window->Find<Canvas>("Canvas2").Widget()->focusPolicy(), Qt::NoFocus);
    for (const char* name : kFields) {
        EXPECT_FALSE(Field(name).Widget()->accessibleName().isEmpty()) << name;
    }
}

// Each row types one key into every field and says whether it reaches the text.
TEST_F(ControlWndTest, KeysAreFilteredFieldByField) {
    struct Row {
        const char* what;
        Qt::Key key;
        QString text;
        bool inFrequencies;
        bool inPercentages;
        const char* after;  // the text of "12" with the caret at its end, once accepted
        Qt::KeyboardModifiers modifiers = {};
    };
    const std::vector<Row> rows{
        {"digit", Qt::Key_7, "7", true, true, "127"},
        {"point", Qt::Key_Period, ".", false, true, "12."},
        {"decimal comma", Qt::Key_Comma, ",", false, true, "12."},
        {"keypad decimal key", Qt::Key_Comma, ",", false, true, "12.", Qt::KeypadModifier},
        {"letter", Qt::Key_A, "a", false, false, "12"},
        {"letter e", Qt::Key_E, "e", false, false, "12"},
        {"space", Qt::Key_Space, " ", false, false, "12"},
        {"minus", Qt::Key_Minus, "-", false, false, "12"},
        {"plus", Qt::Key_Plus, "+", false, false, "12"},
        {"accented letter", Qt::Key_Eacute, QString::fromUtf8("\xc3\xa9"), false, false, "12"},
        {"backspace", Qt::Key_Backspace, "", true, true, "1"},
    };
    for (const char* name : {"tpFld", "fpFld", "fnFld", "tnFld", "preFld", "dtFld", "tFld"}) {
        const bool percentage = !IsFrequency(name);
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(name) + ": " + row.what);
            auto& field = Field(name);
            field.SetText("12");
            field.SetSelStart(2);
            platform.beeps = 0;
            platform.notes.clear();
            QKeyEvent press(QEvent::KeyPress, row.key, row.modifiers, row.text);
            QApplication::sendEvent(field.Widget(), &press);
            const bool accepted = percentage ? row.inPercentages : row.inFrequencies;
            EXPECT_EQ(Text(name), accepted ? row.after : "12");
            EXPECT_EQ(platform.beeps, accepted ? 0 : 1);
            const std::string note =
                std::string(name) + ": " +
                (percentage ? "Digits and a decimal point only" : "Whole numbers only");
            EXPECT_EQ(platform.notes,
                      accepted ? std::vector<std::string>{} : std::vector<std::string>{note});
            if (!accepted) {
                EXPECT_EQ(field.SelStart(), 2) << "selection unchanged";
            }
        }
    }
}

// Enter never puts a line break in: once the set of its field is complete it calculates, and
// otherwise it moves on to the next entry field.
TEST_F(ControlWndTest, EnterCalculatesOrMovesOn) {
    using Fields = std::array<const char*, 7>;
    const Fields none{}, threeCells{"15", "299", "15"},
        percentages{"", "", "", "", "0.3", "50", "3"},
        twoPercentages{"", "", "", "", "", "50", "3"};
    struct Row {
        const char* what;
        Fields before;
        const char* field;
        const char* typed;
        const char* focus;
        const char* ppp;
        const char* message = nullptr;
    };
    const std::vector<Row> rows{
        {"cell of an empty table", none, "tpFld", "15", "fpFld", ""},
        {"last cell of a complete table", threeCells, "tnFld", "9671", "tnFld", "4.8"},
        {"cell beside complete percentages: its number stays", percentages, "tnFld", "15", "preFld",
         ""},
        {"last percentage, incomplete: round to the first cell", none, "tFld", "3", "tpFld", ""},
        {"percentages complete", twoPercentages, "preFld", "0.3", "preFld", "4.8"},
        {"percentages complete, one above 100", twoPercentages, "preFld", "150", "preFld", "",
         "Percentages cannot be greater than 100."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        for (std::size_t i = 0; i < 7; ++i)
            Field(kFields[i]).SetText(row.before[i] ? row.before[i] : "");
        Field("pppFld").SetText("");
        platform.messages.clear();
        Type(row.field, row.typed);
        QTest::keyClick(Field(row.field).Widget(), Qt::Key_Return);
        EXPECT_EQ(Text(row.field), row.typed);
        EXPECT_EQ(FocusedField(), row.focus);
        EXPECT_EQ(Text("pppFld"), row.ppp);
        EXPECT_EQ(platform.messages,
                  row.message ? std::vector<std::string>{row.message} : std::vector<std::string>{});
        EXPECT_EQ(platform.beeps, 0);
    }
}

// Pasted text comes in as the number it was meant to be, or not at all.
TEST_F(ControlWndTest, PastedTextIsTakenAsTheNumberMeant) {
    struct Row {
        const char* field;
        QString clipboard;
        bool viaMenu;
        const char* after;
        const char* note;
    };
    const std::vector<Row> rows{
        {"tpFld", "15\n", false, "15", nullptr},
        {"fpFld", "123,456", true, "12345", nullptr},
        {"preFld", " 0,3 ", false, "0.3", nullptr},
        {"dtFld", "0,3\r\n", true, "0.3", nullptr},
        {"fnFld", "1\n5", false, "", "fnFld: Whole numbers only"},
        {"tFld", "5%", true, "", "tFld: Digits and a decimal point only"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.field) + (row.viaMenu ? " by menu: " : " by key: ") +
                     row.clipboard.toStdString());
        Activate(*window);
        auto& field = Field(row.field);
        field.SetText("");
        field.SetFocus();
        platform.notes.clear();
        QApplication::clipboard()->setText(row.clipboard);
        if (row.viaMenu) {
            ASSERT_TRUE(Choose(*window, "Edit", "Paste"));
        } else {
            QTest::keyClick(field.Widget(), Qt::Key_V, Qt::ControlModifier);
        }
        EXPECT_EQ(Text(row.field), row.after);
        EXPECT_EQ(platform.notes,
                  row.note ? std::vector<std::string>{row.note} : std::vector<std::string>{});
    }
}

TEST_F(ControlWndTest, TabFollowsTheScreenAndEndsWithClear) {
    Type("tpFld", "");
    std::vector<QString> visited;
    for (int i = 0; i < 11; ++i) {
        visited.push_back(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited,
              (std::vector<QString>{"tpFld", "fpFld", "fnFld", "tnFld", "preFld", "dtFld", "tFld",
                                    "pppFld", "CalculateBtn", "ClearBtn", "tpFld"}));
}

// The result can be selected and copied like any text on screen, but takes no typing.
TEST_F(ControlWndTest, ResultCanBeCopiedButNotTyped) {
    Field("pppFld").SetText("4.8");
    Type("pppFld", "7a");
    EXPECT_EQ(Text("pppFld"), "4.8");
    EXPECT_EQ(platform.beeps, 1) << "its key rule still runs";
    EXPECT_TRUE(platform.notes.empty());
    QTest::keyClick(Field("pppFld").Widget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Field("pppFld").Widget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "4.8");
}

// The Calculate cases that catch faults. Each row fills the seven fields, presses Calculate and
// says what the eight fields read afterwards, and any message with the field that gets focus.
TEST_F(ControlWndTest, CalculateAppliesTheOutcome) {
    const std::string incomplete = "Enter the 4 frequencies OR the 3 percentages.";
    const std::string tooLarge = "Percentages cannot be greater than 100.";
    struct Row {
        const char* what;
        std::array<const char*, 7> in;
        std::array<const char*, 8> out;  // pppFld starts as "old"
        std::string message;
        const char* focus;
    };
    const std::vector<Row> rows{
        {"percentages",
         {"", "", "", "", "0.3", "50", "3"},
         {"", "", "", "", "0.3", "50", "3", "4.8"},
         "",
         nullptr},
        {"frequencies",
         {"15", "299", "15", "9671", "", "", ""},
         {"15", "299", "15", "9671", "", "", "", "4.8"},
         "",
         nullptr},
        {"both complete: frequencies win, percentages emptied",
         {"1", "2", "5", "5", "50", "50", "50"},
         {"1", "2", "5", "5", "", "", "", "33.3"},
         "",
         nullptr},
        {"frequencies with a partial second set",
         {"15", "299", "15", "9671", "7", "", ""},
         {"15", "299", "15", "9671", "", "", "", "4.8"},
         "",
         nullptr},
        {"percentages with a partial second set",
         {"9", "", "", "", "0.3", "50", "3"},
         {"", "", "", "", "0.3", "50", "3", "4.8"},
         "",
         nullptr},
        {"prevalence 100",
         {"", "", "", "", "100", "50", "3"},
         {"", "", "", "", "100", "50", "3", "100"},
         "",
         nullptr},
        {"result below one",
         {"", "", "", "", "0.01", "50", "3"},
         {"", "", "", "", "0.01", "50", "3", ".2"},
         "",
         nullptr},
        {"zero false positives",
         {"15", "0", "15", "9671", "", "", ""},
         {"15", "0", "15", "9671", "", "", "", "old"},
         incomplete,
         "tpFld"},
        {"nothing entered",
         {"", "", "", "", "", "", ""},
         {"", "", "", "", "", "", "", "old"},
         incomplete,
         "tpFld"},
        {"a line break between digits is no number",
         {"1\r5", "299", "15", "9671", "", "", ""},
         {"1\r5", "299", "15", "9671", "", "", "", "old"},
         incomplete,
         "tpFld"},
        {"several points are no number",
         {"", "", "", "", "1.2.3", "50", "3"},
         {"", "", "", "", "1.2.3", "50", "3", "old"},
         incomplete,
         "tpFld"},
        {"prevalence above 100",
         {"", "", "", "", "150", "50", "3"},
         {"", "", "", "", "150", "50", "3", "old"},
         tooLarge,
         "preFld"},
        {"false-positive rate above 100, with frequencies partly there",
         {"4", "", "", "", "20", "50", "300"},
         {"4", "", "", "", "20", "50", "300", "old"},
         tooLarge,
         "tFld"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        for (std::size_t i = 0; i < 7; ++i) Field(kFields[i]).SetText(row.in[i]);
        Field("pppFld").SetText("old");
        Field("dtFld").SetFocus();
        platform.messages.clear();
        std::string focusDuringBox;
        platform.onMsgBox = [&] { focusDuringBox = FocusedField(); };
        Press("CalculateBtn");
        std::array<std::string, 8> expected;
        for (std::size_t i = 0; i < 8; ++i) expected[i] = row.out[i];
        EXPECT_EQ(Texts(), expected);
        if (row.message.empty()) {
            EXPECT_TRUE(platform.messages.empty());
        } else {
            EXPECT_EQ(platform.messages, std::vector<std::string>{row.message});
            EXPECT_EQ(focusDuringBox, "dtFld") << "the box comes first, then the focus";
            EXPECT_EQ(FocusedField(), row.focus);
        }
        EXPECT_EQ(platform.beeps, 0);
    }
}

TEST_F(ControlWndTest, WorkedExampleTypedWithRealKeys) {
    Type("preFld", "0.3");
    Type("dtFld", "50");
    Type("tFld", "3");
    Press("CalculateBtn");
    EXPECT_EQ(Text("pppFld"), "4.8");
    EXPECT_EQ(FocusedField(), "tFld") << "Calculate moves no focus";
}

TEST_F(ControlWndTest, ClearEmptiesAllEightFieldsAndFocusesTheFirst) {
    for (bool filled : {true, false}) {
        SCOPED_TRACE(filled ? "filled" : "already empty");
        if (filled) {
            for (const char* name : kFields) Field(name).SetText("12");
        }
        Field("tFld").SetFocus();
        Press("ClearBtn");
        EXPECT_EQ(Texts(), (std::array<std::string, 8>{}));
        EXPECT_EQ(FocusedField(), "tpFld");
        EXPECT_TRUE(platform.messages.empty());
    }
}

TEST_F(ControlWndTest, PictureOpensTheOneDescriptionWindow) {
    QWidget* canvas = window->Find<Canvas>("Canvas2").Widget();
    QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(16, 16));
    Settle();
    auto* description = framework::FindImplicitWindow("DescriptionWnd");
    ASSERT_NE(description, nullptr);
    EXPECT_TRUE(description->Visible());
    // Assistive technology presses it as a button named after what it opens.
    Activate(*window);
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(canvas);
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_EQ(button->text(QAccessible::Name), "Description");
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    Settle();
    EXPECT_EQ(framework::FindImplicitWindow("DescriptionWnd"), description);
    EXPECT_EQ(framework::FrontWindow(), description);
}

TEST_F(ControlWndTest, EveryActivationPutsTheAboutWindowAway) {
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        auto& about = app::AboutWnd();
        Activate(about);
        ASSERT_TRUE(about.Visible());
        Activate(*window);
        EXPECT_FALSE(about.Visible());
    }
}

TEST_F(ControlWndTest, WindowMenuWithTheCalculatorInFront) {
    EXPECT_FALSE(EnabledInMenu(*window, "Window", "Control"));
    EXPECT_TRUE(EnabledInMenu(*window, "Window", "Description"));
    EXPECT_TRUE(EnabledInMenu(*window, "Window", "About Predivo"));
    ASSERT_TRUE(Choose(*window, "Window", "Description"));
    ASSERT_NE(framework::FindImplicitWindow("DescriptionWnd"), nullptr);
    Activate(*window);
    ASSERT_TRUE(Choose(*window, "Predivo", "About Predivo"));
    EXPECT_TRUE(app::AboutWnd().Visible());
}

// The Edit menu follows the focused field: what it holds, what is selected, the clipboard.
TEST_F(ControlWndTest, EditMenuFollowsTheFocusedField) {
    struct Row {
        const char* what;
        const char* field;
        const char* text;
        int selStart, selLength;
        bool typedFirst;
        QString clipboard;
        bool undo, cut, copy, paste, del;
    };
    const std::vector<Row> rows{
        {"empty field, empty clipboard", "preFld", "", 0, 0, false, "", false, false, false, false,
         false},
        {"empty field, text on the clipboard", "tpFld", "", 0, 0, false, "12", false, false, false,
         true, false},
        {"selection in a percentage field", "dtFld", "123", 0, 2, false, "", false, true, true,
         false, true},
        {"selection in a frequency field", "fnFld", "123", 1, 1, false, "", false, true, true,
         false, true},
        {"after typing", "tFld", "", 0, 0, true, "", true, false, false, false, false},
        {"selection in the result field", "pppFld", "4.8", 0, 3, false, "12", false, false, true,
         false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Activate(*window);
        auto& field = Field(row.field);
        field.SetText(row.text);
        field.SetFocus();
        if (row.typedFirst) QTest::keyClicks(field.Widget(), "7");
        field.SetSelStart(row.selStart);
        field.SetSelLength(row.selLength);
        if (row.clipboard.isEmpty()) {
            QApplication::clipboard()->clear();
        } else {
            QApplication::clipboard()->setText(row.clipboard);
        }
        EXPECT_EQ(EnabledInMenu(*window, "Edit", "Undo"), row.undo);
        EXPECT_EQ(EnabledInMenu(*window, "Edit", "Cut"), row.cut);
        EXPECT_EQ(EnabledInMenu(*window, "Edit", "Copy"), row.copy);
        EXPECT_EQ(EnabledInMenu(*window, "Edit", "Paste"), row.paste);
        EXPECT_EQ(EnabledInMenu(*window, "Edit", "Delete"), row.del);
    }
    // Opened from the keyboard, the menu serves the field that the menu bar took the keyboard
    // from, single-line or multi-line.
    for (const char* name : {"dtFld", "fnFld"}) {
        SCOPED_TRACE(name);
        Activate(*window);
        auto& field = Field(name);
        field.SetText("123");
        field.SetFocus();
        field.SetSelStart(0);
        field.SetSelLength(2);
        EXPECT_TRUE(EnabledInMenuByKeys(*window, "Edit", "Copy"));
    }
    // And they do what they say.
    Activate(*window);
    auto& field = Field("preFld");
    field.SetText("0.35");
    field.SetFocus();
    field.SetSelStart(2);
    field.SetSelLength(2);
    ASSERT_TRUE(Choose(*window, "Edit", "Cut"));
    EXPECT_EQ(Text("preFld"), "0.");
    EXPECT_EQ(QApplication::clipboard()->text(), "35");
    Activate(*window);
    ASSERT_TRUE(Choose(*window, "Edit", "Paste"));
    EXPECT_EQ(Text("preFld"), "0.35");
    Activate(*window);
    ASSERT_TRUE(Choose(*window, "Edit", "Undo"));
    EXPECT_EQ(Text("preFld"), "0.");
}

TEST(ControlWndClose, ClosingQuitsWithStatusZeroWhileTheDescriptionIsOpen) {
    EXPECT_EXIT(
        {
            RecordingPlatform platform;
            app::Start();
            auto& calculator = app::ControlWnd();
            app::DescriptionWnd().Show();
            calculator.CloseWindow();
            const bool ok = framework::Quitting() && framework::LiveWindows().empty();
            std::quick_exit(ok ? framework::ExitStatus() : 99);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
