#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/Window.h"
#include "tests/support/GuiTest.h"

using namespace framework;
using testing_support::CloseAllWindows;
using testing_support::RecordingPlatform;
using testing_support::Settle;
using testing_support::W;

namespace {

// A small window built from a property table, recording what the framework asks of it.
class ProbeWnd : public Window {
  public:
    std::vector<std::string> log;
    std::vector<std::string> keys;
    int closes = 0;
    std::function<void()> onButton;
    void Bind(std::string item, std::function<bool()> handler) {
        AddMenuHandler(std::move(item), std::move(handler));
    }

  protected:
    virtual bool StartsVisible() const { return true; }
    void Layout() override {
        log.push_back("Layout");
        SetProperties({.width = 240, .height = 160, .title = "Probe", .visible = StartsVisible()});
    }
    void CreateControls() override {
        log.push_back("CreateControls");
        auto refuseX = [this](std::string_view key) {
            keys.emplace_back(key);
            if (key != "x") return false;
            Beep();
            return true;
        };
        Add<EditField>("multi", {.bounds = {10, 10, 60, 18}, .multiLine = true, .limitText = 5})
            .KeyDown = refuseX;
        Add<EditField>("single", {.bounds = {10, 40, 80, 20}, .limitText = 9}).KeyDown = refuseX;
        Add<PushButton>("button", {.bounds = {10, 80, 80, 30}, .caption = "Go"}).Action = [this] {
            if (onButton) onButton();
        };
    }
    void AddMenuHandlers() override { log.push_back("AddMenuHandlers"); }
    void Open() override { log.push_back(Visible() ? "Open visible" : "Open invisible"); }
    void Close() override { ++closes; }
};

class HiddenProbeWnd : public ProbeWnd {
  protected:
    bool StartsVisible() const override { return false; }
};

ProbeWnd& Probe() {
    return GetImplicitWindow<ProbeWnd>("ProbeWnd");
}

class FrameworkTest : public ::testing::Test {
  protected:
    void TearDown() override { CloseAllWindows(); }
    RecordingPlatform platform;
};

TEST_F(FrameworkTest, BuildsInOrderAndOpensInvisibleWindowsToo) {
    auto& shown = Probe();
    auto& hidden = GetImplicitWindow<HiddenProbeWnd>("HiddenProbeWnd");
    const std::vector<std::string> order{"Layout", "CreateControls", "AddMenuHandlers"};
    for (auto* w : {static_cast<ProbeWnd*>(&shown), static_cast<ProbeWnd*>(&hidden)}) {
        SCOPED_TRACE(w->ClassName());
        ASSERT_EQ(w->log.size(), 4u);
        EXPECT_EQ(std::vector<std::string>(w->log.begin(), w->log.begin() + 3), order);
        // Open runs before the window is put on screen, visible or not.
        EXPECT_EQ(w->log[3], "Open invisible");
    }
    EXPECT_TRUE(shown.Visible());
    EXPECT_FALSE(hidden.Visible());
    EXPECT_EQ(shown.Title(), "Probe");
    EXPECT_EQ(shown.Width(), 240);
    EXPECT_EQ(shown.Height(), 160);
}

TEST_F(FrameworkTest, FindsControlsByNameAndClassOnly) {
    auto& w = Probe();
    EXPECT_EQ(w.Find<EditField>("multi").Name(), "multi");
    EXPECT_EQ(w.Find<PushButton>("button").Caption(), "Go");
    EXPECT_THROW(w.Find<EditField>("missing"), NilObjectException);
    EXPECT_THROW(w.Find<PushButton>("multi"), NilObjectException);
}

TEST_F(FrameworkTest, OneLiveWindowPerClass) {
    auto* first = &Probe();
    EXPECT_EQ(&Probe(), first);
    first->Hide();
    EXPECT_EQ(&Probe(), first) << "a hidden window is found again";
    first->CloseWindow();
    EXPECT_EQ(first->closes, 1) << "closing sends Close";
    auto& fresh = Probe();
    EXPECT_EQ(fresh.log.size(), 4u) << "a closed window is built afresh";
    Settle();
    const auto live = LiveWindows();
    EXPECT_EQ(std::count(live.begin(), live.end(), &fresh), 1);
    EXPECT_EQ(live.size(), 1u);
}

// Each row types one key into both fields and says what the handler must receive.
TEST_F(FrameworkTest, DeliversEachTypedKeyToKeyDown) {
    struct Row {
        const char* what;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        QString text;
        std::string expected;
    };
    const std::vector<Row> rows{
        {"digit", Qt::Key_7, Qt::NoModifier, "7", "7"},
        {"letter", Qt::Key_A, Qt::NoModifier, "a", "a"},
        {"accented letter", Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("\xc3\xa9"),
         "\xc3\xa9"},
        {"backspace", Qt::Key_Backspace, Qt::NoModifier, "", "\x08"},
        {"return", Qt::Key_Return, Qt::NoModifier, "\r", "\r"},
        {"delete", Qt::Key_Delete, Qt::NoModifier, "", "\x7f"},
        {"left arrow", Qt::Key_Left, Qt::NoModifier, "", "\x1c"},
        {"command V", Qt::Key_V, Qt::ControlModifier, "v", "\x16"},
    };
    auto& w = Probe();
    for (const char* name : {"multi", "single"}) {
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(name) + ": " + row.what);
            w.keys.clear();
            QKeyEvent press(QEvent::KeyPress, row.key, row.mods, row.text);
            QApplication::sendEvent(W(w.Find<EditField>(name)), &press);
            ASSERT_EQ(w.keys.size(), 1u);
            EXPECT_EQ(w.keys[0], row.expected);
        }
    }
}

TEST_F(FrameworkTest, RefusedKeyIsSwallowedWithOneBeep) {
    auto& w = Probe();
    for (const char* name : {"multi", "single"}) {
        SCOPED_TRACE(name);
        auto& field = w.Find<EditField>(name);
        field.SetText("12");
        field.SetSelStart(1);
        platform.beeps = 0;
        QTest::keyClick(W(field), Qt::Key_X);
        EXPECT_EQ(field.Text(), "12");
        EXPECT_EQ(field.SelStart(), 1);
        EXPECT_EQ(platform.beeps, 1);
        QTest::keyClick(W(field), Qt::Key_3);
        EXPECT_EQ(field.Text(), "132");
        EXPECT_EQ(platform.beeps, 1);
    }
}

TEST_F(FrameworkTest, TextOfSeveralCharactersIsRefusedWholeIfOneIsRefused) {
    auto& w = Probe();
    auto& field = w.Find<EditField>("single");
    field.SetText("");
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, "1x2");
    QApplication::sendEvent(W(field), &press);
    EXPECT_EQ(field.Text(), "");
    EXPECT_EQ(platform.beeps, 1);
}

// Text from an input method is typing too: filtered, and held to the limit.
TEST_F(FrameworkTest, InputMethodTextIsFilteredAndLimited) {
    auto& w = Probe();
    struct Row {
        const char* name;
        const char* commit;
        const char* expected;
        int beeps;
    };
    for (const Row& row :
         {Row{"multi", "1x", "", 1}, Row{"single", "1x", "", 1},
          Row{"multi", "12345678", "12345", 0}, Row{"single", "123456789012", "123456789", 0}}) {
        SCOPED_TRACE(std::string(row.name) + " " + row.commit);
        auto& field = w.Find<EditField>(row.name);
        field.SetText("");
        platform.beeps = 0;
        QInputMethodEvent event;
        event.setCommitString(row.commit);
        QApplication::sendEvent(field.Widget(), &event);
        EXPECT_EQ(field.Text(), row.expected);
        EXPECT_EQ(platform.beeps, row.beeps);
    }
}

TEST_F(FrameworkTest, LimitTextHoldsAgainstTypingAndPaste) {
    auto& w = Probe();
    const std::string longText(10000, '7');
    struct Row {
        const char* name;
        std::size_t limit;
    };
    for (const Row& row : {Row{"multi", 5}, Row{"single", 9}}) {
        SCOPED_TRACE(row.name);
        auto& field = w.Find<EditField>(row.name);
        field.SetText("");
        QTest::keyClicks(W(field), "12345678901234");
        Settle();
        EXPECT_EQ(field.Text(), std::string("12345678901234").substr(0, row.limit));

        field.SetText("1");
        field.SetSelStart(1);
        QApplication::clipboard()->setText(QString::fromStdString(longText));
        QTest::keyClick(W(field), Qt::Key_V, Qt::ControlModifier);
        Settle();
        EXPECT_EQ(field.Text(), "1" + longText.substr(0, row.limit - 1));

        // One undo takes back the whole paste, the trimming included.
        QTest::keyClick(W(field), Qt::Key_Z, Qt::ControlModifier);
        Settle();
        EXPECT_EQ(field.Text(), "1");
    }
}

TEST_F(FrameworkTest, MultiLineTextUsesCarriageReturns) {
    auto& field = Probe().Find<EditField>("multi");
    field.SetText("1\r2");
    EXPECT_EQ(field.Text(), "1\r2");
    field.SetText("3\n4");
    EXPECT_EQ(field.Text(), "3\r4");
    field.SetSelStart(2);
    field.SetSelLength(1);
    EXPECT_EQ(field.SelStart(), 2);
    EXPECT_EQ(field.SelLength(), 1);
}

TEST_F(FrameworkTest, MsgBoxGoesThroughThePlatform) {
    MsgBox("Something to say.");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], "Something to say.");
}

TEST_F(FrameworkTest, WindowClosedByItsOwnHandlerOutlivesTheHandler) {
    auto& w = Probe();
    bool ranToEnd = false;
    w.onButton = [&w, &ranToEnd] {
        w.CloseWindow();
        // The window must still be whole here, although it is off the record.
        w.Find<EditField>("single").SetText("alive");
        ranToEnd = w.Find<EditField>("single").Text() == "alive";
    };
    QTest::mouseClick(static_cast<QPushButton*>(W(w.Find<PushButton>("button"))), Qt::LeftButton);
    EXPECT_TRUE(ranToEnd);
    EXPECT_EQ(FindImplicitWindow("ProbeWnd"), nullptr);
    Settle();
    EXPECT_TRUE(LiveWindows().empty());
}

TEST_F(FrameworkTest, LockedControlsFollowTheEdgesOfAResizedWindow) {
    class Stretchy : public Window {
      protected:
        void Layout() override { SetProperties({.width = 200, .height = 100}); }
        void CreateControls() override {
            Add<EditField>("all", {.bounds = {10, 20, 100, 50}, .locks = {true, true, true, true}});
            Add<EditField>("corner",
                           {.bounds = {150, 70, 40, 20}, .locks = {false, false, true, true}});
            Add<EditField>("none", {.bounds = {5, 5, 30, 10}});
        }
    };
    auto& w = GetImplicitWindow<Stretchy>("Stretchy");
    W(w)->resize(W(w)->width() + 100, W(w)->height() + 60);
    Settle();
    ASSERT_EQ(w.Width(), 300);
    EXPECT_EQ(w.Find<EditField>("all").Bounds(), (Rect{10, 20, 200, 110}));
    EXPECT_EQ(w.Find<EditField>("corner").Bounds(), (Rect{250, 130, 40, 20}));
    EXPECT_EQ(w.Find<EditField>("none").Bounds(), (Rect{5, 5, 30, 10}));
}

TEST_F(FrameworkTest, StoredLimitsNeverShrinkTheOpeningSize) {
    class Fixed : public Window {
      protected:
        void Layout() override {
            SetProperties({.width = 515,
                           .height = 440,
                           .maxWidth = 500,
                           .maxHeight = 500,
                           .resizeable = false});
        }
    };
    auto& w = GetImplicitWindow<Fixed>("Fixed");
    W(w)->resize(900, 900);
    Settle();
    EXPECT_EQ(w.Width(), 515);
    EXPECT_EQ(w.Height(), 440);
}

TEST_F(FrameworkTest, CommandGoesToItsOwnActionThenTheFrontWindowThenTheApplication) {
    MenuBar bar;
    auto& menu = bar.Append(std::make_unique<MenuItem>(MenuItem::Props{.name = "M", .text = "M"}));
    auto& item =
        menu.Append(std::make_unique<MenuItem>(MenuItem::Props{.name = "Cmd", .text = "C"}));
    std::vector<std::string> calls;
    auto app = std::make_unique<Application>();
    app->SetMenuBar(bar);
    app->AddMenuHandler("Cmd", [&] {
        calls.push_back("application");
        return false;
    });
    SetApplication(std::move(app));

    struct Row {
        const char* what;
        std::optional<bool> windowReturns;  // no handler on the window when empty
        std::vector<std::string> expected;
    };
    const std::vector<Row> rows{
        {"no window handler", std::nullopt, {"application"}},
        {"window handler passes it on", false, {"window", "application"}},
        {"window handler finishes it", true, {"window"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CloseAllWindows();
        auto& w = Probe();
        if (row.windowReturns) {
            w.Bind("Cmd", [&calls, result = *row.windowReturns] {
                calls.push_back("window");
                return result;
            });
        }
        testing_support::Activate(w);
        calls.clear();
        item.QtAction()->trigger();
        EXPECT_EQ(calls, row.expected);
    }
    CloseAllWindows();
    SetApplication(nullptr);
}

// Quitting and exception reports end the process, so they run in a child process each.
TEST(FrameworkQuit, SecondRequestAddsNothing) {
    EXPECT_EXIT(
        {
            RecordingPlatform platform;
            auto& w = Probe();
            Quit(3);
            Quit(0);
            const bool ok = w.closes == 1 && LiveWindows().empty() && Quitting();
            RunEventLoop();  // must return at once
            std::exit(ok ? ExitStatus() : 99);
        },
        ::testing::ExitedWithCode(3), "");
}

TEST(FrameworkQuit, ExceptionInHandlerIsReportedAndQuits) {
    EXPECT_EXIT(
        {
            RecordingPlatform platform;
            auto& w = Probe();
            w.onButton = [] { throw std::runtime_error("boom"); };
            QTest::mouseClick(static_cast<QPushButton*>(W(w.Find<PushButton>("button"))),
                              Qt::LeftButton);
            const bool ok = platform.reports == std::vector<std::string>{"boom"} && Quitting();
            std::exit(ok ? ExitStatus() : 99);
        },
        ::testing::ExitedWithCode(1), "");
}

}  // namespace
