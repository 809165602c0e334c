// Program entry of lumo.exe: program-wide state, MainWindow, the message loop.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "app/closing.h"
#include "app/main_window.h"
#include "app/program_state.h"
#include "app/startup.h"
#include "frame/frame.h"
#include "tabs/layout.h"
#include "tabs/tabs.h"

namespace {
// Released after the message loop and before the process ends, so the window and its
// browser components go while COM is still up.
struct ExitCleanUp {
    ~ExitCleanUp() { resetProgramState(); }
};
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    // 1.
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    int exitCode = 0;
    {
        // 2-3.
        resetProgramState();
        ExitCleanUp cleanUp;
        // 4.
        MainWindow window;
        setMainWindow(&window);
        attachLayout(window);
        attachTabCreation(window);
        window.events().created = [](ui::Window& w) { mainWindowCreated(static_cast<MainWindow&>(w)); };
        attachClosing(window);
        window.load();
        window.show(show == SW_HIDE ? SW_SHOW : show);
        // 5.
        MSG m;
        while (GetMessageW(&m, nullptr, 0, 0) > 0) {
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
        setMainWindow(nullptr);
    }
    OleUninitialize();
    return exitCode;
}
