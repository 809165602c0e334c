#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/command_line.h"
#include "app/settings_rules.h"

namespace {

using namespace settings;
using Args = std::vector<std::string>;

// A settings file in memory that also records which keys were asked for.
struct FakeSettings {
    std::map<std::pair<std::string, std::string>, std::string> values;
    mutable std::vector<std::string> reads;
    SettingReader reader() const {
        return [this](const std::string& s, const std::string& k) {
            reads.push_back(s + "/" + k);
            auto it = values.find({s, k});
            return it == values.end() ? std::string() : it->second;
        };
    }
};

TEST(SettingsSwitch, OnlyExactTextsCount) {
    struct Case {
        std::string text;
        bool on, onUnlessOff;
    } cases[] = {
        {"真", true, true},     {"假", false, false},   {"", false, true},       {"true", false, true},
        {" 真", false, true},   {"真 ", false, true},   {"假 ", false, true},    {"false", false, true},
        {"真假", false, true},  {"1", false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(switchOn(c.text), c.on) << c.text;
        EXPECT_EQ(switchOnUnlessOff(c.text), c.onUnlessOff) << c.text;
    }
}

TEST(SettingsPageCount, LeadingDecimalTruncatedAndClamped) {
    struct Case {
        std::string text;
        int count, restored;
    } cases[] = {
        {"", 0, 0},          {"0", 0, 0},         {"-2", -2, 0},       {"abc", 0, 0},
        {"2.9", 2, 2},       {"3abc", 3, 3},      {"+4", 4, 4},        {" 5", 0, 0},
        {"-0.9", 0, 0},      {"0.9", 0, 0},       {".5", 0, 0},        {"+", 0, 0},
        {"-", 0, 0},         {"1e3", 1, 1},       {"007", 7, 7},       {"12 34", 12, 12},
        {"500", 500, 500},   {"501", 501, maxRestoredPages},
        {"2147483647", INT_MAX, maxRestoredPages},
        {"2147483648", INT_MAX, maxRestoredPages},
        {"-2147483648", INT_MIN, 0},
        {"-2147483649", INT_MIN, 0},
        {std::string(5000, '9'), INT_MAX, maxRestoredPages},
        {"-" + std::string(5000, '9') + ".5", INT_MIN, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pageCountFromText(c.text), c.count) << c.text.substr(0, 40);
        EXPECT_EQ(restoredPageCount(c.text), c.restored) << c.text.substr(0, 40);
    }
}

TEST(SettingsSearchPrefix, EachChoice) {
    struct Case {
        std::string choice, custom, prefix;
    } cases[] = {
        {"谷歌搜索", "x", "http://www.google.com.hk/search?hl=zh-CN&q="},
        {"百度搜索", "x", "http://www.baidu.com/s?wd="},
        {"360搜索", "x", "http://www.so.com/s?ie=utf-8&shb=1&src=se6_addr&q="},
        {"搜狗搜索", "x", "http://www.sogou.com/web?query="},
        {"必应搜索", "x", "http://cn.bing.com/search?q="},
        {"自定义搜索", " http://my.cn/?q= ", " http://my.cn/?q= "},
        {"自定义搜索", "", ""},
        {"必应", "x", ""},
        {"必应搜索 ", "x", ""},
        {"", "x", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(searchPrefixFor(c.choice, c.custom), c.prefix) << c.choice;
    // The query is appended to the prefix, so every built-in one is an http address ending
    // in its query parameter.
    for (const SearchEngine& e : builtinSearchEngines) {
        EXPECT_EQ(std::string(e.prefix).rfind("http://", 0), 0u);
        EXPECT_EQ(std::string(e.prefix).back(), '=');
    }
}

TEST(SettingsSearchPrefix, ReadsCustomKeyOnlyWhenChosen) {
    FakeSettings f;
    f.values[{"搜索引擎", "内建搜索"}] = "百度搜索";
    f.values[{"搜索引擎", "自定义搜索"}] = "http://mine/?q=";
    EXPECT_EQ(searchPrefixFromSettings(f.reader()), "http://www.baidu.com/s?wd=");
    EXPECT_EQ(f.reads, (Args{"搜索引擎/内建搜索"}));
    f.values[{"搜索引擎", "内建搜索"}] = "自定义搜索";
    EXPECT_EQ(searchPrefixFromSettings(f.reader()), "http://mine/?q=");
    f.values.erase({"搜索引擎", "自定义搜索"});
    EXPECT_EQ(searchPrefixFromSettings(f.reader()), "");
}

TEST(SettingsStartPages, CommandLineWinsAndReadsNothing) {
    FakeSettings f;
    f.values[{"主页配置", "启动时打开页面"}] = "上次退出时未关闭的页面";
    f.values[{"恢复页面", "恢复页面总数"}] = "3";
    const StartPages start = startPages({"http://a/", "b.htm"}, f.reader());
    EXPECT_EQ(start.addresses, (Args{"http://a/", "b.htm"}));
    EXPECT_FALSE(start.deleteRestoreSection);
    EXPECT_TRUE(f.reads.empty());
}

TEST(SettingsStartPages, StartChoices) {
    struct Case {
        const char* what;
        std::map<std::pair<std::string, std::string>, std::string> values;
        Args addresses;
        bool deleteSection;
    } cases[] = {
        {"no file", {}, {""}, false},
        {"blank page", {{{"主页配置", "启动时打开页面"}, "空白页"}}, {"about:blank"}, false},
        {"custom", {{{"主页配置", "启动时打开页面"}, "自定义"}, {{"主页配置", "自定义主页"}, "http://h/"}}, {"http://h/"}, false},
        {"custom missing", {{{"主页配置", "启动时打开页面"}, "自定义"}}, {""}, false},
        {"misspelled", {{{"主页配置", "启动时打开页面"}, "空白"}}, {""}, false},
        {"restore three",
         {{{"主页配置", "启动时打开页面"}, "上次退出时未关闭的页面"},
          {{"恢复页面", "恢复页面总数"}, "3"},
          {{"恢复页面", "1"}, "p1"},
          {{"恢复页面", "2"}, "about:blank"},
          {{"恢复页面", "3"}, "p3"},
          {{"恢复页面", "4"}, "left over"}},
         {"p1", "about:blank", "p3"},
         true},
        {"restore key missing",
         {{{"主页配置", "启动时打开页面"}, "上次退出时未关闭的页面"}, {{"恢复页面", "恢复页面总数"}, "2.9"}, {{"恢复页面", "1"}, "p1"}},
         {"p1", ""},
         true},
        {"restore count 0", {{{"主页配置", "启动时打开页面"}, "上次退出时未关闭的页面"}, {{"恢复页面", "恢复页面总数"}, "0"}}, {"about:blank"}, false},
        {"restore count missing", {{{"主页配置", "启动时打开页面"}, "上次退出时未关闭的页面"}}, {"about:blank"}, false},
        {"restore count letters", {{{"主页配置", "启动时打开页面"}, "上次退出时未关闭的页面"}, {{"恢复页面", "恢复页面总数"}, "abc"}}, {"about:blank"}, false},
    };
    for (const Case& c : cases) {
        FakeSettings f;
        f.values = c.values;
        const StartPages start = startPages({}, f.reader());
        EXPECT_EQ(start.addresses, c.addresses) << c.what;
        EXPECT_EQ(start.deleteRestoreSection, c.deleteSection) << c.what;
    }
}

TEST(SettingsStartPages, HugeCountIsBounded) {
    FakeSettings f;
    f.values[{"主页配置", "启动时打开页面"}] = "上次退出时未关闭的页面";
    f.values[{"恢复页面", "恢复页面总数"}] = "2000000000";
    const StartPages start = startPages({}, f.reader());
    EXPECT_EQ(start.addresses.size(), static_cast<std::size_t>(maxRestoredPages));
    EXPECT_TRUE(start.deleteRestoreSection);
    EXPECT_EQ(f.reads.back(), "恢复页面/" + std::to_string(maxRestoredPages));
}

TEST(SettingsNewTab, AddressRule) {
    struct Case {
        std::string opens, home, custom, address;
    } cases[] = {
        {"打开空白页", "自定义", "http://h/", "about:blank"},
        {"打开主页", "空白页", "http://h/", "about:blank"},
        {"打开主页", "自定义", "http://h/", "http://h/"},
        {"打开主页", "自定义", "", ""},
        {"打开主页", "上次退出时未关闭的页面", "http://h/", ""},
        {"打开主页", "", "http://h/", ""},
        {"", "自定义", "http://h/", ""},
        {"打开主页 ", "自定义", "http://h/", ""},
    };
    for (const Case& c : cases) {
        FakeSettings f;
        if (!c.opens.empty()) f.values[{"新建标签", "打开页面"}] = c.opens;
        if (!c.home.empty()) f.values[{"主页配置", "启动时打开页面"}] = c.home;
        if (!c.custom.empty()) f.values[{"主页配置", "自定义主页"}] = c.custom;
        EXPECT_EQ(newTabAddress(f.reader()), c.address) << c.opens << "|" << c.home;
    }
}

TEST(SettingsRunDirectory, LastBackslashOutsideDoubleByteCharacters) {
    struct Case {
        std::string path, directory;
    } cases[] = {
        {"C:\\Lumo\\lumo.exe", "C:\\Lumo"},
        {"C:\\lumo.exe", "C:"},
        {"lumo.exe", ""},
        {"", ""},
        {"C:\\\x81\x5C\\lumo.exe", "C:\\\x81\x5C"},  // trail byte 0x5C is not a backslash
        {"C:\\a\\\x81\x5Clumo.exe", "C:\\a"},
        {"C:\\浏览器\\lumo.exe", "C:\\浏览器"},
        {"\\\\server\\share\\lumo.exe", "\\\\server\\share"},
    };
    for (const Case& c : cases) EXPECT_EQ(directoryOf(c.path, isGbkLeadByte), c.directory) << c.path;
}

}  // namespace
