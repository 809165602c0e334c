#include "app/startup.h"

#include <windows.h>

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/program_state.h"
#include "app/settings_file.h"
#include "app/settings_rules.h"
#include "frame/frame.h"
#include "tabs/layout.h"
#include "tabs/main_layout.h"
#include "tabs/tabs.h"

namespace {

WNDPROC minimumSizePreviousProc = nullptr;

LRESULT CALLBACK minimumSizeProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_GETMINMAXINFO && lp) {
        MINMAXINFO info = *reinterpret_cast<MINMAXINFO*>(lp);
        info.ptMinTrackSize.x = mainWindowMinWidth;
        info.ptMinTrackSize.y = mainWindowMinHeight;
        *reinterpret_cast<MINMAXINFO*>(lp) = info;
    }
    return CallWindowProcW(minimumSizePreviousProc, hwnd, msg, wp, lp);
}

bool isLead(unsigned char b) { return IsDBCSLeadByte(b) != FALSE; }

std::string exePath() {
    std::string buf(MAX_PATH, '\0');
    for (;;) {
        DWORD n = GetModuleFileNameA(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n < buf.size()) {
            buf.resize(n);
            return buf;
        }
        buf.resize(buf.size() * 2);
    }
}

}  // namespace

std::string defaultBrowserCommand() { return runDirectory() + "\\" + exePath().substr(runDirectory().size() + 1) + " %1"; }

bool registeredAsDefaultBrowser() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "mhtmlfile\\shell\\e\\command", 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    DWORD type = 0, size = 0;
    bool same = false;
    if (RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
        std::string value(size + 1, '\0');
        if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size) ==
            ERROR_SUCCESS) {
            value.resize(strnlen(value.c_str(), size));
            same = value == defaultBrowserCommand();
        }
    }
    RegCloseKey(key);
    return same;
}

void mainWindowCreated(MainWindow& window) {
    using namespace settings;
    // 1.
    std::vector<std::string> arguments = splitCommandLine(argumentsAfterProgram(GetCommandLineA(), isLead), isLead);

    // 2-3. frameWindowProc sees every message first, then the minimum-size procedure.
    minimumSizePreviousProc = window.subclass(minimumSizeProc);
    framePreviousProc = window.subclass(frameWindowProc);

    // 4. Before any tab, so the tabs are placed for the right band height.
    favoritesBarShown = switchOn(readSetting(section::界面配置, key::显示收藏栏));
    window.browserMenu().setChecked(kMenuFavoritesBar, favoritesBarShown);
    layoutMainWindow();

    // 5.
    StartPages pages = startPages(arguments, readSetting);
    for (const std::string& address : pages.addresses) openTab(address);
    if (pages.deleteRestoreSection) deleteSettingsSection(section::恢复页面);

    // 6.
    if (switchOn(readSetting(section::默认浏览器, key::每次启动时检查默认设置)) && !registeredAsDefaultBrowser())
        ui::infoBox("非默认浏览器");

    // 7.
    searchPrefix = searchPrefixFromSettings(readSetting);

    // 8.
    const COLORREF frameBlue = 0xC06000;
    for (const char* edge : {"上边框", "左边框", "右边框", "下边框"}) window[edge].setBackColor(frameBlue);
    window["状态栏"].setBackColor(0xFFFFFF);
    for (const char* corner : {"左上角", "右上角", "左下角"}) window[corner].setCaption("");
    window["搜索框"].setTextColor(0x606060);
    window["源标签框"].setPicture(inactiveTabPicture());
    window.setCaption(" Lumo浏览器3.0");
}
