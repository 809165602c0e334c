#include "tabs/main_layout.h"

#include <cstring>

namespace {

using K = ControlKind;

constexpr DesignControl design[] = {
    {"背景图片框", K::PictureBox, {0, 0, 800, 88}, true},
    {"头像", K::PictureBox, {10, 10, 44, 44}, true},
    {"标题栏", K::TransparentLabel, {64, 8, 328, 16}, true},
    {"菜单钮", K::PictureButton, {542, 1, 36, 22}, true},
    {"最小化钮", K::PictureButton, {585, 1, 36, 22}, true},
    {"最大化钮", K::PictureButton, {621, 1, 33, 22}, true},
    {"关闭钮", K::PictureButton, {654, 1, 44, 22}, true},
    {"后退按钮", K::PictureButton, {61, 27, 27, 29}, true},
    {"前进按钮", K::PictureButton, {87, 27, 27, 29}, true},
    {"主页按钮", K::PictureButton, {134, 27, 27, 29}, true},
    {"刷新按钮", K::PictureButton, {166, 27, 27, 29}, true},
    {"恢复按钮", K::PictureButton, {199, 27, 27, 29}, true},
    {"地址输入框", K::EditBox, {232, 30, 255, 26}, true},
    {"地址下拉按钮", K::PictureButton, {466, 28, 32, 28}, true},
    {"停止按钮", K::PictureButton, {498, 28, 23, 29}, true},
    {"搜索框", K::EditBox, {529, 30, 260, 26}, true},
    {"搜索按钮", K::PictureButton, {641, 28, 47, 28}, true},
    {"列表框1", K::ListBox, {232, 56, 256, 16}, false},
    {"图形按钮2", K::PictureButton, {112, 40, 17, 17}, true},
    {"状态栏", K::Label, {0, 432, 368, 28}, true},
    {"上边框", K::PictureBox, {0, 0, 112, 1}, true},
    {"左边框", K::PictureBox, {0, 0, 1, 100}, true},
    {"右边框", K::PictureBox, {372, 368, 1, 100}, true},
    {"下边框", K::PictureBox, {258, 464, 112, 1}, true},
    {"左上角", K::TransparentLabel, {8, 472, 8, 8}, true},
    {"右上角", K::TransparentLabel, {48, 472, 8, 8}, true},
    {"左下角", K::TransparentLabel, {8, 496, 8, 8}, true},
    {"右下角", K::PictureBox, {32, 488, 16, 16}, true},
    // Sources of the tab copies, never tabs themselves.
    {"源浏览框", K::BrowserBox, {-7, 116, 319, 204}, false},
    {"源标签框", K::PictureBox, {1, 88, 71, 28}, false},
    {"源关闭标签按钮", K::PictureButton, {50, 92, 22, 22}, false},
    {"源网页图标", K::PictureBox, {8, 95, 16, 16}, false},
    // Designed where one tab with the band shown puts it; every tab opened moves it.
    {"新建标签按钮", K::PictureButton, {206, 88, newTabButtonSize, newTabButtonSize}, true},
};

ControlRect designOf(const char* name) { return findDesignControl(name)->place; }

ControlRect withLeft(ControlRect r, double left) {
    r.left = truncateCoordinate(left);
    return r;
}

}  // namespace

std::span<const DesignControl> mainWindowDesign() { return design; }

const DesignControl* findDesignControl(const char* name) {
    for (const DesignControl& control : design)
        if (std::strcmp(control.name, name) == 0) return &control;
    return nullptr;
}

int backgroundHeight(bool shown) { return shown ? 88 : 88 - favoritesBarHeight; }

MainLayout mainLayoutFor(int windowWidth, int windowHeight, bool shown) {
    const double w = windowWidth;
    const double h = windowHeight;
    auto t = truncateCoordinate;
    MainLayout l;
    l.背景图片框 = {0, 0, windowWidth, backgroundHeight(shown)};
    l.头像 = {10, 10, 44, 44};
    l.上边框 = {1, 0, t(w - 2), 1};
    l.标题栏 = {64, 1, t(w - 66), 28};
    l.左边框 = {0, 0, 1, windowHeight};
    l.右边框 = {t(w - 1), 0, 1, windowHeight};
    l.状态栏 = {1, t(h - 26), t(w - 2), 26};
    l.下边框 = {1, t(h - 1), t(w - 2), 1};
    l.左上角 = withLeft(designOf("左上角"), 0);
    l.左上角.top = 0;
    l.右上角 = withLeft(designOf("右上角"), w - 8);
    l.右上角.top = 0;
    l.左下角 = withLeft(designOf("左下角"), 0);
    l.左下角.top = t(h - 8);
    l.右下角 = withLeft(designOf("右下角"), w - 17);
    l.右下角.top = t(h - 17);

    l.地址输入框 = designOf("地址输入框");
    l.地址输入框.width = t(w - 560);
    l.地址下拉按钮 = withLeft(designOf("地址下拉按钮"), w - 354);
    l.停止按钮 = withLeft(designOf("停止按钮"), w - 322);
    l.搜索框 = withLeft(designOf("搜索框"), w - 292);
    l.搜索按钮 = withLeft(designOf("搜索按钮"), w - 50);
    l.列表框1 = designOf("列表框1");
    l.列表框1.width = l.地址输入框.width;
    l.菜单钮 = withLeft(designOf("菜单钮"), w - 154);
    l.最小化钮 = withLeft(designOf("最小化钮"), w - 113);
    l.最大化钮 = withLeft(designOf("最大化钮"), w - 77);
    l.关闭钮 = withLeft(designOf("关闭钮"), w - 44);

    l.tabBrowserBox = browserBoxRect(windowWidth, windowHeight, shown);
    return l;
}
