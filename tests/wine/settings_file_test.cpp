// The settings file through the platform's private-profile functions, on a real file in a
// folder of the test's own.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/settings_file.h"

namespace {

std::string rawFile(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(h);
    return bytes;
}

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class SettingsFile : public testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        dir = std::string(temp) + "lumo设置测试" + std::to_string(GetCurrentProcessId()) + "_" +
              testing::UnitTest::GetInstance()->current_test_info()->name();
        ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr)) << dir;
        file = dir + "\\Lumo浏览器配置.ini";
        setSettingsPathForTests(file);
    }
    void TearDown() override {
        setSettingsPathForTests("");
        for (const std::string& f : {file, file + ".moved"}) {
            SetFileAttributesA(f.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(f.c_str());
        }
        SetFileAttributesA(dir.c_str(), FILE_ATTRIBUTE_NORMAL);
        RemoveDirectoryA(dir.c_str());
    }
    std::string dir, file;
};

TEST_F(SettingsFile, WritesGbkBytesAndReadsThemBack) {
    EXPECT_FALSE(exists(file));
    writeSetting("恢复页面", "恢复页面总数", "2");
    writeSetting("恢复页面", "1", "http://百度.cn/?q=浏览器");
    writeSetting("界面配置", "显示收藏栏", "真");
    EXPECT_EQ(rawFile(file),
              "[恢复页面]\r\n恢复页面总数=2\r\n1=http://百度.cn/?q=浏览器\r\n[界面配置]\r\n显示收藏栏=真\r\n");
    EXPECT_EQ(readSetting("恢复页面", "1"), "http://百度.cn/?q=浏览器");
    EXPECT_EQ(readSetting("界面配置", "显示收藏栏"), "真");
    writeSetting("界面配置", "显示收藏栏", "假");
    EXPECT_EQ(readSetting("界面配置", "显示收藏栏"), "假");
    EXPECT_EQ(readSetting("界面配置", "没有的键"), "");
    EXPECT_EQ(readSetting("没有的节", "显示收藏栏"), "");
}

TEST_F(SettingsFile, MissingFileReadsEmpty) {
    EXPECT_EQ(readSetting("主页配置", "启动时打开页面"), "");
    deleteSettingsSection("恢复页面");
    EXPECT_EQ(readSetting("恢复页面", "恢复页面总数"), "");
}

TEST_F(SettingsFile, DeletesOneSectionWithItsKeys) {
    writeSetting("恢复页面", "恢复页面总数", "1");
    writeSetting("恢复页面", "1", "about:blank");
    writeSetting("主页配置", "启动时打开页面", "空白页");
    deleteSettingsSection("恢复页面");
    EXPECT_EQ(readSetting("恢复页面", "恢复页面总数"), "");
    EXPECT_EQ(readSetting("恢复页面", "1"), "");
    EXPECT_EQ(readSetting("主页配置", "启动时打开页面"), "空白页");
    EXPECT_EQ(rawFile(file).find("恢复页面"), std::string::npos);
}

TEST_F(SettingsFile, LongValueIsCutTo10239Bytes) {
    const std::string fits(10239, 'a');
    writeSetting("主页配置", "自定义主页", fits);
    EXPECT_EQ(readSetting("主页配置", "自定义主页"), fits);
    writeSetting("主页配置", "自定义主页", std::string(20000, 'b'));
    EXPECT_NE(rawFile(file).find(std::string(20000, 'b')), std::string::npos);  // stored whole
    EXPECT_EQ(readSetting("主页配置", "自定义主页"), std::string(10239, 'b'));
}

TEST_F(SettingsFile, LineBreaksCannotAddKeysOrSections) {
    writeSetting("主页配置", "自定义主页", "http://a/\r\n[恢复页面]\r\n恢复页面总数=9\nx");
    EXPECT_EQ(readSetting("恢复页面", "恢复页面总数"), "");
    EXPECT_EQ(readSetting("主页配置", "自定义主页"), "http://a/[恢复页面]恢复页面总数=9x");
}

TEST_F(SettingsFile, FileIsNotHeldOpen) {
    writeSetting("新建标签", "打开页面", "打开主页");
    EXPECT_EQ(readSetting("新建标签", "打开页面"), "打开主页");
    // Another program may move or delete the file between two operations.
    ASSERT_TRUE(MoveFileA(file.c_str(), (file + ".moved").c_str())) << GetLastError();
    EXPECT_EQ(readSetting("新建标签", "打开页面"), "");
    ASSERT_TRUE(MoveFileA((file + ".moved").c_str(), file.c_str())) << GetLastError();
    writeSetting("新建标签", "打开页面", "打开空白页");
    ASSERT_TRUE(DeleteFileA(file.c_str())) << GetLastError();
    EXPECT_FALSE(exists(file));
    EXPECT_EQ(readSetting("新建标签", "打开页面"), "");
    // Held exclusively by someone else for a moment: operations fail quietly.
    writeSetting("新建标签", "打开页面", "打开主页");
    HANDLE h = CreateFileA(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    writeSetting("新建标签", "打开页面", "打开空白页");
    (void)readSetting("新建标签", "打开页面");
    CloseHandle(h);
    EXPECT_EQ(readSetting("新建标签", "打开页面"), "打开主页");
}

TEST_F(SettingsFile, UnwritablePlacesAreIgnored) {
    // (The read-only attribute is no test here: the suite runs as root, and Wine lets root
    // write such a file.) A folder standing where the file should be, and a missing folder.
    ASSERT_TRUE(CreateDirectoryA(file.c_str(), nullptr));
    writeSetting("关闭标签", "多标签关闭提示", "真");
    deleteSettingsSection("关闭标签");
    EXPECT_EQ(readSetting("关闭标签", "多标签关闭提示"), "");
    EXPECT_TRUE(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    RemoveDirectoryA(file.c_str());

    setSettingsPathForTests(dir + "\\没有的目录\\Lumo浏览器配置.ini");
    writeSetting("关闭标签", "多标签关闭提示", "真");
    EXPECT_EQ(readSetting("关闭标签", "多标签关闭提示"), "");
    EXPECT_FALSE(exists(dir + "\\没有的目录"));
}

TEST(SettingsFileLocation, BesideTheExecutable) {
    char exe[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, exe, MAX_PATH);
    ASSERT_GT(n, 0u);
    std::string expected(exe, n);
    expected.erase(expected.rfind('\\'));
    EXPECT_EQ(runDirectory(), expected);
    EXPECT_NE(runDirectory().back(), '\\');
    EXPECT_EQ(settingsPath(), expected + "\\Lumo浏览器配置.ini");
    setSettingsPathForTests("C:\\x.ini");
    EXPECT_EQ(settingsPath(), "C:\\x.ini");
    setSettingsPathForTests("");
    EXPECT_EQ(settingsPath(), expected + "\\Lumo浏览器配置.ini");
}

}  // namespace
