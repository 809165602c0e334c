#include <gtest/gtest.h>

#include "tests/support/e2e_support.h"

using namespace e2e;

TEST(MainWindow, OpensBorderlessAtDesignPlaceAndClosesWithZero) {
    RunDir dir;
    Browser b(dir);
    HWND main = b.waitMainWindow();
    ASSERT_NE(main, nullptr);
    WindowInfo w = describe(main);
    EXPECT_EQ(hex(w.caption), hex(" Lumo浏览器3.0"));
    EXPECT_EQ(w.rect.left, 50);
    EXPECT_EQ(w.rect.top, 50);
    EXPECT_EQ(w.rect.right - w.rect.left, 807);
    EXPECT_EQ(w.rect.bottom - w.rect.top, 535);
    LONG style = GetWindowLongA(main, GWL_STYLE);
    EXPECT_FALSE(style & WS_CAPTION) << "the frame is drawn by the program, not the system";
    EXPECT_FALSE(style & WS_THICKFRAME);

    PostMessageA(main, WM_CLOSE, 0, 0);
    DWORD code = 99;
    ASSERT_TRUE(b.waitExit(10000, &code));
    EXPECT_EQ(code, 0u);
}
