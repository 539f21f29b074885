#pragma once

// Shared by the tests of the program's windows: start-up as the program does it, and a person's
// ways of using the menus.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <array>
#include <string>

#include "app/HandleAboutMenu.h"
#include "tests/support/GuiTest.h"
#include "windows/AboutWnd.h"
#include "windows/ControlWnd.h"
#include "windows/DescriptionWnd.h"
#include "windows/ExplanationWnd.h"
#include "windows/InvisibleWnd.h"
#include "windows/Windows.h"

namespace testing_support {

class AppTest : public ::testing::Test {
  protected:
    void SetUp() override {
        app::Start();
        Settle();
    }
    void TearDown() override { CloseAllWindows(); }

    // The calculator, in front, as it is once the start-up screen has gone.
    windows::ControlWnd& Calculator() {
        Activate(app::ControlWnd());
        return app::ControlWnd();
    }

    RecordingPlatform platform;
};

// The calculator's entry fields in reading order, then the result field.
inline constexpr std::array<const char*, 8> kFields{"tpFld",  "fpFld", "fnFld", "tnFld",
                                                    "preFld", "dtFld", "tFld",  "pppFld"};

// The calculator in front, with its fields and buttons at hand by name.
class CalculatorTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        window = &Calculator();
    }
    framework::EditField& Field(const char* name) {
        return window->Find<framework::EditField>(name);
    }
    std::string Text(const char* name) { return Field(name).Text(); }
    std::array<std::string, 8> Texts() {
        std::array<std::string, 8> out;
        for (std::size_t i = 0; i < kFields.size(); ++i) out[i] = Text(kFields[i]);
        return out;
    }
    // Types into a field with real key presses, after a click into it.
    void Type(const char* name, const QString& keys) {
        QWidget* w = Field(name).Widget();
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() - 3, w->height() / 2));
        QTest::keyClicks(w, keys);
    }
    void Press(const char* button) {
        QTest::mouseClick(window->Find<framework::PushButton>(button).Widget(), Qt::LeftButton);
        Settle();
    }

    windows::ControlWnd* window = nullptr;
};

// The live window of one of the program's classes, built when there is none.
inline framework::Window& WindowOfClass(std::string_view name) {
    if (name == "ControlWnd") return app::ControlWnd();
    if (name == "DescriptionWnd") return app::DescriptionWnd();
    if (name == "ExplanationWnd") return app::ExplanationWnd();
    return app::AboutWnd();
}

// Opens a menu of the window's bar as a person would: with a click on its title, or from the
// keyboard, where Alt puts the keyboard in the bar and the arrows walk to the menu and open it.
// The framework brings every item's state up to date as the menu opens. The menu is left open.
inline QMenu* OpenMenu(framework::Window& window, const QString& title, bool byKeys = false) {
    auto* bar = window.Widget()->findChild<QMenuBar*>();
    QMenu* menu = nullptr;
    for (QAction* a : bar->actions()) menu = a->text().remove('&') == title ? a->menu() : menu;
    if (!menu) return nullptr;
    if (byKeys) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Alt, Qt::AltModifier);
    for (int i = 0; byKeys && i < 8 && bar->activeAction() != menu->menuAction(); ++i) {
        QTest::keyClick(bar, Qt::Key_Right);
    }
    byKeys ? QTest::keyClick(bar, Qt::Key_Down)
           : QTest::mouseClick(bar, Qt::LeftButton, {},
                               bar->actionGeometry(menu->menuAction()).center());
    return QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000) ? menu : nullptr;
}

// The items enabled when the menu is opened in front of the window, in menu order. Opened from
// the keyboard, Escape twice gives the keyboard back.
inline std::string EnabledItems(framework::Window& window, const QString& title,
                                bool byKeys = false) {
    QMenu* menu = OpenMenu(window, title, byKeys);
    if (!menu) return "no menu";
    QStringList items;
    for (QAction* a : menu->actions()) {
        if (a->isEnabled() && !a->isSeparator()) items << a->text();
    }
    byKeys ? QTest::keyClick(menu, Qt::Key_Escape) : void(menu->close());
    if (byKeys) QTest::keyClick(window.Widget()->findChild<QMenuBar*>(), Qt::Key_Escape);
    return items.join(", ").toStdString();
}

// Chooses an enabled item with a click, as a person would.
inline bool Choose(framework::Window& window, const QString& title, const QString& item) {
    QMenu* menu = OpenMenu(window, title);
    for (QAction* a : menu ? menu->actions() : QList<QAction*>{}) {
        if (a->text() != item || !a->isEnabled()) continue;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
        Settle();
        return true;
    }
    if (menu) menu->close();
    return false;
}

}  // namespace testing_support
