// Start-up as a person sees it: which tabs open, from the command line or the settings file,
// what is left in the settings file, and the default-browser message.
#include <gtest/gtest.h>

#include "tests/support/e2e_support.h"

using namespace e2e;

namespace {

const char kNoPrompt[] = "[关闭标签]\r\n多标签关闭提示=假\r\n";

std::string savedList(int n) {
    std::string s = "[主页配置]\r\n启动时打开页面=上次退出时未关闭的页面\r\n[恢复页面]\r\n恢复页面总数=" +
                    std::to_string(n) + "\r\n";
    for (int i = 1; i <= n; ++i) s += std::to_string(i) + "=http://page" + std::to_string(i) + ".invalid/\r\n";
    return s;
}

// Starts the browser, waits for its window and for `tabs` tab boxes.
struct Started {
    RunDir& dir;
    Browser browser;
    HWND main = nullptr;
    Started(RunDir& d, const std::string& args, size_t tabs) : dir(d), browser(d, args) {
        main = browser.waitMainWindow();
        if (main) waitFor([&] { return tabBoxes(main).size() >= tabs; }, 5000);
    }
};

}  // namespace

TEST(Startup, WithoutSettingsFileOpensOneTabAndWritesOnlyThePageList) {
    RunDir dir;
    Started s(dir, "", 1);
    ASSERT_NE(s.main, nullptr);
    auto boxes = tabBoxes(s.main);
    ASSERT_EQ(boxes.size(), 1u);
    // No favourites band: the strip starts at 64.
    EXPECT_EQ(boxes[0].left, 4);
    EXPECT_EQ(boxes[0].top, 64);
    EXPECT_NE(childWithCaption(s.main, "新建页面"), nullptr);
    EXPECT_FALSE(dir.exists("Lumo浏览器配置.ini")) << "nothing is written before the close";
    DWORD code = 99;
    ASSERT_TRUE(closeAndWait(s.browser, s.main, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(dir.ini("恢复页面", "恢复页面总数"), "1");
}

TEST(Startup, CommandLineAddressesWinOverTheSavedList) {
    RunDir dir;
    dir.writeSettings(savedList(3) + kNoPrompt);
    Started s(dir, "http://one.invalid/a http://two.invalid/b", 2);
    ASSERT_NE(s.main, nullptr);
    Sleep(300);
    EXPECT_EQ(tabBoxes(s.main).size(), 2u);
    // The saved list was not consumed.
    EXPECT_EQ(dir.ini("恢复页面", "恢复页面总数"), "3");
    EXPECT_EQ(dir.ini("恢复页面", "3"), "http://page3.invalid/");
    ASSERT_TRUE(closeAndWait(s.browser, s.main));
    // The close writes the two open tabs, in argument order, over the old list.
    EXPECT_EQ(dir.ini("恢复页面", "恢复页面总数"), "2");
    EXPECT_EQ(dir.ini("恢复页面", "1"), "http://one.invalid/a");
    EXPECT_EQ(dir.ini("恢复页面", "2"), "http://two.invalid/b");
    EXPECT_EQ(dir.ini("恢复页面", "3"), "http://page3.invalid/") << "keys above the count stay";
}

TEST(Startup, SavedListIsRestoredInOrderAndConsumed) {
    RunDir dir;
    dir.writeSettings(savedList(3) + kNoPrompt);
    Started s(dir, "", 3);
    ASSERT_NE(s.main, nullptr);
    EXPECT_EQ(tabBoxes(s.main).size(), 3u);
    EXPECT_TRUE(waitFor([&] { return !dir.iniHasSection("恢复页面"); }, 3000)) << "the section is deleted";
    ASSERT_TRUE(closeAndWait(s.browser, s.main));
    EXPECT_EQ(dir.ini("恢复页面", "恢复页面总数"), "3");
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(dir.ini("恢复页面", std::to_string(i)), "http://page" + std::to_string(i) + ".invalid/");
}

TEST(Startup, CountBelowOneOpensBlankAndKeepsTheSection) {
    for (const char* count : {"0", "-2", "letters", ""}) {
        SCOPED_TRACE(count);
        RunDir dir;
        dir.writeSettings(std::string("[主页配置]\r\n启动时打开页面=上次退出时未关闭的页面\r\n[恢复页面]\r\n恢复页面总数=") +
                          count + "\r\n1=http://kept.invalid/\r\n" + kNoPrompt);
        Started s(dir, "", 1);
        ASSERT_NE(s.main, nullptr);
        Sleep(200);
        EXPECT_EQ(tabBoxes(s.main).size(), 1u);
        EXPECT_EQ(dir.ini("恢复页面", "1"), "http://kept.invalid/");
        ASSERT_TRUE(closeAndWait(s.browser, s.main));
        EXPECT_EQ(dir.ini("恢复页面", "1"), "about:blank");
    }
}

TEST(Startup, QuotedPathWithBlanksIsOneTab) {
    RunDir dir;
    dir.writeSettings(kNoPrompt);
    Started s(dir, "\"C:\\some folder\\a page.htm\"", 1);
    ASSERT_NE(s.main, nullptr);
    Sleep(300);
    EXPECT_EQ(tabBoxes(s.main).size(), 1u);
    ASSERT_TRUE(closeAndWait(s.browser, s.main));
    EXPECT_EQ(dir.ini("恢复页面", "恢复页面总数"), "1");
    EXPECT_NE(dir.ini("恢复页面", "1").find("a page.htm"), std::string::npos) << dir.ini("恢复页面", "1");
}

TEST(Startup, OddCommandLinesNeitherCrashNorHang) {
    const std::string longArg = "http://long.invalid/" + std::string(20000, 'x');
    struct Case {
        std::string args;
        size_t tabs;
    } cases[] = {
        {"\"unbalanced quote with blanks", 1},
        {"a\tb\x01" "c", 3},
        {longArg, 1},
        {"\"\" \"\"", 2},  // two empty quoted arguments are two tabs with empty addresses
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.args.substr(0, 40));
        RunDir dir;
        dir.writeSettings(kNoPrompt);
        Started s(dir, c.args, c.tabs);
        ASSERT_NE(s.main, nullptr);
        Sleep(200);
        EXPECT_EQ(tabBoxes(s.main).size(), c.tabs);
        DWORD code = 99;
        ASSERT_TRUE(closeAndWait(s.browser, s.main, &code));
        EXPECT_EQ(code, 0u);
    }
}

TEST(Startup, TabPlacesFollowTheFavouritesBand) {
    for (bool shown : {true, false}) {
        SCOPED_TRACE(shown ? "band shown" : "band hidden");
        RunDir dir;
        dir.writeSettings(std::string("[界面配置]\r\n显示收藏栏=") + (shown ? "真" : "true") + "\r\n" + kNoPrompt);
        Started s(dir, "a.invalid b.invalid c.invalid", 3);
        ASSERT_NE(s.main, nullptr);
        auto boxes = tabBoxes(s.main);
        ASSERT_EQ(boxes.size(), 3u);
        int top = shown ? 88 : 64;
        EXPECT_EQ(boxes[0].left, 4);
        EXPECT_EQ(boxes[0].top, top);
        EXPECT_EQ(boxes[2].left, 406);
        EXPECT_EQ(boxes[2].top, top);
        ASSERT_TRUE(closeAndWait(s.browser, s.main));
    }
}

TEST(Startup, DefaultBrowserCheckShowsTheMessageUnlessRegistered) {
    RunDir dir;
    dir.writeSettings(std::string("[默认浏览器]\r\n每次启动时检查默认设置=真\r\n") + kNoPrompt);
    HKEY key;
    const char* path = "mhtmlfile\\shell\\e\\command";
    RegDeleteKeyA(HKEY_CLASSES_ROOT, path);
    {
        Browser b(dir);
        MessageBoxInfo box = waitMessageBox(b);
        ASSERT_NE(box.hwnd, nullptr);
        EXPECT_EQ(hex(box.caption), hex("信息："));
        EXPECT_EQ(hex(box.text), hex("非默认浏览器"));
        answerMessageBox(box.hwnd, IDOK);
        HWND main = b.waitMainWindow();
        ASSERT_NE(main, nullptr) << "start-up goes on after the message";
        ASSERT_TRUE(closeAndWait(b, main));
    }
    // Registered from this very directory: no message.
    std::string command = dir.exe() + " %1";
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr), ERROR_SUCCESS);
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()), command.size() + 1);
    RegCloseKey(key);
    {
        Browser b(dir);
        HWND main = b.waitMainWindow();
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(waitMessageBox(b, 500).hwnd, nullptr);
        ASSERT_TRUE(closeAndWait(b, main));
    }
    // Switched off: no check at all, even when not registered.
    RegDeleteKeyA(HKEY_CLASSES_ROOT, path);
    dir.writeSettings(std::string("[默认浏览器]\r\n每次启动时检查默认设置=假\r\n") + kNoPrompt);
    {
        Browser b(dir);
        HWND main = b.waitMainWindow();
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(waitMessageBox(b, 500).hwnd, nullptr);
        ASSERT_TRUE(closeAndWait(b, main));
    }
}
