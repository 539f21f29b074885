// Hostile texts typed and pasted into every entry field of the real calculator window, then
// Calculate: each must give either a correct result or a clear message that leaves every field as
// it was; never a crash, a wrong number or a sanitizer report.

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "framework/TextNumber.h"
#include "tests/support/AppTest.h"

using namespace testing_support;
using framework::EditField;
using framework::Val;

namespace {

const std::array<const char*, 7> kEntry{"tpFld",  "fpFld", "fnFld", "tnFld",
                                        "preFld", "dtFld", "tFld"};

const std::vector<QString>& HostileTexts() {
    static const std::vector<QString> texts{
        "",
        " ",
        "   ",
        "0",
        "-5",
        "1.2.3",
        "12abc",
        ".",
        "1e999",
        "1e-320",
        "inf",
        "nan",
        "0x10",
        "1,5",
        "1\n2",
        "\t7\t",
        "+3",
        "-0",
        ".5",
        "5.",
        "00003",
        "99999",
        "123456789",
        "100",
        "100.0001",
        "0.0000001",
        QString(10000, QLatin1Char('9')),
        QString(10000, QLatin1Char('x')),
        QString::fromUtf8("\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d 12"),  // right-to-left
        QString::fromUtf8("\xd9\xa1\xd9\xa2\xd9\xa3"),             // Arabic-Indic digits
        QString::fromUtf8("5\xcc\x81"),                            // combining accent
        QString::fromUtf8("\xe2\x80\x8b"
                          "5"),                 // zero-width space
        QString::fromUtf8("\xf0\x9f\x98\x80"),  // outside the BMP
        QString::fromUtf8("\xef\xbc\x95"),      // full-width digit
        QString(QChar(0)) + "12",               // NUL
        "1\r\n2",
        "'; DROP TABLE --",
        "%s%n%x",
    };
    return texts;
}

// What a person who knows the arithmetic expects, computed apart from the program.
std::optional<long double> ExpectedPercent(const std::array<std::string, 7>& in) {
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
    // One key press per character, as a keyboard or an input method would deliver it.
    void TypeText(QWidget* w, const QString& text) {
        for (QChar c : text) {
            const Qt::Key key =
                c == QLatin1Char('\n') || c == QLatin1Char('\r') ? Qt::Key_Return : Qt::Key_unknown;
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &release);
        }
    }
};

TEST_F(HostileInputTest, EveryFieldTakesHostileTextsTypedOrPastedSafely) {
    const std::string incomplete = "Enter the 4 frequencies OR the 3 percentages.";
    const std::string tooLarge = "Percentages cannot be greater than 100.";
    int results = 0;
    int messages = 0;
    for (const char* target : kEntry) {
        const std::string_view name = target;
        const bool frequency =
            name == "tpFld" || name == "fpFld" || name == "fnFld" || name == "tnFld";
        for (bool paste : {false, true}) {
            for (const QString& hostile : HostileTexts()) {
                SCOPED_TRACE(std::string(target) + (paste ? " pasted: " : " typed: ") +
                             hostile.left(20).toStdString());
                // A complete, valid set around the field under attack.
                const std::array<const char*, 7> base =
                    frequency ? std::array<const char*, 7>{"15", "299", "15", "9671", "", "", ""}
                              : std::array<const char*, 7>{"", "", "", "", "0.3", "50", "3"};
                for (std::size_t i = 0; i < 7; ++i) Field(kEntry[i]).SetText(base[i]);
                Field("pppFld").SetText("old");
                auto& field = Field(target);
                field.SetText("");
                field.SetFocus();
                if (paste) {
                    QApplication::clipboard()->setText(hostile);
                    QTest::keyClick(field.Widget(), Qt::Key_V, Qt::ControlModifier);
                } else {
                    TypeText(field.Widget(), hostile);
                }
                // Typed or pasted, never past the field's limit (5 or 9).
                ASSERT_LE(QString::fromStdString(field.Text()).size(), field.LimitText());
                ASSERT_EQ(field.LimitText(), frequency ? 5 : 9);
                std::array<std::string, 7> before;
                for (std::size_t i = 0; i < 7; ++i) before[i] = Field(kEntry[i]).Text();

                platform.messages.clear();
                QTest::mouseClick(static_cast<QPushButton*>(
                                      window->Find<framework::PushButton>("CalculateBtn").Widget()),
                                  Qt::LeftButton);
                const std::string ppp = Field("pppFld").Text();
                const auto expected = ExpectedPercent(before);
                if (platform.messages.empty()) {
                    ++results;
                    ASSERT_TRUE(expected.has_value()) << "a result where none can be had: " << ppp;
                    ASSERT_FALSE(ppp.empty());
                    EXPECT_NEAR(static_cast<long double>(Val(ppp)), *expected, 0.05L) << ppp;
                    EXPECT_GE(Val(ppp), 0.0);
                    EXPECT_LE(Val(ppp), 100.0);
                } else {
                    ++messages;
                    ASSERT_EQ(platform.messages.size(), 1u);
                    EXPECT_TRUE(platform.messages[0] == incomplete ||
                                platform.messages[0] == tooLarge)
                        << platform.messages[0];
                    EXPECT_FALSE(expected.has_value() && platform.messages[0] == incomplete)
                        << "a complete input called incomplete";
                    for (std::size_t i = 0; i < 7; ++i) {
                        EXPECT_EQ(Field(kEntry[i]).Text(), before[i]) << kEntry[i];
                    }
                    EXPECT_EQ(ppp, "old") << "a message changes no field";
                }
            }
        }
    }
    // Both outcomes are exercised, or the table proves little.
    EXPECT_GT(results, 50);
    EXPECT_GT(messages, 50);
}

}  // namespace
