// Tab creation and placing on a real MainWindow whose browser boxes are stand-ins.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "app/main_window.h"
#include "app/program_state.h"
#include "app/settings_file.h"
#include "tabs/layout.h"
#include "tabs/tabs.h"
#include "tests/support/fake_browser_box.h"

namespace {

struct Tabs : testing::Test {
    std::string ini;
    std::unique_ptr<MainWindow> w;

    void SetUp() override {
        char tmp[MAX_PATH];
        GetTempPathA(MAX_PATH, tmp);
        ini = std::string(tmp) + "lumo-tabs-test.ini";
        DeleteFileA(ini.c_str());
        setSettingsPathForTests(ini);
        ui::setBrowserBoxFactory(fakes::fakeBrowserBoxFactory());
        resetProgramState();
        w = std::make_unique<MainWindow>();
        setMainWindow(w.get());
        attachLayout(*w);
        attachTabCreation(*w);
        w->load();
    }
    void TearDown() override {
        setMainWindow(nullptr);
        w.reset();
        resetProgramState();
        ui::setBrowserBoxFactory(nullptr);
        setSettingsPathForTests("");
        DeleteFileA(ini.c_str());
    }
    void settings(const std::string& text) {
        std::ofstream(ini, std::ios::binary) << text;
    }
    fakes::FakeBrowserBox& fake(int n) { return *static_cast<fakes::FakeBrowserBox*>(tabSet.tabBrowsers[n - 1]->browser()); }
    ui::Control& box(int n) { return *tabSet.tabBoxes[n - 1]; }
};

}  // namespace

TEST_F(Tabs, FirstTabWithTheBandShown) {
    favoritesBarShown = true;
    openTab("http://first.invalid/");
    ASSERT_EQ(tabSet.count(), 1);
    EXPECT_EQ(tabSet.currentTab, 1);
    EXPECT_EQ(box(1).left(), 4);
    EXPECT_EQ(box(1).top(), 88);
    EXPECT_EQ(box(1).width(), 200);
    EXPECT_EQ(box(1).height(), 28);
    ui::Control& title = *tabSet.tabTitles[0];
    EXPECT_EQ(title.left(), 28);
    EXPECT_EQ(title.top(), 96);
    EXPECT_EQ(title.width(), 150);
    EXPECT_EQ(tabSet.tabIcons[0]->left(), 8);
    EXPECT_EQ(tabSet.tabIcons[0]->top(), 95);
    EXPECT_EQ(tabSet.tabCloseButtons[0]->left(), 180);
    EXPECT_EQ(tabSet.tabCloseButtons[0]->top(), 92);
    EXPECT_EQ((*w)["新建标签按钮"].left(), 206);
    EXPECT_EQ((*w)["新建标签按钮"].top(), 88);
    EXPECT_EQ(fake(1).left(), 1);
    EXPECT_EQ(fake(1).top(), 116);
    EXPECT_EQ(fake(1).width(), w->width() - 2);
    EXPECT_EQ(fake(1).height(), w->height() - 142);
    // The address is set last, once.
    EXPECT_EQ(fake(1).count("setAddress"), 1);
    EXPECT_EQ(fake(1).calls().back(), "setAddress http://first.invalid/");
}

TEST_F(Tabs, ThirdTabWithTheBandHidden) {
    favoritesBarShown = false;
    for (int i = 0; i < 3; ++i) openTab("");
    EXPECT_EQ(box(3).left(), 406);
    EXPECT_EQ(box(3).top(), 64);
    EXPECT_EQ((*w)["新建标签按钮"].left(), 608);
    EXPECT_EQ((*w)["新建标签按钮"].top(), 64);
    EXPECT_EQ(fake(3).top(), 92);
    EXPECT_EQ(fake(3).height(), w->height() - 118);
}

TEST_F(Tabs, OpeningATabMakesItTheOnlyVisibleActiveOne) {
    for (int i = 0; i < 4; ++i) openTab("");
    tabSet.currentTab = 2;
    openTab("x");
    EXPECT_EQ(tabSet.currentTab, 5);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_FALSE(fake(i).visible()) << i;
        EXPECT_EQ(box(i).picture(), inactiveTabPicture()) << i;
    }
    EXPECT_TRUE(fake(5).visible());
    EXPECT_EQ(box(5).picture(), activeTabPicture());
    EXPECT_EQ(tabSet.tabTitles[4]->caption(), "新建页面");
    EXPECT_FALSE(tabSet.tabTitles[4]->enabled());
    EXPECT_FALSE(tabSet.tabIcons[4]->visible());
    EXPECT_EQ(tabSet.tabIcons[4]->picture(), defaultPageIcon());
    // The strip neither wraps nor shrinks.
    EXPECT_EQ(box(5).left(), 808);
}

TEST_F(Tabs, NewTabAddressComesFromTheSettings) {
    struct Case {
        const char* file;
        const char* address;
    } cases[] = {
        {"", ""},
        {"[新建标签]\r\n打开页面=打开空白页\r\n", "about:blank"},
        {"[新建标签]\r\n打开页面=打开主页\r\n[主页配置]\r\n启动时打开页面=自定义\r\n自定义主页=http://home.invalid/\r\n",
         "http://home.invalid/"},
        {"[新建标签]\r\n打开页面=打开主页\r\n[主页配置]\r\n启动时打开页面=上次退出时未关闭的页面\r\n", ""},
        {"[新建标签]\r\n打开页面=打开主页\r\n[主页配置]\r\n启动时打开页面=空白页\r\n", "about:blank"},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.file);
        settings(c.file);
        (*w)["新建标签按钮"].show();
        HWND b = (*w)["新建标签按钮"].hwnd();
        int before = tabSet.count();
        SendMessageW(b, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(b, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        ASSERT_EQ(tabSet.count(), before + 1);
        EXPECT_EQ(fake(tabSet.count()).address(), c.address);
    }
    // The menu item 新建窗口 runs the same action.
    SendMessageW(w->hwnd(), WM_COMMAND, MAKEWPARAM(kMenuNewWindow, 0), 0);
    EXPECT_EQ(tabSet.count(), 6);
}

TEST_F(Tabs, DoubleClickRightOfTheNewTabButtonOpensATabOnlyWhenSwitchedOn) {
    openTab("");
    int right = (*w)["新建标签按钮"].left() + 28;
    auto dbl = [&](int x) { SendMessageW(w->hwnd(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(x, 70)); };
    dbl(right + 10);
    EXPECT_EQ(tabSet.count(), 1) << "switch missing";
    settings("[新建标签]\r\n双击空白处新建标签=真\r\n");
    dbl(right - 1);
    EXPECT_EQ(tabSet.count(), 1) << "left of the button's right edge";
    dbl(right + 10);
    EXPECT_EQ(tabSet.count(), 2);
}

TEST_F(Tabs, LayoutOfTheDesignWindowWithOneTab) {
    favoritesBarShown = true;
    w->browserMenu().setChecked(kMenuFavoritesBar, true);
    w->moveTo(50, 50, 807, 535);
    openTab("");
    layoutMainWindow();
    EXPECT_EQ((*w)["地址输入框"].width(), 247);
    EXPECT_EQ((*w)["搜索框"].left(), 515);
    EXPECT_EQ((*w)["搜索按钮"].left(), 757);
    EXPECT_EQ((*w)["关闭钮"].left(), 763);
    EXPECT_EQ((*w)["状态栏"].top(), 509);
    EXPECT_EQ((*w)["状态栏"].width(), 805);
    EXPECT_EQ(fake(1).top(), 116);
    EXPECT_EQ(fake(1).height(), 393);
    // Toggling the band twice returns every tab part to its place and stores the switch.
    toggleFavoritesBar();
    EXPECT_EQ(box(1).top(), 64);
    EXPECT_EQ(fake(1).height(), 417);
    EXPECT_EQ((*w)["背景图片框"].height(), 64);
    EXPECT_EQ(readSetting("界面配置", "显示收藏栏"), "假");
    toggleFavoritesBar();
    EXPECT_EQ(box(1).top(), 88);
    EXPECT_EQ(tabSet.tabTitles[0]->top(), 96);
    EXPECT_EQ(readSetting("界面配置", "显示收藏栏"), "真");
}
