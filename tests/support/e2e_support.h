// Helpers for the end-to-end tests: a throw-away run directory holding a copy of lumo.exe,
// starting it with a command line, and watching its windows, files and exit code from
// outside, as a person at the screen would.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

struct WindowInfo {
    HWND hwnd = nullptr;
    std::string className;
    std::string caption;   // GBK bytes, as the ANSI functions return them
    RECT rect{};           // window rectangle, screen pixels
    bool visible = false;
};

// Polls `done` every 20 ms until it holds or `ms` have passed; returns its last value.
bool waitFor(const std::function<bool()>& done, int ms = 10000);

// A fresh directory under the temp folder with lumo.exe copied into it; removed (with what
// the program left there) when the object goes.
class RunDir {
public:
    RunDir();
    ~RunDir();
    RunDir(const RunDir&) = delete;
    RunDir& operator=(const RunDir&) = delete;
    const std::string& path() const { return path_; }
    std::string exe() const { return path_ + "\\lumo.exe"; }
    std::string settingsFile() const;
    // Writes a whole settings file (GBK bytes, CRLF line ends as given).
    void writeSettings(const std::string& content) const;
    bool exists(const std::string& name) const;
    std::string readFile(const std::string& name) const;
    std::string ini(const std::string& section, const std::string& key, const std::string& def = "") const;
    bool iniHasSection(const std::string& section) const;

private:
    std::string path_;
};

// One running lumo.exe. The destructor kills it if it is still running.
class Browser {
public:
    Browser(const RunDir& dir, const std::string& arguments = "");
    ~Browser();
    Browser(const Browser&) = delete;
    Browser& operator=(const Browser&) = delete;

    DWORD pid() const { return pi_.dwProcessId; }
    // Top-level windows of the process (all, or only visible ones).
    std::vector<WindowInfo> topWindows(bool visibleOnly = true) const;
    // The main window (class LumoMainWindow) once it is visible; nullptr after `ms`.
    HWND waitMainWindow(int ms = 15000) const;
    // Visible top-level window whose caption equals `caption`, or nullptr after `ms`.
    HWND waitWindowWithCaption(const std::string& caption, int ms = 10000) const;
    bool waitExit(int ms, DWORD* exitCode = nullptr) const;
    bool running() const;

private:
    PROCESS_INFORMATION pi_{};
};

WindowInfo describe(HWND hwnd);
std::vector<WindowInfo> childWindows(HWND parent);
// Child windows (any depth) of `parent` whose class is `className`.
std::vector<WindowInfo> childrenOfClass(HWND parent, const std::string& className);
// Rectangle of a child in its top-level window's client coordinates.
RECT clientRectIn(HWND child, HWND top);
std::string hex(const std::string& bytes);

// The visible tab boxes of the main window (200 x 28 picture boxes), left to right, in its
// client coordinates.
std::vector<RECT> tabBoxes(HWND main);
// Visible child of the main window whose caption is `caption` (first found), or nullptr.
HWND childWithCaption(HWND main, const std::string& caption);

// A message box of the process: its text (the static control's) and how to answer it.
struct MessageBoxInfo {
    HWND hwnd = nullptr;
    std::string caption;
    std::string text;
};
MessageBoxInfo waitMessageBox(const Browser& b, int ms = 10000);
void answerMessageBox(HWND box, int buttonId);

// Asks the main window to close as the platform does and waits for the process to end.
bool closeAndWait(const Browser& b, HWND main, DWORD* exitCode = nullptr, int ms = 15000);

// Real input through SendInput, in screen pixels.
void click(int x, int y, bool doubleClick = false);
void pressKey(WORD vk);

// Keys of one section of the run directory's settings file, in file order.
std::vector<std::string> iniKeys(const RunDir& dir, const std::string& section);

// Pointer and left button, separately, so that a test can hold the button through a drag.
void movePointer(int x, int y);
void leftButton(bool down);
// Holds the left button at `from`, lets `start` begin a modal loop (for example post the size
// command), moves the pointer to `to` in `steps` steps and releases it there.
void dragWhile(POINT from, POINT to, const std::function<void()>& start, int steps = 10);

}  // namespace e2e
