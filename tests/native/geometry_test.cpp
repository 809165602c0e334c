#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <set>
#include <string>

#include "tabs/main_layout.h"
#include "tabs/tab_geometry.h"

namespace {

struct TabCase {
    const char* what;
    int n;
    bool band;
    ControlRect box;
    TabPartsPlace parts;
};

TEST(TabGeometry, TabsFromTheirNumber) {
    const TabCase cases[] = {
        {"first, band shown", 1, true, {4, 88, 200, 28}, {28, 96, 150, 8, 95, 180, 92, 206, 88}},
        {"first, band hidden", 1, false, {4, 64, 200, 28}, {28, 72, 150, 8, 71, 180, 68, 206, 64}},
        {"third, band hidden", 3, false, {406, 64, 200, 28}, {430, 72, 150, 410, 71, 582, 68, 608, 64}},
        {"fifth, band shown", 5, true, {808, 88, 200, 28}, {832, 96, 150, 812, 95, 984, 92, 1010, 88}},
    };
    for (const TabCase& c : cases) {
        const ControlRect box = tabBoxRect(c.n, c.band);
        EXPECT_EQ(box, c.box) << c.what;
        const TabPartsPlace p = tabPartsPlace(box.left, box.width, c.band);
        const TabPartsPlace& e = c.parts;
        EXPECT_EQ((std::array{p.titleLeft, p.titleTop, p.titleWidth, p.iconLeft, p.iconTop, p.closeLeft, p.closeTop,
                              p.newTabLeft, p.newTabTop}),
                  (std::array{e.titleLeft, e.titleTop, e.titleWidth, e.iconLeft, e.iconTop, e.closeLeft, e.closeTop,
                              e.newTabLeft, e.newTabTop}))
            << c.what;
    }
}

TEST(TabGeometry, PartsFollowAShiftedTabBox) {
    // After a sideways scroll of the strip the parts go where the box is now, not where n says.
    const TabPartsPlace p = tabPartsPlace(-46, 200, true);
    EXPECT_EQ(p.titleLeft, -22);
    EXPECT_EQ(p.iconLeft, -42);
    EXPECT_EQ(p.closeLeft, 130);
    EXPECT_EQ(p.newTabLeft, 156);
}

TEST(TabGeometry, BrowserBoxBothBands) {
    EXPECT_EQ(browserBoxRect(807, 535, true), (ControlRect{1, 116, 805, 393}));
    EXPECT_EQ(browserBoxRect(807, 535, false), (ControlRect{1, 92, 805, 417}));
    EXPECT_EQ(browserBoxRect(670, 340, true), (ControlRect{1, 116, 668, 198}));
    EXPECT_EQ(browserBoxRect(670, 340, false).height, 340 - 118);
}

TEST(TabGeometry, HugeTabNumbersDoNotOverflow) {
    EXPECT_EQ(tabBoxRect(INT_MAX, true).left, INT_MAX);
    EXPECT_EQ(truncateCoordinate(-2.9), -2);
    EXPECT_EQ(truncateCoordinate(2.9), 2);
    EXPECT_EQ(truncateCoordinate(1e300), INT_MAX);
    EXPECT_EQ(truncateCoordinate(-1e300), INT_MIN);
}

TEST(TabGeometry, DoubleClickRightOfTheNewTabButton) {
    struct Case {
        double x;
        bool opens;
    } cases[] = {
        {206 + 28 + 10, true},           // 10 pixels right of the button
        {206 + 28, true},                // its right edge
        {206 + 28 - 0.5e-7, true},       // within the tolerance
        {206 + 28 - 1e-6, false},
        {206 + 27, false},               // over the button
        {0, false},
    };
    for (const Case& c : cases) EXPECT_EQ(doubleClickOpensTab(c.x, 206), c.opens) << c.x;
}

TEST(MainLayout, DesignWindowWithBand) {
    const MainLayout l = mainLayoutFor(807, 535, true);
    EXPECT_EQ(l.背景图片框, (ControlRect{0, 0, 807, 88}));
    EXPECT_EQ(l.头像, (ControlRect{10, 10, 44, 44}));
    EXPECT_EQ(l.标题栏, (ControlRect{64, 1, 741, 28}));
    EXPECT_EQ(l.菜单钮, (ControlRect{653, 1, 36, 22}));
    EXPECT_EQ(l.最小化钮, (ControlRect{694, 1, 36, 22}));
    EXPECT_EQ(l.最大化钮, (ControlRect{730, 1, 33, 22}));
    EXPECT_EQ(l.关闭钮, (ControlRect{763, 1, 44, 22}));
    EXPECT_EQ(l.地址输入框, (ControlRect{232, 30, 247, 26}));
    EXPECT_EQ(l.地址下拉按钮, (ControlRect{453, 28, 32, 28}));
    EXPECT_EQ(l.停止按钮, (ControlRect{485, 28, 23, 29}));
    EXPECT_EQ(l.搜索框, (ControlRect{515, 30, 260, 26}));
    EXPECT_EQ(l.搜索按钮, (ControlRect{757, 28, 47, 28}));
    EXPECT_EQ(l.列表框1, (ControlRect{232, 56, 247, 16}));
    EXPECT_EQ(l.状态栏, (ControlRect{1, 509, 805, 26}));
    EXPECT_EQ(l.上边框, (ControlRect{1, 0, 805, 1}));
    EXPECT_EQ(l.左边框, (ControlRect{0, 0, 1, 535}));
    EXPECT_EQ(l.右边框, (ControlRect{806, 0, 1, 535}));
    EXPECT_EQ(l.下边框, (ControlRect{1, 534, 805, 1}));
    EXPECT_EQ(l.左上角, (ControlRect{0, 0, 8, 8}));
    EXPECT_EQ(l.右上角, (ControlRect{799, 0, 8, 8}));
    EXPECT_EQ(l.左下角, (ControlRect{0, 527, 8, 8}));
    EXPECT_EQ(l.右下角, (ControlRect{790, 518, 16, 16}));
    EXPECT_EQ(l.tabBrowserBox, (ControlRect{1, 116, 805, 393}));
}

TEST(MainLayout, BandOnlyMovesTheBackgroundAndTheBrowserBox) {
    const MainLayout with = mainLayoutFor(807, 535, true);
    const MainLayout without = mainLayoutFor(807, 535, false);
    EXPECT_EQ(without.背景图片框, (ControlRect{0, 0, 807, 64}));
    EXPECT_EQ(without.tabBrowserBox, (ControlRect{1, 92, 805, 417}));
    EXPECT_EQ(without.状态栏, with.状态栏);
    EXPECT_EQ(without.地址输入框, with.地址输入框);
    EXPECT_EQ(without.右下角, with.右下角);
}

TEST(MainLayout, MinimumWindow) {
    const MainLayout l = mainLayoutFor(670, 340, true);
    EXPECT_EQ(l.地址输入框.width, 110);
    EXPECT_EQ(l.列表框1.width, 110);
    EXPECT_EQ(l.tabBrowserBox.height, 198);
    EXPECT_EQ(l.搜索框.left, 378);
    EXPECT_EQ(l.关闭钮.left, 626);
    EXPECT_EQ(l.状态栏, (ControlRect{1, 314, 668, 26}));
    // The address box and its drop-down button do not overlap the stop button.
    EXPECT_LE(l.地址下拉按钮.left + l.地址下拉按钮.width, l.停止按钮.left);
}

TEST(MainLayout, DesignTable) {
    std::set<std::string> names;
    for (const DesignControl& c : mainWindowDesign()) EXPECT_TRUE(names.insert(c.name).second) << c.name;
    EXPECT_EQ(names.size(), 33u);
    const DesignControl* source = findDesignControl("源浏览框");
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(source->place, (ControlRect{-7, 116, 319, 204}));
    EXPECT_FALSE(source->visibleAtStart);
    EXPECT_EQ(findDesignControl("标题栏")->place, (ControlRect{64, 8, 328, 16}));
    EXPECT_FALSE(findDesignControl("列表框1")->visibleAtStart);
    EXPECT_EQ(findDesignControl("没有"), nullptr);
}

}  // namespace
