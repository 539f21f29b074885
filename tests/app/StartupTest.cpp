#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QWindow>

#include <cstdlib>
#include <functional>

#include <gtest/gtest.h>

#include "tests/support/AppTest.h"
#include "windows/Menu.h"
#include "windows/Pictures.h"

using namespace testing_support;
using framework::FindImplicitWindow;
using framework::Window;
using Strings = std::vector<std::string>;

// Without its pictures the program still runs: the canvases stay empty, the empty picture still
// opens the description window, and the next request asks again. Once fetched, a picture is
// kept. Outside any namespace, for the compiled-in pictures are the global ones.
TEST(StartupWithoutPictures, CanvasesStayEmptyTheNextRequestAsksAgainAndKeepsIt) {
    EXPECT_EXIT(
        {
            RecordingPlatform platform;
            Q_CLEANUP_RESOURCE(pictures);
            app::Start();
            auto& canvas = app::ControlWnd().Find<framework::Canvas>("Canvas2");
            bool ok = !canvas.Backdrop() &&
                      !app::AboutWnd().Find<framework::Canvas>("Canvas2").Backdrop();
            Activate(app::ControlWnd());
            QTest::mouseClick(canvas.Widget(), Qt::LeftButton, {}, QPoint(16, 16));
            Settle();
            ok = ok && framework::FrontWindow() == FindImplicitWindow("DescriptionWnd");
            Q_INIT_RESOURCE(pictures);
            const auto info = app::Info32();
            const auto banner = app::AboutBanner();
            ok = ok && info && banner &&
                 std::tuple(info->Width(), info->Height(), banner->Width(), banner->Height()) ==
                     std::tuple(32, 32, 149, 23);
            Q_CLEANUP_RESOURCE(pictures);
            std::quick_exit(ok && app::Info32() == info && app::AboutBanner() == banner ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
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
        EXPECT_EQ(framework::FrontWindow(), &app::ControlWnd());
    }
}

// Every window shows the same bar, the application's menu first; which items are enabled
// depends on the window in front.
TEST_F(StartupTest, MenuTreeAndTheItemsEnabledByTheWindowInFront) {
    // Each menu of the front window's bar, with its enabled items but the Edit menu's, which
    // follow the focused field.
    // clang-format off
    const std::vector<std::pair<const char*, std::string>> rows{
        {"ControlWnd", "Predivo: About Predivo; File: Open..., &Examples, Close Window, Save, Save As..., Quit; Edit; Window: Description, Explanation, About Predivo; "},
        {"DescriptionWnd", "Predivo: About Predivo; File: Open..., &Examples, Close Window, Save, Save As..., Print..., Quit; Edit; Window: Control, Explanation, About Predivo; "},
        {"AboutWnd", "Predivo: About Predivo; File: Open..., &Examples, Close Window, Save, Save As..., Quit; Edit; Window: Explanation; "},
        {"ExplanationWnd", "Predivo: About Predivo; File: Open..., &Examples, Close Window, Save, Save As..., Export Picture..., Print..., Quit; Edit; Window: Control, Description, Explanation, About Predivo; "},
    };
    // clang-format on
    for (const auto& [front, menus] : rows) {
        SCOPED_TRACE(front);
        Window* w = &WindowOfClass(front);
        Activate(*w);
        std::string seen;
        for (QAction* a : w->Widget()->findChild<QMenuBar*>()->actions()) {
            const QString title = a->text().remove('&');
            seen += title.toStdString() + (title == "Edit" ? "" : ": " + EnabledItems(*w, title)) +
                    "; ";
        }
        EXPECT_EQ(seen, menus);
    }
    // With no window in front, only what the application itself answers, the examples among it.
    // A menu a row: its name and title, then each item's name, text, shortcut, whether the window
    // in front may enable it, and whether it is enabled now; a submenu's items after it.
    for (Window* w : framework::LiveWindows()) w->Hide();
    Settle();
    ASSERT_EQ(framework::FrontWindow(), nullptr);
    framework::UpdateMenus();
    Strings tree;
    for (const auto& menu : app::Menu().Children()) {
        tree.push_back(menu->Name() + " " + menu->Text() + ":");
        std::function<void(const framework::MenuItem&)> add = [&](const auto& parent) {
            for (const auto& item : parent.Children()) {
                tree.back() += " " + item->Name() + " | " + item->Text() + " | " +
                               item->KeyboardShortcut() + (item->AutoEnable() ? " | auto" : "") +
                               (item->Enabled() ? " | on;" : ";");
                add(*item);
            }
        };
        add(*menu);
    }
    // clang-format off
    EXPECT_EQ(tree, (Strings{
        "UntitledMenu2 File: OpenItem | Open... | Cmd+O | auto | on; ExamplesMenu | Examples |  | on; MammographyExample | Mammography (Gigerenzer and Hoffrage 1995) |  | auto | on; HemoccultExample | Hemoccult test (Gigerenzer 2002) |  | auto | on; HivExample | HIV test in a low-risk group (Gigerenzer, Hoffrage and Ebert 1998) |  | auto | on; PrenatalExample | Prenatal cell-free DNA screening (Nicolaides et al. 2012) |  | auto | on; PsaExample | PSA test (Thompson et al. 2005) |  | auto | on; LiverScanExample | Liver scan (Altman and Bland 1994) |  | auto | on; AntigenExample | Rapid antigen test for SARS-CoV-2 (Brümmer et al. 2021) |  | auto | on; CasscellsExample | Casscells, Schoenberger and Graboys (1978) |  | auto | on; CloseWindowItem | Close Window | Cmd+W | auto | on; SaveItem | Save | Cmd+S | auto | on; SaveAsItem | Save As... | Shift+Cmd+S | auto | on; ExportItem | Export Picture... | Shift+Cmd+E | auto; Print | Print... | Cmd+P | auto; FileQuit | Quit | Cmd+Q | auto | on;",
        "UntitledMenu0 Edit: EditUndo | Undo | Cmd+Z; UntitledMenu1 | - | ; EditCut | Cut | Cmd+X; EditCopy | Copy | Cmd+C; EditPaste | Paste | Cmd+V; EditClear |  | ;",
        "WindowMenu Window: ControlMenuItem | Control | ; DescriptionMenuItem | Description | ; ExplanationMenuItem | Explanation | Cmd+I | auto | on; AboutMenuItem | About Predivo | ; AboutQor | About Predivo |  | on;",
    }));
    // clang-format on
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
    EXPECT_EQ(std::pair(&app::AboutWnd(), about->Visible()), std::pair(about, true));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(about->Widget())->text(QAccessible::Name),
              "About Predivo")
        << "named for assistive technology, though its title is empty";
    // The start-up timer's action puts it away itself, before any other event: a window manager
    // may refuse the calculator the activation that would otherwise do it.
    app::InvisibleWnd().Find<framework::Timer>("Timer1").Action();
    EXPECT_FALSE(about->Visible());
}

// Close Window does to the front window what its close box does; the About window is kept,
// only hidden, and a closed window is built afresh when next asked for.
TEST_F(StartupTest, CloseWindowAndTheCloseBoxCloseTheFrontWindow) {
    // clang-format off
    for (const auto& [front, byCloseBox, kept] : {std::tuple{"DescriptionWnd", false, false}, {"AboutWnd", false, true}, {"AboutWnd", true, true}}) {
        // clang-format on
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
    // clang-format off
    for (const auto& [front, key] : {std::pair{"ControlWnd", Qt::Key_Q}, {"AboutWnd", Qt::Key_Q}, {"DescriptionWnd", Qt::Key_Q}, {"ExplanationWnd", Qt::Key_Q}, {"ControlWnd", Qt::Key_W}}) {
        // clang-format on
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
