#include "tests/support/e2e_support.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace e2e {

bool waitFor(const std::function<bool()>& done, int ms) {
    DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        if (static_cast<int>(GetTickCount() - start) >= ms) return done();
        Sleep(20);
    }
}

static std::string moduleDir() {
    char buf[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, buf, MAX_PATH);
    std::string p(buf, n);
    return p.substr(0, p.find_last_of('\\'));
}

static void removeTree(const std::string& dir) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string name = fd.cFileName;
            if (name == "." || name == "..") continue;
            std::string full = dir + "\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(full);
            } else {
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(full.c_str());
            }
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
}

RunDir::RunDir() {
    char tmp[MAX_PATH];
    GetTempPathA(MAX_PATH, tmp);
    static int counter = 0;
    for (;;) {
        char name[MAX_PATH];
        std::snprintf(name, sizeof name, "%slumo-e2e-%lu-%d", tmp, GetCurrentProcessId(), ++counter);
        if (CreateDirectoryA(name, nullptr)) {
            path_ = name;
            break;
        }
    }
    std::string exe = moduleDir() + "\\lumo.exe";
    CopyFileA(exe.c_str(), this->exe().c_str(), FALSE);
}

RunDir::~RunDir() { removeTree(path_); }

std::string RunDir::settingsFile() const { return path_ + "\\Lumo浏览器配置.ini"; }

void RunDir::writeSettings(const std::string& content) const {
    std::ofstream f(settingsFile(), std::ios::binary);
    f << content;
}

bool RunDir::exists(const std::string& name) const {
    return GetFileAttributesA((path_ + "\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string RunDir::readFile(const std::string& name) const {
    std::ifstream f(path_ + "\\" + name, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

std::string RunDir::ini(const std::string& section, const std::string& key, const std::string& def) const {
    std::string buf(10240, '\0');
    DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buf.data(), buf.size(),
                                       settingsFile().c_str());
    buf.resize(n);
    return buf;
}

bool RunDir::iniHasSection(const std::string& section) const {
    std::string buf(32768, '\0');
    DWORD n = GetPrivateProfileSectionNamesA(buf.data(), buf.size(), settingsFile().c_str());
    for (size_t i = 0; i < n;) {
        std::string name(buf.c_str() + i);
        if (name == section) return true;
        i += name.size() + 1;
    }
    return false;
}

Browser::Browser(const RunDir& dir, const std::string& arguments) {
    std::string cmd = "\"" + dir.exe() + "\"";
    if (!arguments.empty()) cmd += " " + arguments;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string mutableCmd = cmd;
    if (!CreateProcessA(dir.exe().c_str(), mutableCmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        dir.path().c_str(), &si, &pi_)) {
        pi_ = PROCESS_INFORMATION{};
    }
}

Browser::~Browser() {
    if (pi_.hProcess) {
        if (running()) {
            TerminateProcess(pi_.hProcess, 1);
            WaitForSingleObject(pi_.hProcess, 5000);
        }
        CloseHandle(pi_.hProcess);
        CloseHandle(pi_.hThread);
    }
}

bool Browser::running() const {
    return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Browser::waitExit(int ms, DWORD* exitCode) const {
    if (!pi_.hProcess) return false;
    if (WaitForSingleObject(pi_.hProcess, ms) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(pi_.hProcess, exitCode);
    return true;
}

WindowInfo describe(HWND hwnd) {
    WindowInfo w;
    w.hwnd = hwnd;
    char buf[1024];
    int n = GetClassNameA(hwnd, buf, sizeof buf);
    w.className.assign(buf, n > 0 ? n : 0);
    n = GetWindowTextA(hwnd, buf, sizeof buf);
    w.caption.assign(buf, n > 0 ? n : 0);
    GetWindowRect(hwnd, &w.rect);
    w.visible = IsWindowVisible(hwnd) != FALSE;
    return w;
}

namespace {
struct EnumCtx {
    DWORD pid;
    bool visibleOnly;
    std::vector<WindowInfo>* out;
};
BOOL CALLBACK enumTop(HWND h, LPARAM lp) {
    auto* ctx = reinterpret_cast<EnumCtx*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    if (pid == ctx->pid && (!ctx->visibleOnly || IsWindowVisible(h))) ctx->out->push_back(describe(h));
    return TRUE;
}
BOOL CALLBACK enumChild(HWND h, LPARAM lp) {
    reinterpret_cast<std::vector<WindowInfo>*>(lp)->push_back(describe(h));
    return TRUE;
}
}  // namespace

std::vector<WindowInfo> Browser::topWindows(bool visibleOnly) const {
    std::vector<WindowInfo> out;
    EnumCtx ctx{pi_.dwProcessId, visibleOnly, &out};
    EnumWindows(enumTop, reinterpret_cast<LPARAM>(&ctx));
    return out;
}

HWND Browser::waitMainWindow(int ms) const {
    HWND found = nullptr;
    waitFor([&] {
        for (auto& w : topWindows())
            if (w.className == "LumoMainWindow") found = w.hwnd;
        return found != nullptr;
    }, ms);
    return found;
}

HWND Browser::waitWindowWithCaption(const std::string& caption, int ms) const {
    HWND found = nullptr;
    waitFor([&] {
        for (auto& w : topWindows())
            if (w.caption == caption) found = w.hwnd;
        return found != nullptr;
    }, ms);
    return found;
}

std::vector<WindowInfo> childWindows(HWND parent) {
    std::vector<WindowInfo> out;
    EnumChildWindows(parent, enumChild, reinterpret_cast<LPARAM>(&out));
    return out;
}

std::vector<WindowInfo> childrenOfClass(HWND parent, const std::string& className) {
    std::vector<WindowInfo> out;
    for (auto& w : childWindows(parent))
        if (w.className == className) out.push_back(w);
    return out;
}

RECT clientRectIn(HWND child, HWND top) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string hex(const std::string& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
        out += ' ';
    }
    return out;
}

std::vector<RECT> tabBoxes(HWND main) {
    std::vector<RECT> out;
    for (auto& w : childrenOfClass(main, "LumoControl")) {
        if (!w.visible || GetParent(w.hwnd) != main) continue;
        RECT r = clientRectIn(w.hwnd, main);
        if (r.right - r.left == 200 && r.bottom - r.top == 28) out.push_back(r);
    }
    std::sort(out.begin(), out.end(), [](const RECT& a, const RECT& b) { return a.left < b.left; });
    return out;
}

HWND childWithCaption(HWND main, const std::string& caption) {
    for (auto& w : childWindows(main))
        if (w.visible && w.caption == caption) return w.hwnd;
    return nullptr;
}

MessageBoxInfo waitMessageBox(const Browser& b, int ms) {
    MessageBoxInfo info;
    waitFor([&] {
        for (auto& w : b.topWindows())
            if (w.className == "#32770") {
                info.hwnd = w.hwnd;
                info.caption = w.caption;
                for (auto& c : childrenOfClass(w.hwnd, "Static"))
                    if (!c.caption.empty()) info.text = c.caption;
                return true;
            }
        return false;
    }, ms);
    return info;
}

void answerMessageBox(HWND box, int buttonId) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
}

bool closeAndWait(const Browser& b, HWND main, DWORD* exitCode, int ms) {
    PostMessageA(main, WM_CLOSE, 0, 0);
    return b.waitExit(ms, exitCode);
}

void click(int x, int y, bool doubleClick) {
    SetCursorPos(x, y);
    Sleep(30);
    for (int i = 0; i < (doubleClick ? 2 : 1); ++i) {
        INPUT in[2]{};
        in[0].type = INPUT_MOUSE;
        in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        in[1].type = INPUT_MOUSE;
        in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, in, sizeof(INPUT));
        Sleep(doubleClick ? 40 : 30);
    }
}

void pressKey(WORD vk) {
    INPUT in[2]{};
    in[0].type = INPUT_KEYBOARD;
    in[0].ki.wVk = vk;
    in[1].type = INPUT_KEYBOARD;
    in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
}

std::vector<std::string> iniKeys(const RunDir& dir, const std::string& section) {
    std::string buf(65536, '\0');
    DWORD n = GetPrivateProfileStringA(section.c_str(), nullptr, "", buf.data(), buf.size(),
                                       dir.settingsFile().c_str());
    std::vector<std::string> keys;
    for (size_t i = 0; i < n;) {
        std::string key(buf.c_str() + i);
        if (key.empty()) break;
        keys.push_back(key);
        i += key.size() + 1;
    }
    return keys;
}

void movePointer(int x, int y) {
    // SetCursorPos moves the pointer in the window server at once and queues the mouse move;
    // an absolute SendInput move goes round through the X server and can be overtaken.
    SetCursorPos(x, y);
}

void leftButton(bool down) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof(INPUT));
}

static bool pointerAt(POINT p, int ms) {
    return waitFor([&] {
        POINT c;
        return GetCursorPos(&c) && c.x == p.x && c.y == p.y;
    }, ms);
}

void dragWhile(POINT from, POINT to, const std::function<void()>& start, int steps) {
    // The pointer reaches its place asynchronously (through the X server); a loop started
    // before it arrives would take the stale place as its starting point.
    // After an earlier loop Wine can still deliver stale pointer motion, which puts the
    // pointer back where that loop began: place it until it stays put.
    for (int attempt = 0; attempt < 10; ++attempt) {
        movePointer(from.x, from.y);
        if (pointerAt(from, 200)) {
            Sleep(100);
            if (pointerAt(from, 0)) break;
        }
    }
    leftButton(true);
    Sleep(30);
    start();
    Sleep(100);
    for (int i = 1; i <= steps; ++i) {
        POINT p{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps};
        movePointer(p.x, p.y);
        // A loop may hold the pointer back (clipped at the screen or at a size limit).
        pointerAt(p, 100);
    }
    Sleep(50);
    leftButton(false);
    Sleep(200);
}

}  // namespace e2e
