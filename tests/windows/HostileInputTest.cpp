// Hostile texts, then tens of thousands of random real events, against the whole program. After
// every Calculate the result must equal what the field texts give when computed apart from the
// program, or the one message must have left every field as it was. Under the sanitizers this is
// also where a use after free, a leak or a runaway growth of windows shows itself.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <functional>
#include <optional>
#include <random>
#include <string>

#include "calc/TextNumber.h"
#include "framework/PictureView.h"
#include "tests/support/AppTest.h"
#include "windows/Menu.h"

using namespace testing_support;
using calc::Val;

namespace {

// What a person who knows the arithmetic expects from the seven entry texts.
std::optional<long double> ExpectedPercent(const std::array<std::string, 8>& in) {
    std::array<long double, 7> v{};
    for (std::size_t i = 0; i < 7; ++i) v[i] = Val(in[i]);
    if (v[0] > 0 && v[1] > 0 && v[2] > 0 && v[3] > 0) return 100 * v[0] / (v[0] + v[1]);
    if (v[4] > 0 && v[5] > 0 && v[6] > 0 && v[4] <= 100 && v[5] <= 100 && v[6] <= 100) {
        return 100 * v[4] * v[5] / (v[4] * v[5] + (100 - v[4]) * v[6]);
    }
    return std::nullopt;
}

class HostileInputTest : public CalculatorTest {
  protected:
    // Presses Calculate and checks what it did against the texts it was given.
    void CalculateAndCheck() {
        const auto before = Texts();
        const auto expected = ExpectedPercent(before);
        platform.messages.clear();
        Press("CalculateBtn");
        if (platform.messages.empty()) {
            ++results;
            ASSERT_TRUE(expected.has_value()) << "a result where none can be had";
            ASSERT_NEAR(Val(Text("pppFld")), *expected, 0.0500001) << Text("pppFld");
            return;
        }
        ++messages;
        const std::string message = platform.messages.size() == 1 ? platform.messages[0] : "two";
        const bool incomplete = message == "Enter the 4 frequencies OR the 3 percentages.";
        ASSERT_TRUE(incomplete || message == "Percentages cannot be greater than 100.") << message;
        ASSERT_FALSE(expected && incomplete) << "a complete input called incomplete";
        ASSERT_EQ(Texts(), before) << "a message changes no field";
    }

    int results = 0, messages = 0;
};

// clang-format off
const std::vector<QString> kHostile{
    "", "   ", "0", "-5", "1.2.3", "12abc", ".", "1e999", "inf", "0x10", "1,5", "12,345",
    "1\n2", "1\r\n2", "\t7\t", "+3", "5.", "99999", "123456789", "100.0001", "0.0000001",
    "%s%n%x", QString(10000, QLatin1Char('9')), QString(QChar(0)) + "12",
    // Right-to-left, Arabic-Indic digits, a combining accent, a zero-width space, outside the BMP.
    QString::fromUtf16(u"\u05e9\u05dc\u05d5\u05dd 12"), QString::fromUtf16(u"\u0661\u0662\u0663"), QString::fromUtf16(u"5\u0301"),
    QString::fromUtf16(u"\u200b5"), QString::fromUtf16(u"\U0001F600"),
};
// A complete, valid set of each kind around the field under attack.
const std::array<std::array<const char*, 7>, 2> kBase{{
    {"15", "299", "15", "9671", "", "", ""},
    {"", "", "", "", "0.3", "50", "3"},
}};
// clang-format on

TEST_F(HostileInputTest, EveryFieldTakesHostileTextsTypedOrPastedSafely) {
    for (std::size_t target = 0; target < 7; ++target) {
        auto& field = Field(kFields[target]);
        for (bool paste : {false, true}) {
            for (const QString& hostile : kHostile) {
                SCOPED_TRACE(testing::Message()
                             << kFields[target] << paste << hostile.left(20).toStdString());
                for (std::size_t i = 0; i < 7; ++i)
                    Field(kFields[i]).SetText(i == target ? "" : kBase[target > 3][i]);
                field.SetFocus();
                QApplication::clipboard()->setText(hostile);
                // Typed one key press per character, as a keyboard or an input method sends them.
                if (paste) {
                    QTest::keyClick(field.Widget(), Qt::Key_V, Qt::ControlModifier);
                } else {
                    for (QChar c : hostile)
                        QTest::sendKeyEvent(QTest::Press, field.Widget(), Qt::Key_unknown, c, {});
                }
                ASSERT_LE(QString::fromStdString(field.Text()).size(), field.LimitText());
                ASSERT_NO_FATAL_FAILURE(CalculateAndCheck());
            }
        }
    }
    // Both outcomes are exercised, or the table proves little.
    EXPECT_GT(results, 50);
    EXPECT_GT(messages, 50);
}

TEST_F(HostileInputTest, RandomEventsAgainstTheWholeProgram) {
    const char* countText = std::getenv("SOAK_EVENTS");
    const int events = countText ? std::atoi(countText) : 20000;
    const unsigned seed = 20061206;
    std::mt19937 rng(seed);
    auto pick = [&rng](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
    };
    // clang-format off
    const std::vector<QString> pastes{"12", "0.3", "50", "3", "9671", "1.2.3", "abc", "", "0", "15", QString(300, '7'), "\n5\n"};
    const std::vector<Qt::Key> keys{Qt::Key_0, Qt::Key_5, Qt::Key_9, Qt::Key_Period, Qt::Key_Comma, Qt::Key_A, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Return, Qt::Key_Tab};
    const std::vector<const char*> commands{"ControlMenuItem", "DescriptionMenuItem", "AboutMenuItem", "AboutQor", "ExplanationMenuItem", "EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"};
    // What a person may do next, typing the likeliest.
    const std::vector<std::function<void(framework::EditField&)>> actions{
        [&](auto& f) { QTest::keyClick(f.Widget(), keys[pick(keys.size())]); },
        [&](auto& f) { QTest::keyClick(f.Widget(), keys[pick(keys.size())]); },
        [&](auto& f) { QTest::keyClick(f.Widget(), keys[pick(keys.size())]); },
        [&](auto& f) { QApplication::clipboard()->setText(pastes[pick(pastes.size())]); QTest::keyClick(f.Widget(), Qt::Key_V, Qt::ControlModifier); },
        [&](auto&) { CalculateAndCheck(); },
        [&](auto&) { if (pick(8) == 0) Press("ClearBtn"); },
        // A command as the menus carry it out: update, then dispatch if enabled.
        [&](auto&) { framework::UpdateMenus(); auto* item = app::Menu().Find(commands[pick(commands.size())]); if (item->Enabled()) item->QtAction()->trigger(); },
        [&](auto&) { if (auto* d = framework::FindImplicitWindow("DescriptionWnd")) d->CloseWindow(); else QTest::mouseClick(window->Find<framework::Canvas>("Canvas2").Widget(), Qt::LeftButton); },
        [&](auto&) { if (pick(2)) app::AboutWnd().Show(); else QTest::keyClick(app::AboutWnd().Widget(), Qt::Key_Space); },
        [&](auto&) { window->Widget()->activateWindow(); },
        // The explanation follows, its curves read by pointer and keys, or it goes.
        [&](auto&) { auto* e = framework::FindImplicitWindow("ExplanationWnd"); if (!e) return; QWidget* c = e->Find<framework::PictureView>("CurvesPic").Widget(); if (pick(4) == 0) e->CloseWindow(); else if (pick(2)) QTest::mouseMove(c, QPoint(int(pick(700)), 100)); else QTest::keyClick(c, pick(2) ? Qt::Key_Left : Qt::Key_Right); },
    };
    // clang-format on
    for (int i = 0; i < events; ++i) {
        SCOPED_TRACE(testing::Message() << "event " << i << ", seed " << seed);
        auto& field = Field(kFields[pick(8)]);
        ASSERT_NO_FATAL_FAILURE(actions[pick(actions.size())](field));
        if (i % 64 == 0) Settle();
    }
    Settle();
    EXPECT_GT(results, 300);
    EXPECT_EQ(framework::FindImplicitWindow("ControlWnd"), window) << "still the one";
    EXPECT_FALSE(framework::Quitting());
}

}  // namespace
