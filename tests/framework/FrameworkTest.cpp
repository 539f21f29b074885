#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
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

// A small window recording what the framework asks of it.
class ProbeWnd : public Window {
  public:
    std::vector<std::string> log, keys;
    int closes = 0;
    std::function<void()> onButton;
    static inline bool startsVisible = true;
    using Window::AddMenuHandler;
    void ClickButton() { QTest::mouseClick(W(Find<PushButton>("button")), Qt::LeftButton); }

  protected:
    void Layout() override {
        log.push_back("Layout");
        SetProperties({.width = 240, .height = 160, .visible = startsVisible});
    }
    void CreateControls() override {
        log.push_back("CreateControls");
        auto refuseX = [this](std::string_view key) {
            keys.emplace_back(key);
            if (key == "x") Beep();
            return key == "x";
        };
        // clang-format off
        Add<EditField>("multi", {.bounds = {10, 10, 60, 18}, .multiLine = true, .limitText = 5}).KeyDown = refuseX;
        Add<EditField>("single", {.bounds = {10, 40, 80, 20}, .limitText = 9}).KeyDown = refuseX;
        Add<PushButton>("button", {.bounds = {10, 80, 80, 30}}).Action = [this] { if (onButton) onButton(); };
        // clang-format on
    }
    void AddMenuHandlers() override { log.push_back("AddMenuHandlers"); }
    void Open() override { log.push_back(Visible() ? "Open visible" : "Open invisible"); }
    void Close() override { ++closes; }
};

class FrameworkTest : public ::testing::Test {
  protected:
    void TearDown() override { CloseAllWindows(); }
    ProbeWnd& Probe() { return GetImplicitWindow<ProbeWnd>("ProbeWnd"); }
    RecordingPlatform platform;
};

TEST_F(FrameworkTest, BuildsInOrderAndOpensInvisibleWindowsToo) {
    auto& shown = Probe();
    ProbeWnd::startsVisible = false;
    auto& hidden = GetImplicitWindow<ProbeWnd>("HiddenProbeWnd");
    ProbeWnd::startsVisible = true;
    // Open runs before the window is put on screen, visible or not.
    const std::vector<std::string> order{"Layout", "CreateControls", "AddMenuHandlers",
                                         "Open invisible"};
    EXPECT_EQ(shown.log, order);
    EXPECT_EQ(hidden.log, order);
    EXPECT_TRUE(shown.Visible());
    EXPECT_FALSE(hidden.Visible());
    EXPECT_THROW(shown.Find<EditField>("missing"), NilObjectException);
    EXPECT_THROW(shown.Find<PushButton>("multi"), NilObjectException) << "the class counts too";
}

// A window closed from its own handler leaves the record at once, yet lives on until its
// handler has run to the end.
TEST_F(FrameworkTest, OneLiveWindowPerClass) {
    auto* first = &Probe();
    first->Hide();
    EXPECT_EQ(&Probe(), first) << "a hidden window is found again";
    bool ranToEnd = false;
    first->onButton = [first, &ranToEnd] {
        first->CloseWindow();
        first->Find<EditField>("single").SetText("alive");
        ranToEnd = first->Find<EditField>("single").Text() == "alive";
    };
    first->ClickButton();
    EXPECT_TRUE(ranToEnd);
    EXPECT_EQ(first->closes, 1);
    EXPECT_EQ(FindImplicitWindow("ProbeWnd"), nullptr) << "a closed window is found no more";
    auto* fresh = &Probe();
    EXPECT_NE(fresh, first) << "but built afresh";
    Settle();
    EXPECT_EQ(LiveWindows(), std::vector<Window*>{fresh});
}

TEST_F(FrameworkTest, DeliversEachTypedKeyToKeyDown) {
    // clang-format off
    const std::vector<std::tuple<Qt::Key, Qt::KeyboardModifiers, QString, std::string>> rows{
        {Qt::Key_7, Qt::NoModifier, "7", "7"},
        {Qt::Key_A, Qt::NoModifier, "a", "a"},
        {Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("\xc3\xa9"), "\xc3\xa9"},
        {Qt::Key_Backspace, Qt::NoModifier, "", "\x08"},
        {Qt::Key_Return, Qt::NoModifier, "\r", "\r"},
        {Qt::Key_Delete, Qt::NoModifier, "", "\x7f"},
        {Qt::Key_Left, Qt::NoModifier, "", "\x1c"},
        {Qt::Key_V, Qt::ControlModifier, "v", "\x16"},
    };
    // clang-format on
    auto& w = Probe();
    for (const char* name : {"multi", "single"}) {
        for (const auto& [key, mods, text, expected] : rows) {
            SCOPED_TRACE(std::string(name) + " key " + std::to_string(key));
            w.keys.clear();
            QKeyEvent press(QEvent::KeyPress, key, mods, text);
            QApplication::sendEvent(W(w.Find<EditField>(name)), &press);
            EXPECT_EQ(w.keys, std::vector<std::string>{expected});
        }
    }
}

// However text arrives (a key, a key bringing several characters, an input method's commit),
// KeyDown sees each character: one refused refuses the whole text with one beep, and the
// field's limit holds. Each row types into "12" with the caret after the 1.
TEST_F(FrameworkTest, TypedTextIsFilteredWholeAndLimited) {
    // clang-format off
    const std::vector<std::tuple<const char*, bool, QString, std::string, int>> rows{
        {"multi", false, "x", "12", 1},
        {"single", false, "x", "12", 1},
        {"single", false, "1x2", "12", 1},
        {"multi", false, "3", "132", 0},
        {"multi", true, "1x", "12", 1},
        {"single", true, "1x", "12", 1},
        {"multi", true, "345678", "13452", 0},
        {"single", true, "3456789012", "134567892", 0},
    };
    // clang-format on
    auto& w = Probe();
    for (const auto& [name, inputMethod, typed, expected, beeps] : rows) {
        SCOPED_TRACE(std::string(name) + " " + typed.toStdString());
        auto& field = w.Find<EditField>(name);
        field.SetText("12");
        field.SetSelStart(1);
        platform.beeps = 0;
        QInputMethodEvent commit;
        commit.setCommitString(typed);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
        QApplication::sendEvent(W(field), inputMethod ? static_cast<QEvent*>(&commit) : &press);
        EXPECT_EQ(field.Text(), expected);
        EXPECT_EQ(field.SelStart(), static_cast<int>(expected.size()) - 1);
        EXPECT_EQ(platform.beeps, beeps);
    }
}

TEST_F(FrameworkTest, LimitTextHoldsAgainstTypingAndPaste) {
    auto& w = Probe();
    const std::string longText(10000, '7');
    for (auto [name, limit] : {std::pair{"multi", 5}, std::pair{"single", 9}}) {
        SCOPED_TRACE(name);
        auto& field = w.Find<EditField>(name);
        field.SetText("");
        QTest::keyClicks(W(field), "12345678901234");
        EXPECT_EQ(field.Text(), std::string("12345678901234").substr(0, limit));
        field.SetText("1");
        field.SetSelStart(1);
        QApplication::clipboard()->setText(QString::fromStdString(longText));
        QTest::keyClick(W(field), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(field.Text(), "1" + longText.substr(0, limit - 1));
        // One undo takes back the whole paste, the trimming included.
        QTest::keyClick(W(field), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(field.Text(), "1");
    }
}

TEST_F(FrameworkTest, LockedControlsFollowTheEdgesOfAResizedWindow) {
    class Stretchy : public Window {
      protected:
        void Layout() override { SetProperties({.width = 200, .height = 100}); }
        void CreateControls() override {
            // clang-format off
            Add<EditField>("all", {.bounds = {10, 20, 100, 50}, .locks = {true, true, true, true}});
            Add<EditField>("corner", {.bounds = {150, 70, 40, 20}, .locks = {false, false, true, true}});
            Add<EditField>("none", {.bounds = {5, 5, 30, 10}});
            // clang-format on
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

// Each row: what the front window's handler answers (none when empty), and who runs.
TEST_F(FrameworkTest, CommandGoesToTheFrontWindowThenTheApplication) {
    MenuBar bar;
    auto& item = bar.Append(std::make_unique<MenuItem>(MenuItem::Props{.name = "M", .text = "M"}))
                     .Append(std::make_unique<MenuItem>(MenuItem::Props{.name = "Cmd"}));
    std::vector<std::string> calls;
    auto app = std::make_unique<Application>();
    app->SetMenuBar(bar);
    app->AddMenuHandler("Cmd", [&] { return calls.push_back("application"), false; });
    SetApplication(std::move(app));
    for (const auto& [answer, expected] :
         std::vector<std::pair<std::optional<bool>, std::vector<std::string>>>{
             {std::nullopt, {"application"}},
             {false, {"window", "application"}},
             {true, {"window"}}}) {
        CloseAllWindows();
        auto& w = Probe();
        if (answer)
            w.AddMenuHandler("Cmd", [&calls, a = *answer] { return calls.push_back("window"), a; });
        testing_support::Activate(w);
        calls.clear();
        item.QtAction()->trigger();
        EXPECT_EQ(calls, expected);
    }
    CloseAllWindows();
    SetApplication(nullptr);
}

// Quitting ends the process, so it runs in a child process: an exception in a handler is
// reported and quits with status 1, and a later request changes nothing.
TEST(FrameworkQuit, ExceptionIsReportedAndQuitsAndASecondRequestAddsNothing) {
    EXPECT_EXIT(
        {
            RecordingPlatform platform;
            auto& w = GetImplicitWindow<ProbeWnd>("ProbeWnd");
            w.onButton = [] { throw std::runtime_error("boom"); };
            w.ClickButton();
            Quit(0);
            const bool ok = platform.reports == std::vector<std::string>{"boom"} && w.closes == 1 &&
                            LiveWindows().empty() && Quitting();
            RunEventLoop();  // must return at once
            std::exit(ok ? ExitStatus() : 99);
        },
        ::testing::ExitedWithCode(1), "");
}

}  // namespace
