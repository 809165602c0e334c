#include "app/main_window.h"
#include "app/program_state.h"
#include "app/settings_file.h"
#include "app/settings_rules.h"
#include "tabs/layout.h"
#include "tabs/main_layout.h"
#include "tabs/tabs.h"

namespace {
void put(ui::Control& c, const ControlRect& r) { c.move(r.left, r.top, r.width, r.height); }
}  // namespace

namespace {
// Moving dozens of controls one by one would repaint each of them at every step; the window
// is drawn once, when everything is in place.
struct DrawOnceAtEnd {
    HWND hwnd;
    bool visible;
    explicit DrawOnceAtEnd(HWND h) : hwnd(h), visible(IsWindowVisible(h) != FALSE) {
        if (visible) SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
    }
    ~DrawOnceAtEnd() {
        if (!visible) return;
        SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(hwnd, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
};
}  // namespace

void layoutMainWindow() {
    MainWindow& w = *mainWindow();
    DrawOnceAtEnd drawOnce(w.hwnd());
    MainLayout l = mainLayoutFor(w.width(), w.height(), favoritesBarShown);
    put(w["背景图片框"], l.背景图片框);
    put(w["头像"], l.头像);
    put(w["上边框"], l.上边框);
    put(w["标题栏"], l.标题栏);
    put(w["左边框"], l.左边框);
    put(w["右边框"], l.右边框);
    put(w["状态栏"], l.状态栏);
    put(w["下边框"], l.下边框);
    put(w["左上角"], l.左上角);
    put(w["右上角"], l.右上角);
    put(w["左下角"], l.左下角);
    put(w["右下角"], l.右下角);
    put(w["地址输入框"], l.地址输入框);
    put(w["地址下拉按钮"], l.地址下拉按钮);
    put(w["停止按钮"], l.停止按钮);
    put(w["搜索框"], l.搜索框);
    put(w["搜索按钮"], l.搜索按钮);
    put(w["列表框1"], l.列表框1);
    put(w["菜单钮"], l.菜单钮);
    put(w["最小化钮"], l.最小化钮);
    put(w["最大化钮"], l.最大化钮);
    put(w["关闭钮"], l.关闭钮);
    for (int i = 1; i <= tabSet.count(); ++i) {
        placeBrowserBox(i);
        placeTabBox(i);
        setTabPartsLeft(i);
    }
}

void toggleFavoritesBar() {
    MainWindow& w = *mainWindow();
    DrawOnceAtEnd drawOnce(w.hwnd());
    bool shown = !w.browserMenu().checked(kMenuFavoritesBar);
    w.browserMenu().setChecked(kMenuFavoritesBar, shown);
    writeSetting(settings::section::界面配置, settings::key::显示收藏栏, shown ? settings::真 : settings::假);
    favoritesBarShown = shown;
    for (int i = 1; i <= tabSet.count(); ++i) {
        setTabPartsTop(i);
        placeBrowserBox(i);
        placeTabBox(i);
        setTabPartsLeft(i);
    }
    setNewTabButtonTop();
    w["背景图片框"].setHeight(backgroundHeight(favoritesBarShown));
}

void attachLayout(MainWindow& window) {
    window.events().sizeChanged = [](ui::Window&) { layoutMainWindow(); };
    window.onMenu(kMenuFavoritesBar, [] { toggleFavoritesBar(); });
}
