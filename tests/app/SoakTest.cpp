// Tens of thousands of random real events against the whole program: keys, pastes, Calculate,
// Clear, the picture, menu commands, the description window opened and closed, the About window
// shown and hidden. Under the sanitizers this is where a use after free, a leak or a slow growth
// of windows shows itself.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "app/Menu.h"
#include "framework/TextNumber.h"
#include "tests/support/AppTest.h"

using namespace testing_support;
using framework::EditField;

namespace {

const std::array<const char*, 8> kFields{"tpFld",  "fpFld", "fnFld", "tnFld",
                                         "preFld", "dtFld", "tFld",  "pppFld"};

class SoakTest : public AppTest {};

TEST_F(SoakTest, TwentyThousandRandomEvents) {
    const char* countText = std::getenv("SOAK_EVENTS");
    const int events = countText ? std::atoi(countText) : 20000;
    const unsigned seed = 20061206;
    std::mt19937 rng(seed);
    auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const std::vector<QString> pastes{"12",
                                      "0.3",
                                      "1.2.3",
                                      "abc",
                                      QString(300, '7'),
                                      "",
                                      "\n5\n",
                                      QString::fromUtf8("\xd9\xa3\xe2\x80\x8b")};
    const std::vector<Qt::Key> keys{Qt::Key_0,      Qt::Key_5,         Qt::Key_9,
                                    Qt::Key_Period, Qt::Key_A,         Qt::Key_Minus,
                                    Qt::Key_Space,  Qt::Key_Backspace, Qt::Key_Delete,
                                    Qt::Key_Left,   Qt::Key_Return,    Qt::Key_Tab};
    const std::vector<const char*> commands{"ControlMenuItem", "DescriptionMenuItem",
                                            "AboutMenuItem",   "AboutQor",
                                            "EditUndo",        "EditCut",
                                            "EditCopy",        "EditPaste",
                                            "EditClear"};

    auto& calculator = Calculator();
    std::size_t mostWindows = 0;
    for (int i = 0; i < events; ++i) {
        auto& field = calculator.Find<EditField>(kFields[pick(7)]);
        switch (pick(12)) {
            case 0:
            case 1:
            case 2: {
                const Qt::Key key = keys[pick(static_cast<int>(keys.size()))];
                QTest::keyClick(field.Widget(), key);
                break;
            }
            case 3:
                QApplication::clipboard()->setText(pastes[pick(static_cast<int>(pastes.size()))]);
                QTest::keyClick(field.Widget(), Qt::Key_V, Qt::ControlModifier);
                break;
            case 4:
            case 5:
                QTest::mouseClick(
                    static_cast<QPushButton*>(
                        calculator.Find<framework::PushButton>("CalculateBtn").Widget()),
                    Qt::LeftButton);
                break;
            case 6:
                QTest::mouseClick(static_cast<QPushButton*>(
                                      calculator.Find<framework::PushButton>("ClearBtn").Widget()),
                                  Qt::LeftButton);
                break;
            case 7:
                QTest::mouseClick(calculator.Find<framework::Canvas>("Canvas2").Widget(),
                                  Qt::LeftButton, {}, QPoint(pick(32), pick(32)));
                break;
            case 8: {
                // A command as the menus carry it out: update, then dispatch if enabled.
                framework::UpdateMenus();
                auto* item = app::Menu().Find(commands[pick(static_cast<int>(commands.size()))]);
                if (item->Enabled()) item->QtAction()->trigger();
                break;
            }
            case 9:
                if (auto* d = framework::FindImplicitWindow("DescriptionWnd")) {
                    d->CloseWindow();
                } else {
                    app::DescriptionWnd().Show();
                }
                break;
            case 10:
                if (pick(2)) {
                    app::AboutWnd().Show();
                } else {
                    QTest::keyClick(app::AboutWnd().Widget(), Qt::Key_Space);
                }
                break;
            case 11:
                calculator.Widget()->activateWindow();
                if (auto* d = framework::FindImplicitWindow("DescriptionWnd"); d && pick(2)) {
                    QTest::keyClicks(d->Find<EditField>("DescribeFld2").Widget(), "x");
                }
                break;
        }
        if (i % 64 == 0) Settle();
        mostWindows = std::max(mostWindows, framework::LiveWindows().size());
        ASSERT_LE(framework::LiveWindows().size(), 4u) << "event " << i << ", seed " << seed;
        // What the calculator shows stays sound whatever came before.
        const std::string ppp = calculator.Find<EditField>("pppFld").Text();
        if (!ppp.empty()) {
            const double v = framework::Val(ppp);
            ASSERT_TRUE(v >= 0 && v <= 100) << ppp << " at event " << i << ", seed " << seed;
        }
    }
    Settle();
    EXPECT_EQ(framework::FindImplicitWindow("ControlWnd"), &calculator) << "still the one";
    EXPECT_EQ(mostWindows, 4u) << "every window class took part";
    EXPECT_FALSE(framework::Quitting());
}

}  // namespace
