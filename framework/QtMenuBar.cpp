#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <functional>
#include <vector>

#include "framework/EditCommands.h"
#include "framework/Menu.h"
#include "framework/QtHelpers.h"

namespace framework {

namespace {

// The title with an '&' before its first letter that no other menu opens with.
QString WithFreeMnemonic(const QString& title, const std::vector<QMenu*>& others) {
    for (qsizetype i = 0; i < title.size(); ++i) {
        const QString marked = title.left(i) + QLatin1Char('&') + title.mid(i);
        const auto key = QKeySequence::mnemonic(marked);
        if (title[i].isLetter() && std::none_of(others.begin(), others.end(), [&](QMenu* m) {
                return QKeySequence::mnemonic(m->title()) == key;
            })) {
            return marked;
        }
    }
    return title;
}

}  // namespace

QMenuBar* BuildQtMenuBar(MenuBar& bar, QWidget* parent) {
    // From the first bar on, the Edit items need to know where the focus was before it.
    WatchFocusBeforeMenus();
    auto* qbar = new QMenuBar(parent);
    std::vector<QAction*> applicationItems;
    std::function<void(QMenu*, const MenuItem&)> fill = [&](QMenu* menu, const MenuItem& item) {
        for (const auto& child : item.Children()) {
            if (child->InApplicationMenu()) {
                applicationItems.push_back(child->QtAction());
            } else if (child->IsSeparator()) {
                menu->addSeparator();
            } else if (!child->Children().empty()) {
                QMenu* sub = menu->addMenu(child->QtAction()->text());
                QObject::connect(sub, &QMenu::aboutToShow, sub, &UpdateMenus);
                fill(sub, *child);
            } else {
                menu->addAction(child->QtAction());
            }
        }
    };
    std::vector<QMenu*> menus;
    for (const auto& top : bar.Children()) {
        auto* menu = new QMenu(top->QtAction()->text(), qbar);
        QObject::connect(menu, &QMenu::aboutToShow, menu, &UpdateMenus);
        fill(menu, *top);
        menus.push_back(menu);
    }
#ifdef Q_OS_MACOS
    // The platform's own application menu takes these items by their role.
    for (QAction* a : applicationItems) menus.front()->addAction(a);
#else
    // Without a platform application menu, the framework shows one, first in the bar, and opens
    // it with Alt as the others open.
    if (!applicationItems.empty()) {
        auto* appMenu = qbar->addMenu(WithFreeMnemonic(ToQ(ApplicationName()), menus));
        QObject::connect(appMenu, &QMenu::aboutToShow, appMenu, &UpdateMenus);
        for (QAction* a : applicationItems) appMenu->addAction(a);
    }
#endif
    for (QMenu* menu : menus) qbar->addMenu(menu);
    return qbar;
}

}  // namespace framework
