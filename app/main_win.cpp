// Program entry of lumo.exe.
#include <windows.h>

static LRESULT CALLBACK mainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = mainProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"LumoMainWindow";
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.style = CS_DBLCLKS;
    RegisterClassW(&wc);
    const char* caption = " Lumo浏览器3.0";
    wchar_t wide[64];
    MultiByteToWideChar(936, 0, caption, -1, wide, 64);
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, wide, WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX,
                                50, 50, 807, 535, nullptr, nullptr, instance, nullptr);
    ShowWindow(hwnd, show);
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    return 0;
}
