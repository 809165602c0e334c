// The control layer: copies share their source's handlers but report themselves, texts
// cross into Win32 as code page 936, and subclassing keeps the chain of procedures.
#include <gtest/gtest.h>

#include "tests/support/fake_browser_box.h"
#include "ui/ui.h"

namespace {

struct UiLayer : testing::Test {
    ui::Window window{"LumoTestWindow", "测试窗口", 10, 10, 400, 300};
    void SetUp() override { ui::setBrowserBoxFactory(fakes::fakeBrowserBoxFactory()); }
    void TearDown() override { ui::setBrowserBoxFactory(nullptr); }
};

void pump() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

}  // namespace

TEST_F(UiLayer, CopiesTakeOverPropertiesAndReportThemselvesToTheSourceHandler) {
    ui::Control& src = window.add({ui::Kind::PictureButton, "源按钮", 5, 6, 22, 22, "", false});
    window.load();
    std::vector<ui::Control*> reported;
    src.events().clicked = [&](ui::Control& c) { reported.push_back(&c); };
    src.setBackColor(RGB(1, 2, 3));
    src.setCursor(LoadCursor(nullptr, IDC_HAND));

    ui::Control& a = window.copy(src);
    ui::Control& b = window.copy(src);
    EXPECT_EQ(a.kind(), ui::Kind::PictureButton);
    EXPECT_EQ(a.left(), 5);
    EXPECT_EQ(a.top(), 6);
    EXPECT_EQ(a.width(), 22);
    EXPECT_FALSE(a.visible());
    EXPECT_EQ(a.backColor(), RGB(1, 2, 3));
    EXPECT_EQ(a.cursor(), src.cursor());
    EXPECT_EQ(&a.source(), &src);
    EXPECT_NE(a.hwnd(), b.hwnd());

    // A real click on each copy: down and up inside it.
    for (ui::Control* c : {&b, &a}) {
        c->show();
        SendMessageW(c->hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(c->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_EQ(reported[0], &b);
    EXPECT_EQ(reported[1], &a);

    // A handler set later on the source reaches the copies made before.
    int doubles = 0;
    src.events().doubleClicked = [&](ui::Control& c, int, int) { doubles += &c == &a; };
    SendMessageW(a.hwnd(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(doubles, 1);

    // Released from the button outside it: no click.
    SendMessageW(a.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(a.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(300, 300));
    EXPECT_EQ(reported.size(), 2u);
}

TEST_F(UiLayer, CaptionsCrossTheBoundaryAsCodePage936) {
    ui::Control& label = window.add({ui::Kind::TransparentLabel, "标签", 0, 0, 100, 20, "新建页面"});
    ui::Control& edit = window.add({ui::Kind::EditBox, "框", 0, 30, 100, 20});
    window.load();
    wchar_t buf[64] = {};
    GetWindowTextW(label.hwnd(), buf, 64);
    EXPECT_EQ(std::wstring(buf), L"\u65B0\u5EFA\u9875\u9762");
    SetWindowTextW(edit.hwnd(), L"\u70B9\u6B64\u641C\u7D22");  // typed by the user
    EXPECT_EQ(edit.caption(), "点此搜索");
    EXPECT_EQ(edit.caption(), std::string("\xB5\xE3\xB4\xCB\xCB\xD1\xCB\xF7"));
    window.setCaption(" Lumo浏览器3.0");
    GetWindowTextW(window.hwnd(), buf, 64);
    EXPECT_EQ(std::wstring(buf), L" Lumo\u6D4F\u89C8\u56683.0");
}

TEST_F(UiLayer, ADisabledTransparentLabelLetsTheMouseThrough) {
    ui::Control& label = window.add({ui::Kind::TransparentLabel, "标签", 0, 0, 100, 20, "x"});
    window.load();
    EXPECT_NE(SendMessageW(label.hwnd(), WM_NCHITTEST, 0, MAKELPARAM(15, 15)), HTTRANSPARENT);
    label.enable(false);
    EXPECT_EQ(SendMessageW(label.hwnd(), WM_NCHITTEST, 0, MAKELPARAM(15, 15)), HTTRANSPARENT);
}

TEST_F(UiLayer, AControlMayBeDestroyedByItsOwnHandler) {
    ui::Control& src = window.add({ui::Kind::PictureButton, "源", 0, 0, 20, 20});
    window.load();
    ui::Control& copy = window.copy(src);
    HWND h = copy.hwnd();
    src.events().clicked = [&](ui::Control& c) { window.destroy(c); };
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    pump();
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(window.find(h), nullptr);
    EXPECT_EQ(window.controls().size(), 1u);
}

TEST_F(UiLayer, BrowserBoxCopiesTakeOverTheDesignSettingsAndEvents) {
    ui::Control& src = window.add({ui::Kind::BrowserBox, "源浏览框", -7, 116, 319, 204, "", false});
    window.load();
    src.browser()->setOffline(true);
    ui::Control* fromEvent = nullptr;
    std::string status;
    src.events().statusTextChanged = [&](ui::Control& c, const std::string& t) {
        fromEvent = &c;
        status = t;
    };
    ui::Control& copy = window.copy(src);
    auto* fake = static_cast<fakes::FakeBrowserBox*>(copy.browser());
    EXPECT_TRUE(fake->offline());
    EXPECT_TRUE(fake->silent());
    EXPECT_EQ(fake->textSize(), 2);
    EXPECT_FALSE(fake->visible());
    fake->raiseStatusTextChanged("完成");
    EXPECT_EQ(fromEvent, &copy);
    EXPECT_EQ(status, "完成");
}

namespace {
WNDPROC previousA = nullptr, previousB = nullptr;
std::vector<std::string> seen;
LRESULT CALLBACK hookA(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_USER + 7) seen.push_back("A");
    return CallWindowProcW(previousA, h, m, w, l);
}
LRESULT CALLBACK hookB(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_USER + 7) seen.push_back("B");
    return CallWindowProcW(previousB, h, m, w, l);
}
}  // namespace

TEST_F(UiLayer, SubclassHooksChainAndTheLastInstalledRunsFirst) {
    window.load();
    int handledByWindow = 0;
    window.events().menuCommand = [&](ui::Window&, int id) { handledByWindow = id; };
    seen.clear();
    previousA = window.subclass(hookA);
    previousB = window.subclass(hookB);
    SendMessageW(window.hwnd(), WM_USER + 7, 0, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"B", "A"}));
    SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(42, 0), 0);
    EXPECT_EQ(handledByWindow, 42) << "messages still reach the window's own procedure";
}
