// Hostile texts, then tens of thousands of random real events, against the whole program. After
// every Calculate the result must equal what the field texts give when computed apart from the
// program, or the one message must have left every field as it was. Under the sanitizers this is
// also where a use after free, a leak or a runaway growth of windows shows itself.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

#include "app/Menu.h"
#include "framework/TextNumber.h"
#include "tests/support/AppTest.h"

using namespace testing_support;
using framework::Val;

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
        const std::string ppp = Text("pppFld");
        if (platform.messages.empty()) {
            ++results;
            ASSERT_TRUE(expected.has_value()) << "a result where none can be had: " << ppp;
            ASSERT_FALSE(ppp.empty());
            ASSERT_NEAR(static_cast<long double>(Val(ppp)), *expected, 0.0500001L) << ppp;
            return;
        }
        ++messages;
        ASSERT_EQ(platform.messages.size(), 1u);
        const bool incomplete =
            platform.messages[0] == "Enter the 4 frequencies OR the 3 percentages.";
        ASSERT_TRUE(incomplete || platform.messages[0] == "Percentages cannot be greater than 100.")
            << platform.messages[0];
        ASSERT_FALSE(expected.has_value() && incomplete) << "a complete input called incomplete";
        ASSERT_EQ(Texts(), before) << "a message changes no field";
    }

    int results = 0;
    int messages = 0;
};

// clang-format off
const std::vector<QString>& HostileTexts() {
    static const std::vector<QString> texts{
        "", "   ", "0", "-5", "1.2.3", "12abc", ".", "1e999", "inf", "0x10", "1,5", "12,345",
        "1\n2", "1\r\n2", "\t7\t", "+3", "5.", "99999", "123456789", "100.0001", "0.0000001",
        "%s%n%x", QString(10000, QLatin1Char('9')), QString(QChar(0)) + "12",
        QString::fromUtf8("\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d 12"),  // right-to-left
        QString::fromUtf8("\xd9\xa1\xd9\xa2\xd9\xa3"),             // Arabic-Indic digits
        QString::fromUtf8("5\xcc\x81"),                            // combining accent
        QString::fromUtf8("\xe2\x80\x8b" "5"),                     // zero-width space
        QString::fromUtf8("\xf0\x9f\x98\x80"),                      // outside the BMP
    };
    return texts;
}
// clang-format on

TEST_F(HostileInputTest, EveryFieldTakesHostileTextsTypedOrPastedSafely) {
    for (std::size_t target = 0; target < 7; ++target) {
        const char* name = kFields[target];
        auto& field = Field(name);
        for (bool paste : {false, true}) {
            for (const QString& hostile : HostileTexts()) {
                SCOPED_TRACE(std::string(name) + (paste ? " pasted: " : " typed: ") +
                             hostile.left(20).toStdString());
                // A complete, valid set around the field under attack.
                const bool frequency = target < 4;
                const std::array<const char*, 7> base =
                    frequency ? std::array<const char*, 7>{"15", "299", "15", "9671", "", "", ""}
                              : std::array<const char*, 7>{"", "", "", "", "0.3", "50", "3"};
                for (std::size_t i = 0; i < 7; ++i) Field(kFields[i]).SetText(base[i]);
                field.SetText("");
                field.SetFocus();
                if (paste) {
                    QApplication::clipboard()->setText(hostile);
                    QTest::keyClick(field.Widget(), Qt::Key_V, Qt::ControlModifier);
                } else {
                    // One key press per character, as a keyboard or an input method sends them.
                    for (QChar c : hostile) {
                        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c);
                        QApplication::sendEvent(field.Widget(), &press);
                    }
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
    auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const std::vector<QString> pastes{
        "12", "0.3", "50", "3", "9671", "1.2.3", "abc", "", "0", "15", QString(300, '7'), "\n5\n"};
    const std::vector<Qt::Key> keys{
        Qt::Key_0,         Qt::Key_5,      Qt::Key_9,    Qt::Key_Period, Qt::Key_Comma, Qt::Key_A,
        Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Return, Qt::Key_Tab};
    const std::vector<const char*> commands{"ControlMenuItem", "DescriptionMenuItem",
                                            "AboutMenuItem",   "AboutQor",
                                            "EditUndo",        "EditCut",
                                            "EditCopy",        "EditPaste",
                                            "EditClear"};
    for (int i = 0; i < events; ++i) {
        SCOPED_TRACE(testing::Message() << "event " << i << ", seed " << seed);
        auto& field = Field(kFields[pick(8)]);
        switch (pick(10)) {
            case 0:
            case 1:
            case 2:
                QTest::keyClick(field.Widget(), keys[pick(static_cast<int>(keys.size()))]);
                break;
            case 3:
                QApplication::clipboard()->setText(pastes[pick(static_cast<int>(pastes.size()))]);
                QTest::keyClick(field.Widget(), Qt::Key_V, Qt::ControlModifier);
                break;
            case 4:
                ASSERT_NO_FATAL_FAILURE(CalculateAndCheck());
                break;
            case 5:
                if (pick(8) == 0) Press("ClearBtn");
                break;
            case 6: {
                // A command as the menus carry it out: update, then dispatch if enabled.
                framework::UpdateMenus();
                auto* item = app::Menu().Find(commands[pick(static_cast<int>(commands.size()))]);
                if (item->Enabled()) item->QtAction()->trigger();
                break;
            }
            case 7:
                if (auto* d = framework::FindImplicitWindow("DescriptionWnd")) {
                    d->CloseWindow();
                } else {
                    QTest::mouseClick(window->Find<framework::Canvas>("Canvas2").Widget(),
                                      Qt::LeftButton);
                }
                break;
            case 8:
                if (pick(2)) {
                    app::AboutWnd().Show();
                } else {
                    QTest::keyClick(app::AboutWnd().Widget(), Qt::Key_Space);
                }
                break;
            case 9:
                window->Widget()->activateWindow();
                break;
        }
        if (i % 64 == 0) Settle();
    }
    Settle();
    EXPECT_GT(results, 300);
    EXPECT_EQ(framework::FindImplicitWindow("ControlWnd"), window) << "still the one";
    EXPECT_FALSE(framework::Quitting());
}

}  // namespace
