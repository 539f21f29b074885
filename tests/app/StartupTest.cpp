#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QWindow>

#include <cstdlib>

#include <gtest/gtest.h>

#include "app/Menu.h"
#include "app/Pictures.h"
#include "tests/support/AppTest.h"

using namespace testing_support;
using framework::FindImplicitWindow;
using framework::Window;
using Strings = std::vector<std::string>;

// The compiled-in pictures, so that a test can take them away.
static void DropPictures() {
    Q_CLEANUP_RESOURCE(pictures);
}
static void RestorePictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace {

std::string VisibleWindows() {
    std::string out;
    for (Window* w : framework::LiveWindows()) out += w->Visible() ? w->ClassName() + " " : "";
    return out;
}

using StartupTest = AppTest;

TEST_F(StartupTest, AboutWindowAloneUntilTheTimerThenTheCalculatorOnce) {
    EXPECT_EQ(VisibleWindows(), "AboutWnd ");
    ASSERT_NE(FindImplicitWindow("InvisibleWnd"), nullptr) << "its Open showed the About window";
    QTest::qWait(1200);
    EXPECT_EQ(FindImplicitWindow("ControlWnd"), nullptr) << "too early";
    ASSERT_TRUE(QTest::qWaitFor([] { return FindImplicitWindow("ControlWnd") != nullptr; }, 3000));
    Settle();
    EXPECT_EQ(VisibleWindows(), "ControlWnd ");
    EXPECT_EQ(framework::FrontWindow(), FindImplicitWindow("ControlWnd"));
    app::ControlWnd().Hide();
    QTest::qWait(1700);
    EXPECT_FALSE(app::ControlWnd().Visible()) << "put away, the calculator stays away";
}

// The timer's action puts the About window away itself: a window manager may refuse the
// calculator the activation that would otherwise do it.
TEST_F(StartupTest, TimerActionPutsTheAboutWindowAwayItself) {
    ASSERT_TRUE(app::AboutWnd().Visible());
    app::InvisibleWnd().Find<framework::Timer>("Timer1").Action();
    EXPECT_FALSE(app::AboutWnd().Visible());
}

// Shift alone is no key press yet; any other key, or a click, puts the About window away and
// brings the calculator at once, not the window that was in front before.
TEST_F(StartupTest, KeyOrClickOnTheAboutWindowBringsTheCalculatorAtOnce) {
    app::DescriptionWnd().Show();
    auto& about = app::AboutWnd();
    Activate(about);
    QTest::keyClick(about.Widget(), Qt::Key_Shift);
    EXPECT_TRUE(about.Visible()) << "Shift alone";
    for (bool byKey : {true, false}) {
        Activate(about);
        byKey ? QTest::keyClick(about.Widget(), Qt::Key_Space)
              : QTest::mouseClick(about.Widget()->findChild<QWidget*>(), Qt::LeftButton, {},
                                  QPoint(150, 20));
        Settle(50);
        EXPECT_FALSE(about.Visible()) << byKey;
        ASSERT_NE(FindImplicitWindow("ControlWnd"), nullptr);
        EXPECT_EQ(framework::FrontWindow(), &app::ControlWnd());
    }
}

// Without its pictures the program still runs: the canvases stay empty, the empty picture still
// opens the description window, and the next request asks again. Once fetched, a picture is
// kept.
TEST(StartupWithoutPictures, CanvasesStayEmptyTheNextRequestAsksAgainAndKeepsIt) {
    EXPECT_EXIT(
        {
            RecordingPlatform platform;
            DropPictures();
            app::Start();
            auto& calculator = app::ControlWnd();
            auto& canvas = calculator.Find<framework::Canvas>("Canvas2");
            bool ok = !canvas.Backdrop() &&
                      !app::AboutWnd().Find<framework::Canvas>("Canvas2").Backdrop();
            Activate(calculator);
            QTest::mouseClick(canvas.Widget(), Qt::LeftButton, {}, QPoint(16, 16));
            ok = ok && FindImplicitWindow("DescriptionWnd") != nullptr;
            RestorePictures();
            const auto info = app::Info32();
            const auto banner = app::AboutBanner();
            ok = ok && info && info->Width() == 32 && info->Height() == 32 && banner &&
                 banner->Width() == 149 && banner->Height() == 23;
            DropPictures();
            ok = ok && app::Info32() == info && app::AboutBanner() == banner;
            std::quick_exit(ok ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(StartupTest, MenuTreeIsBuiltInOrderWithItsProperties) {
    Strings tree;
    auto add = [&](const framework::MenuItem& item, const char* indent) {
        tree.push_back(indent + item.Name() + " | " + item.Text() + " | " +
                       item.KeyboardShortcut() + (item.AutoEnable() ? " | auto" : ""));
    };
    for (const auto& menu : app::Menu().Children()) {
        add(*menu, "");
        for (const auto& item : menu->Children()) add(*item, "  ");
    }
    // clang-format off
    EXPECT_EQ(tree, (Strings{
        "UntitledMenu2 | File | ",
        "  CloseWindowItem | Close Window | Cmd+W | auto",
        "  Print | Print... | Cmd+P | auto",
        "  FileQuit | Quit | Cmd+Q | auto",
        "UntitledMenu0 | Edit | ",
        "  EditUndo | Undo | Cmd+Z",
        "  UntitledMenu1 | - | ",
        "  EditCut | Cut | Cmd+X",
        "  EditCopy | Copy | Cmd+C",
        "  EditPaste | Paste | Cmd+V",
        "  EditClear |  | ",
        "WindowMenu | Window | ",
        "  ControlMenuItem | Control | ",
        "  DescriptionMenuItem | Description | ",
        "  ExplanationMenuItem | Explanation | Cmd+I | auto",
        "  AboutMenuItem | About Predivo | ",
        "  AboutQor | About Predivo | ",
    }));
    // clang-format on
}

// Every window shows the same bar, the application's menu first; which items are enabled
// depends on the window in front.
TEST_F(StartupTest, ItemsAreEnabledByTheWindowInFront) {
    // clang-format off
    struct Row { const char *front, *file, *window; };
    const std::vector<Row> rows{
        {"ControlWnd", "Close Window, Quit", "Description, Explanation, About Predivo"},
        {"DescriptionWnd", "Close Window, Print..., Quit", "Control, Explanation, About Predivo"},
        {"AboutWnd", "Close Window, Quit", "Explanation"},
        {"ExplanationWnd", "Close Window, Print..., Quit",
         "Control, Description, Explanation, About Predivo"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.front);
        Window* w = &WindowOfClass(row.front);
        Activate(*w);
        QStringList titles;
        for (QAction* a : w->Widget()->findChild<QMenuBar*>()->actions()) titles << a->text();
        EXPECT_EQ(titles.join(", "), "Predivo, File, Edit, Window");
        EXPECT_EQ(EnabledItems(*w, "Predivo"), "About Predivo");
        EXPECT_EQ(EnabledItems(*w, "File"), row.file);
        EXPECT_EQ(EnabledItems(*w, "Window"), row.window);
    }
    // With no window in front, only what the application itself answers.
    for (Window* w : framework::LiveWindows()) w->Hide();
    Settle();
    ASSERT_EQ(framework::FrontWindow(), nullptr);
    framework::UpdateMenus();
    std::string enabled;
    for (const auto& menu : app::Menu().Children()) {
        for (const auto& item : menu->Children())
            enabled += item->Enabled() ? item->Name() + " " : "";
    }
    EXPECT_EQ(enabled, "CloseWindowItem FileQuit ExplanationMenuItem AboutQor ")
        << "the application answers these";
}

// About from either menu shows the one About window, which every activation of the calculator
// puts away.
TEST_F(StartupTest, AboutFromAnyWindowShowsTheOneAboutWindow) {
    auto& calculator = Calculator();
    auto* about = &app::AboutWnd();
    EXPECT_FALSE(about->Visible()) << "the calculator's activation put it away";
    ASSERT_TRUE(Choose(calculator, "Predivo", "About Predivo"));
    EXPECT_TRUE(about->Visible());
    Activate(calculator);
    EXPECT_FALSE(about->Visible()) << "and every one after";
    ASSERT_TRUE(Choose(calculator, "Window", "About Predivo"));
    EXPECT_EQ(&app::AboutWnd(), about);
    EXPECT_TRUE(about->Visible());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(about->Widget())->text(QAccessible::Name),
              "About Predivo")
        << "named for assistive technology, though its title is empty";
}

// Close Window does to the front window what its close box does; the About window is kept,
// only hidden, and a closed window is built afresh when next asked for.
TEST_F(StartupTest, CloseWindowAndTheCloseBoxCloseTheFrontWindow) {
    for (const auto& [front, byCloseBox, kept] : {std::tuple{"DescriptionWnd", false, false},
                                                  {"AboutWnd", false, true},
                                                  {"AboutWnd", true, true}}) {
        SCOPED_TRACE(std::string(front) + (byCloseBox ? ", close box" : ", Ctrl+W"));
        Calculator();
        Window* w = &WindowOfClass(front);
        Activate(*w);
        byCloseBox ? (void)w->Widget()->windowHandle()->close()
                   : QTest::keyClick(w->Widget(), Qt::Key_W, Qt::ControlModifier);
        // Until events run the closed window is not yet disposed of, so a fresh one cannot take
        // its address.
        EXPECT_EQ(FindImplicitWindow(front), kept ? w : nullptr) << "a closed one is gone";
        EXPECT_EQ(&WindowOfClass(front) == w, kept) << "and built afresh when asked for";
        EXPECT_EQ(WindowOfClass(front).Visible(), !kept) << "the fresh one shown at once";
        Settle();
    }
}

// Quitting ends the process, so each way runs in a child process of its own: Ctrl+Q from every
// window and Ctrl+W on the calculator, with the description window open meanwhile.
TEST(StartupQuit, EveryWayToQuitEndsWithStatusZero) {
    for (const auto& [front, key] : {std::pair{"ControlWnd", Qt::Key_Q},
                                     {"AboutWnd", Qt::Key_Q},
                                     {"DescriptionWnd", Qt::Key_Q},
                                     {"ExplanationWnd", Qt::Key_Q},
                                     {"ControlWnd", Qt::Key_W}}) {
        SCOPED_TRACE(std::string(front) + (key == Qt::Key_Q ? " Q" : " W"));
        EXPECT_EXIT(
            {
                RecordingPlatform platform;
                app::Start();
                app::DescriptionWnd().Show();
                Window* w = &WindowOfClass(front);
                Activate(*w);
                QTest::keyClick(w->Widget(), key, Qt::ControlModifier);
                const bool ok = framework::Quitting() && framework::LiveWindows().empty();
                std::quick_exit(ok ? framework::ExitStatus() : 99);
            },
            ::testing::ExitedWithCode(0), "");
    }
}

}  // namespace
