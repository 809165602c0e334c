#include <algorithm>

#include "app/main_window.h"
#include "app/program_state.h"
#include "app/settings_file.h"
#include "app/settings_rules.h"
#include "tabs/main_layout.h"
#include "tabs/tab_geometry.h"
#include "tabs/tabs.h"

namespace {

MainWindow& mw() { return *mainWindow(); }

ui::Control& at(std::vector<ui::Control*>& v, int n) { return *v[n - 1]; }

}  // namespace

void placeTabBox(int n) {
    ControlRect r = tabBoxRect(n, favoritesBarShown);
    at(tabSet.tabBoxes, n).move(r.left, r.top, r.width, r.height);
}

void placeBrowserBox(int n) {
    ControlRect r = browserBoxRect(mw().width(), mw().height(), favoritesBarShown);
    at(tabSet.tabBrowsers, n).move(r.left, r.top, r.width, r.height);
}

void setTabPartsTop(int n) {
    at(tabSet.tabTitles, n).setTop(tabTitleTop(favoritesBarShown));
    at(tabSet.tabIcons, n).setTop(tabIconTop(favoritesBarShown));
    at(tabSet.tabCloseButtons, n).setTop(tabCloseButtonTop(favoritesBarShown));
}

// Titles, icons and close buttons follow the tab box as it is now, wherever it was moved.
void setTabPartsLeft(int n) {
    ui::Control& box = at(tabSet.tabBoxes, n);
    at(tabSet.tabTitles, n).setLeft(tabTitleLeft(box.left()));
    at(tabSet.tabIcons, n).setLeft(tabIconLeft(box.left()));
    at(tabSet.tabCloseButtons, n).setLeft(tabCloseButtonLeft(box.left(), box.width()));
    mw()["新建标签按钮"].setLeft(newTabButtonLeft(box.left(), box.width()));
}

void setNewTabButtonTop() { mw()["新建标签按钮"].setTop(newTabButtonTop(favoritesBarShown)); }

void openTab(const std::string& address) {
    MainWindow& w = mw();
    // 1-2. Grow the arrays and make the five copies, in this order.
    int n = tabSet.count() + 1;
    tabSet.tabBrowsers.push_back(&w.copy(w["源浏览框"]));
    tabSet.tabCloseButtons.push_back(&w.copy(w["源关闭标签按钮"]));
    tabSet.tabBoxes.push_back(&w.copy(w["源标签框"]));
    tabSet.tabTitles.push_back(&w.copy(w["标题栏"]));
    tabSet.tabIcons.push_back(&w.copy(w["源网页图标"]));

    // 3-4.
    placeTabBox(n);
    ui::Control& box = at(tabSet.tabBoxes, n);
    box.setPicture(activeTabPicture());
    placeBrowserBox(n);

    // 5-8.
    TabPartsPlace p = tabPartsPlace(box.left(), box.width(), favoritesBarShown);
    ui::Control& title = at(tabSet.tabTitles, n);
    title.move(p.titleLeft, p.titleTop, p.titleWidth, title.height());
    ui::Control& icon = at(tabSet.tabIcons, n);
    icon.move(p.iconLeft, p.iconTop, icon.width(), icon.height());
    icon.setPicture(defaultPageIcon());
    ui::Control& close = at(tabSet.tabCloseButtons, n);
    close.move(p.closeLeft, p.closeTop, close.width(), close.height());
    ui::Control& newTab = w["新建标签按钮"];
    newTab.move(p.newTabLeft, p.newTabTop, newTab.width(), newTab.height());

    // 9. The title is disabled so that the mouse reaches the tab box beneath it.
    close.show();
    at(tabSet.tabBrowsers, n).show();
    box.show();
    title.enable(false);
    title.setCaption("新建页面");
    title.show();

    // 10-11.
    tabSet.currentTab = n;
    for (int i = 1; i <= n; ++i) {
        if (i != n) {
            at(tabSet.tabBrowsers, i).hide();
            at(tabSet.tabBoxes, i).setPicture(inactiveTabPicture());
        }
        at(tabSet.tabTitles, i).redraw();
    }

    // 12. Last, so the tab is complete and current when the first events arrive.
    if (ui::BrowserBox* b = at(tabSet.tabBrowsers, n).browser()) b->setAddress(address);
}

void newTabAction() { openTab(settings::newTabAddress(readSetting)); }

void attachTabCreation(MainWindow& window) {
    window["新建标签按钮"].events().clicked = [](ui::Control&) { newTabAction(); };
    window.onMenu(kMenuNewWindow, [] { newTabAction(); });
    window.events().doubleClicked = [](ui::Window&, int x, int) {
        if (!settings::switchOn(readSetting(settings::section::新建标签, settings::key::双击空白处新建标签))) return;
        if (doubleClickOpensTab(x, mw()["新建标签按钮"].left())) newTabAction();
    };
}
