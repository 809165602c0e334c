// Sizing the main window with the mouse through the system's size loop: it stops at the
// program's minimum track size and grows freely.
#include <gtest/gtest.h>

#include "tests/support/e2e_support.h"

using namespace e2e;

namespace {

const char kNoPrompt[] = "[关闭标签]\r\n多标签关闭提示=假\r\n";

struct Drag {
    const char* name;
    int dx, dy;            // pointer movement during the drag
    int width, height;     // expected outer size afterwards
};

// Runs the size loop from the bottom-right corner, as the grip does: the button is held, the
// size command starts the loop, the pointer moves by (dx, dy), the button is released.
RECT sizeByDrag(HWND main, int dx, int dy) {
    RECT r;
    GetWindowRect(main, &r);
    // Pressed over the status label, out of the way of every button and of the tab strip.
    POINT from{r.left + 200, r.bottom - 13};
    POINT to{from.x + dx, from.y + dy};
    dragWhile(from, to, [&] {
        PostMessageA(main, WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, MAKELPARAM(from.x, from.y));
    });
    RECT after{};
    // The loop sizes the window on the last move; give the program the time to get there.
    waitFor([&] {
        GetWindowRect(main, &after);
        return after.right - after.left != r.right - r.left || after.bottom - after.top != r.bottom - r.top;
    }, 1000);
    Sleep(100);
    GetWindowRect(main, &after);
    return after;
}

}  // namespace

TEST(MinimumSize, UserSizingStopsAt670By340AndGrowsFreely) {
    RunDir dir;
    dir.writeSettings(kNoPrompt);
    Browser b(dir, "about:blank");
    HWND main = b.waitMainWindow();
    ASSERT_NE(main, nullptr);
    // Each row starts from the design size. The drags that shrink overshoot the minimum by
    // far, so the outcome does not hang on the exact pixel the loop starts from; a growing
    // drag only has to grow.
    const Drag drags[] = {
        {"far up-left", -700, -500, 670, 340},
        {"left only, past the minimum width", -600, 0, 670, 535},
        {"up only, past the minimum height", 0, -450, 807, 340},
        {"down-right", 120, 90, 0, 0},
        {"far up-left again", -700, -500, 670, 340},
    };
    for (const Drag& d : drags) {
        SCOPED_TRACE(d.name);
        RECT before;
        GetWindowRect(main, &before);
        SetWindowPos(main, nullptr, before.left, before.top, 807, 535, SWP_NOZORDER | SWP_NOACTIVATE);
        Sleep(100);
        RECT r = sizeByDrag(main, d.dx, d.dy);
        if (d.width) {
            EXPECT_EQ(r.right - r.left, d.width);
            EXPECT_EQ(r.bottom - r.top, d.height);
        } else {
            EXPECT_GT(r.right - r.left, 807);
            EXPECT_GT(r.bottom - r.top, 535);
        }
        EXPECT_EQ(r.left, before.left) << "the corner sizes, the window does not move";
        EXPECT_EQ(r.top, before.top);
    }
    // The layout followed: the status label still spans the bottom of the smallest window.
    HWND status = nullptr;
    for (auto& w : childWindows(main)) {
        RECT c = clientRectIn(w.hwnd, main);
        if (w.visible && GetParent(w.hwnd) == main && c.left == 1 && c.bottom == 340 && c.top == 340 - 26) status = w.hwnd;
    }
    EXPECT_NE(status, nullptr) << "no 26-pixel label along the bottom of the 670 x 340 window";
    DWORD code = 99;
    ASSERT_TRUE(closeAndWait(b, main, &code));
    EXPECT_EQ(code, 0u);
}
