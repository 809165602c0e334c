// Figures a person waits on: start-up to a visible window, and opening a tab.
// Prints them; asserts nothing.
#include <windows.h>
#include <ole2.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/main_window.h"
#include "app/program_state.h"
#include "tabs/layout.h"
#include "tabs/tabs.h"
#include "tests/support/e2e_support.h"

namespace {

double nowMs() {
    static LARGE_INTEGER freq = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * t.QuadPart / freq.QuadPart;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void startupToVisibleWindow(int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        e2e::RunDir dir;
        double start = nowMs();
        e2e::Browser b(dir);
        HWND main = b.waitMainWindow(20000);
        double t = nowMs() - start;
        if (!main) {
            std::printf("start-up: main window never became visible\n");
            return;
        }
        times.push_back(t);
        PostMessageA(main, WM_CLOSE, 0, 0);
        b.waitExit(10000);
    }
    std::printf("start-up to visible main window: median %.1f ms over %d runs (min %.1f, max %.1f)\n",
                median(times), runs, *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()));
}

void openTabTimes(int tabs) {
    resetProgramState();
    MainWindow w;
    setMainWindow(&w);
    attachLayout(w);
    w.load();
    w.show();
    std::vector<double> each;
    for (int i = 0; i < tabs; ++i) {
        double start = nowMs();
        openTab("about:blank");
        each.push_back(nowMs() - start);
    }
    std::printf("openTab (real browser component): 1st %.2f ms, 10th %.2f ms, %dth %.2f ms\n", each[0], each[9], tabs,
                each[tabs - 1]);
    double start = nowMs();
    layoutMainWindow();
    std::printf("layout pass with %d tabs: %.2f ms\n", tabs, nowMs() - start);
    w.destroy();
    setMainWindow(nullptr);
    resetProgramState();
}

}  // namespace

int main() {
    OleInitialize(nullptr);
    startupToVisibleWindow(5);
    openTabTimes(50);
    OleUninitialize();
    return 0;
}
