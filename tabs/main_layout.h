// MainWindow's controls: their design places, and where the size-changed handler puts them.
//
// The window has no layout manager; every size change recomputes the whole table from the
// window's outer width W and height H and the favourites-bar band, and moves each control
// that depends on them. Controls that the handler never moves are only in the design table.
#pragma once
#include <span>

#include "tabs/tab_geometry.h"

enum class ControlKind { PictureBox, PictureButton, Label, TransparentLabel, EditBox, ListBox, BrowserBox };

struct DesignControl {
    const char* name;  // the design name, GBK
    ControlKind kind;
    ControlRect place;
    bool visibleAtStart;
};

// Every design-time control of MainWindow, the five sources of the tab copies and the
// new-tab button included. The window itself is designed at 50,50, 807 × 535.
std::span<const DesignControl> mainWindowDesign();
const DesignControl* findDesignControl(const char* gbkName);

inline constexpr ControlRect mainWindowDesignPlace{50, 50, 807, 535};
inline constexpr int mainWindowMinWidth = 670;
inline constexpr int mainWindowMinHeight = 340;

// The places the size-changed handler gives the controls it moves, in the order it moves
// them. Tabs are placed from tab_geometry; tabBrowserBox is the place of every tab's
// browser box.
struct MainLayout {
    ControlRect 背景图片框;
    ControlRect 头像, 上边框, 标题栏, 左边框, 右边框, 状态栏, 下边框, 左上角, 右上角, 左下角, 右下角;
    ControlRect 地址输入框, 地址下拉按钮, 停止按钮, 搜索框, 搜索按钮, 列表框1, 菜单钮, 最小化钮, 最大化钮, 关闭钮;
    ControlRect tabBrowserBox;
};

MainLayout mainLayoutFor(int windowWidth, int windowHeight, bool favoritesBarShown);

// 背景图片框's height: the navigation bar plus the band when it is shown.
int backgroundHeight(bool favoritesBarShown);
