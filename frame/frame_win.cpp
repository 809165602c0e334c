#include "frame/frame.h"

#include "app/main_window.h"
#include "app/program_state.h"
#include "frame/wheel_rule.h"

WNDPROC framePreviousProc = nullptr;

LRESULT CALLBACK frameWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    int n = tabSet.count();
    if (msg == WM_MOUSEWHEEL) {
        int shift = tabStripShift(static_cast<short>(HIWORD(wp)), LOWORD(wp));
        if (shift != 0 && mainWindow()) {
            for (int i = 0; i < n; ++i) {
                for (ui::Control* c : {tabSet.tabBoxes[i], tabSet.tabIcons[i], tabSet.tabCloseButtons[i], tabSet.tabTitles[i]})
                    c->setLeft(c->left() + shift);
            }
            if (n >= 1) {
                ui::Control& b = (*mainWindow())["新建标签按钮"];
                b.setLeft(b.left() + shift);
            }
        }
    }
    return CallWindowProcW(framePreviousProc, hwnd, msg, wp, lp);
}
