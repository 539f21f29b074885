#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
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

// The compiled-in pictures, so that a test can take them away.
static void DropPictures() {
    Q_CLEANUP_RESOURCE(pictures);
}
static void RestorePictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace {

std::vector<std::string> VisibleWindows() {
    std::vector<std::string> out;
    for (Window* w : framework::LiveWindows()) {
        if (w->Visible()) out.push_back(w->ClassName());
    }
    return out;
}

using StartupTest = AppTest;

TEST_F(StartupTest, AboutWindowAloneUntilTheTimerThenTheCalculator) {
    EXPECT_EQ(VisibleWindows(), std::vector<std::string>{"AboutWnd"});
    ASSERT_NE(FindImplicitWindow("InvisibleWnd"), nullptr) << "its Open showed the About window";
    EXPECT_EQ(FindImplicitWindow("ControlWnd"), nullptr);
    auto& timer = app::InvisibleWnd().Find<framework::Timer>("Timer1");
    EXPECT_EQ(timer.GetMode(), framework::Timer::Mode::Single);
    EXPECT_EQ(timer.Period(), 1500);

    QTest::qWait(1200);
    EXPECT_EQ(FindImplicitWindow("ControlWnd"), nullptr) << "too early";
    ASSERT_TRUE(QTest::qWaitFor([] { return FindImplicitWindow("ControlWnd") != nullptr; }, 3000));
    Settle();
    EXPECT_EQ(VisibleWindows(), std::vector<std::string>{"ControlWnd"});
    EXPECT_EQ(framework::FrontWindow(), FindImplicitWindow("ControlWnd"));

    // Once only: put away, the calculator stays away.
    app::ControlWnd().Hide();
    QTest::qWait(1700);
    EXPECT_FALSE(app::ControlWnd().Visible());
}

TEST_F(StartupTest, KeyOrClickOnTheAboutWindowBringsTheCalculatorAtOnce) {
    for (bool byKey : {true, false}) {
        SCOPED_TRACE(byKey ? "key" : "click");
        auto& about = app::AboutWnd();
        Activate(about);
        if (byKey) {
            QTest::keyClick(about.Widget(), Qt::Key_Space);
        } else {
            QTest::mouseClick(about.Widget()->findChild<QWidget*>(), Qt::LeftButton, {},
                              QPoint(150, 20));
        }
        Settle(50);
        EXPECT_FALSE(about.Visible());
        ASSERT_NE(FindImplicitWindow("ControlWnd"), nullptr);
        EXPECT_TRUE(app::ControlWnd().Visible());
    }
}

TEST_F(StartupTest, TimerBringsTheCalculatorBackOverTheDescriptionWindow) {
    QTest::keyClick(app::AboutWnd().Widget(), Qt::Key_Space);
    auto& description = app::DescriptionWnd();
    Activate(description);
    ASSERT_TRUE(QTest::qWaitFor(
        [] { return framework::FrontWindow() == FindImplicitWindow("ControlWnd"); }, 3000));
    EXPECT_TRUE(description.Visible()) << "left open behind";
}

TEST_F(StartupTest, OneLiveWindowPerClassHiddenFoundClosedRebuilt) {
    auto* about = &app::AboutWnd();
    about->Hide();
    EXPECT_EQ(&app::AboutWnd(), about);
    auto* description = &app::DescriptionWnd();
    EXPECT_EQ(&app::DescriptionWnd(), description);
    description->CloseWindow();
    EXPECT_EQ(FindImplicitWindow("DescriptionWnd"), nullptr);
    EXPECT_TRUE(app::DescriptionWnd().Visible()) << "a fresh one, shown at once";
}

TEST_F(StartupTest, PicturesAreFetchedOnceAndKept) {
    auto info = app::Info32();
    auto banner = app::AboutBanner();
    ASSERT_TRUE(info && banner);
    EXPECT_EQ(info->Width(), 32);
    EXPECT_EQ(info->Height(), 32);
    EXPECT_EQ(banner->Width(), 149);
    EXPECT_EQ(banner->Height(), 23);
    DropPictures();
    EXPECT_EQ(app::Info32(), info) << "kept, not fetched again";
    EXPECT_EQ(app::AboutBanner(), banner);
    RestorePictures();
}

TEST(StartupWithoutPictures, CanvasesStayEmptyAndTheNextRequestAsksAgain) {
    EXPECT_EXIT(
        {
            RecordingPlatform platform;
            DropPictures();
            app::Start();
            auto& calculator = app::ControlWnd();
            auto& canvas = calculator.Find<framework::Canvas>("Canvas2");
            bool ok = !canvas.Backdrop() &&
                      !app::AboutWnd().Find<framework::Canvas>("Canvas2").Backdrop();
            // The empty picture still opens the description window.
            Activate(calculator);
            QTest::mouseClick(canvas.Widget(), Qt::LeftButton, {}, QPoint(16, 16));
            ok = ok && FindImplicitWindow("DescriptionWnd") != nullptr;
            RestorePictures();
            ok = ok && app::Info32() != nullptr;
            std::quick_exit(ok ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// ---------------------------------------------------------------------------------------------
// The menu bar

TEST_F(StartupTest, MenuTreeIsBuiltInOrderWithItsProperties) {
    struct Row {
        const char* name;
        const char* text;
        const char* shortcut;
        bool autoEnable;
        int depth;
    };
    const std::vector<Row> expected{
        {"UntitledMenu2", "File", "", false, 0},
        {"CloseWindowItem", "Close Window", "Cmd+W", true, 1},
        {"Print", "Print...", "Cmd+P", true, 1},
        {"FileQuit", "Quit", "Cmd+Q", true, 1},
        {"UntitledMenu0", "Edit", "", false, 0},
        {"EditUndo", "Undo", "Cmd+Z", false, 1},
        {"UntitledMenu1", "-", "", false, 1},
        {"EditCut", "Cut", "Cmd+X", false, 1},
        {"EditCopy", "Copy", "Cmd+C", false, 1},
        {"EditPaste", "Paste", "Cmd+V", false, 1},
        {"EditClear", "", "", false, 1},
        {"WindowMenu", "Window", "", false, 0},
        {"ControlMenuItem", "Control", "", false, 1},
        {"DescriptionMenuItem", "Description", "", false, 1},
        {"ExplanationMenuItem", "Explanation", "Cmd+I", true, 1},
        {"AboutMenuItem", "About Predivo", "", false, 1},
        {"AboutQor", "About Predivo", "", false, 1},
    };
    std::vector<Row> actual;
    for (const auto& menu : app::Menu().Children()) {
        actual.push_back({menu->Name().c_str(), menu->Text().c_str(),
                          menu->KeyboardShortcut().c_str(), menu->AutoEnable(), 0});
        for (const auto& item : menu->Children()) {
            actual.push_back({item->Name().c_str(), item->Text().c_str(),
                              item->KeyboardShortcut().c_str(), item->AutoEnable(), 1});
        }
    }
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_STREQ(actual[i].name, expected[i].name);
        EXPECT_STREQ(actual[i].text, expected[i].text);
        EXPECT_STREQ(actual[i].shortcut, expected[i].shortcut);
        EXPECT_EQ(actual[i].autoEnable, expected[i].autoEnable);
        EXPECT_EQ(actual[i].depth, expected[i].depth);
    }
    EXPECT_TRUE(app::Menu().Find("FileQuit")->IsQuit());
    EXPECT_TRUE(app::AboutQor().InApplicationMenu());
    EXPECT_EQ(&app::App().GetMenuBar()->Find("AboutQor")->Name(), &app::AboutQor().Name());
}

TEST_F(StartupTest, EveryWindowShowsTheSameBarWithAnApplicationMenuFirst) {
    auto& calculator = Calculator();
    auto& about = app::AboutWnd();
    about.Show();
    for (Window* w : {static_cast<Window*>(&calculator), static_cast<Window*>(&about)}) {
        SCOPED_TRACE(w->ClassName());
        auto* bar = w->Widget()->findChild<QMenuBar*>();
        ASSERT_NE(bar, nullptr);
        QStringList titles;
        for (QAction* a : bar->actions()) titles << a->text();
        EXPECT_EQ(titles, (QStringList{"Predivo", "File", "Edit", "Window"}));
        QMenu* appMenu = MenuTitled(w->Widget(), "Predivo");
        ASSERT_EQ(appMenu->actions().size(), 1);
        EXPECT_EQ(appMenu->actions()[0], app::AboutQor().QtAction());
        QMenu* edit = MenuTitled(w->Widget(), "Edit");
        QStringList items;
        for (QAction* a : edit->actions()) items << (a->isSeparator() ? "-" : a->text());
        EXPECT_EQ(items, (QStringList{"Undo", "-", "Cut", "Copy", "Paste", "Delete"}));
    }
}

// Which items are enabled, by the window in front.
TEST_F(StartupTest, ItemsAreEnabledByTheWindowInFront) {
    struct Row {
        const char* front;
        bool control, description, aboutWindowMenu, aboutAppMenu, quit, print;
    };
    const std::vector<Row> rows{
        {"ControlWnd", false, true, true, true, true, false},
        {"DescriptionWnd", true, false, true, true, true, true},
        {"AboutWnd", false, false, false, true, true, false},
        {"ExplanationWnd", true, true, true, true, true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.front);
        Window* w = &WindowOfClass(row.front);
        Activate(*w);
        EXPECT_EQ(EnabledInMenu(*w, "Window", "Control"), row.control);
        EXPECT_EQ(EnabledInMenu(*w, "Window", "Description"), row.description);
        EXPECT_EQ(EnabledInMenu(*w, "Window", "About Predivo"), row.aboutWindowMenu);
        EXPECT_EQ(EnabledInMenu(*w, "Predivo", "About Predivo"), row.aboutAppMenu);
        EXPECT_EQ(EnabledInMenu(*w, "File", "Quit"), row.quit);
        EXPECT_EQ(EnabledInMenu(*w, "File", "Print..."), row.print);
    }
}

TEST_F(StartupTest, WithNoWindowInFrontOnlyAboutAndQuitAreEnabled) {
    for (Window* w : framework::LiveWindows()) w->Hide();
    Settle();
    ASSERT_EQ(framework::FrontWindow(), nullptr);
    framework::UpdateMenus();
    for (const char* name : {"ControlMenuItem", "DescriptionMenuItem", "AboutMenuItem", "Print",
                             "EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"}) {
        EXPECT_FALSE(app::Menu().Find(name)->Enabled()) << name;
    }
    EXPECT_TRUE(app::AboutQor().Enabled());
    EXPECT_TRUE(app::Menu().Find("FileQuit")->Enabled());
}

TEST_F(StartupTest, AboutFromAnyWindowShowsTheOneAboutWindow) {
    auto& calculator = Calculator();
    auto* about = &app::AboutWnd();
    EXPECT_FALSE(about->Visible()) << "the calculator's activation put it away";
    ASSERT_TRUE(Choose(calculator, "Predivo", "About Predivo"));
    EXPECT_TRUE(about->Visible());
    Activate(calculator);
    ASSERT_TRUE(Choose(calculator, "Window", "About Predivo"));
    EXPECT_TRUE(about->Visible());
    EXPECT_EQ(&app::AboutWnd(), about);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(about->Widget())->text(QAccessible::Name),
              "About Predivo")
        << "named for assistive technology, though its title is empty";
    // A key on it then brings the calculator, not the window that asked for it.
    auto& description = app::DescriptionWnd();
    Activate(description);
    ASSERT_TRUE(Choose(description, "Window", "About Predivo"));
    Activate(*about);
    QTest::keyClick(about->Widget(), Qt::Key_Return);
    Settle(50);
    EXPECT_FALSE(about->Visible());
    EXPECT_EQ(framework::FrontWindow(), &calculator);
}

// Close Window does to the front window what its close box does. The About window is only
// hidden, and the next About shows that same window again.
TEST_F(StartupTest, CloseWindowAndTheCloseBoxCloseTheFrontWindow) {
    struct Row {
        const char* front;
        bool byCloseBox;
        bool kept;
    };
    for (const Row& row : {Row{"DescriptionWnd", false, false}, Row{"AboutWnd", false, true},
                           Row{"AboutWnd", true, true}}) {
        SCOPED_TRACE(std::string(row.front) + (row.byCloseBox ? ", close box" : ", Ctrl+W"));
        auto& calculator = Calculator();
        Window* w = &WindowOfClass(row.front);
        Activate(*w);
        if (row.byCloseBox) {
            w->Widget()->windowHandle()->close();
        } else {
            QTest::keyClick(w->Widget(), Qt::Key_W, Qt::ControlModifier);
        }
        Settle();
        ASSERT_EQ(FindImplicitWindow(row.front) == w, row.kept);
        if (!row.kept) continue;
        EXPECT_FALSE(w->Visible());
        Activate(calculator);
        ASSERT_TRUE(Choose(calculator, "Window", "About Predivo"));
        EXPECT_EQ(&app::AboutWnd(), w);
        EXPECT_TRUE(w->Visible());
    }
}

// Quitting ends the process, so each way runs in a child process of its own: Cmd+Q from every
// window, and Close Window on the calculator.
TEST(StartupQuit, CommandQAndClosingTheCalculatorQuitWithStatusZero) {
    struct Row {
        const char* front;
        Qt::Key key;
    };
    for (const Row& row : {Row{"ControlWnd", Qt::Key_Q}, Row{"AboutWnd", Qt::Key_Q},
                           Row{"DescriptionWnd", Qt::Key_Q}, Row{"ExplanationWnd", Qt::Key_Q},
                           Row{"ControlWnd", Qt::Key_W}}) {
        SCOPED_TRACE(std::string(row.front) + (row.key == Qt::Key_Q ? " Q" : " W"));
        EXPECT_EXIT(
            {
                RecordingPlatform platform;
                app::Start();
                Window* w = &WindowOfClass(row.front);
                Activate(*w);
                QTest::keyClick(w->Widget(), row.key, Qt::ControlModifier);
                const bool ok = framework::Quitting() && framework::LiveWindows().empty();
                std::quick_exit(ok ? framework::ExitStatus() : 99);
            },
            ::testing::ExitedWithCode(0), "");
    }
}

TEST(StartupQuit, QuitFromTheFileMenuClosesEverythingWithStatusZero) {
    EXPECT_EXIT(
        {
            RecordingPlatform platform;
            app::Start();
            auto& calculator = app::ControlWnd();
            Activate(calculator);
            const bool chosen = Choose(calculator, "File", "Quit");
            const bool ok = chosen && framework::Quitting() && framework::LiveWindows().empty();
            std::quick_exit(ok ? framework::ExitStatus() : 99);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
