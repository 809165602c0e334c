// The settings file's vocabulary and the decisions made from its values, without the file.
//
// Every reader of a setting asks the file at the moment of use; the rules here take the
// read texts (or a reader callback) and say what they mean, so that the rules are testable
// without a file. All texts are GBK bytes and are compared byte for byte: no trimming, no
// case folding.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

namespace section {
inline constexpr char 界面配置[] = "界面配置";
inline constexpr char 主页配置[] = "主页配置";
inline constexpr char 恢复页面[] = "恢复页面";
inline constexpr char 默认浏览器[] = "默认浏览器";
inline constexpr char 搜索引擎[] = "搜索引擎";
inline constexpr char 新建标签[] = "新建标签";
inline constexpr char 关闭标签[] = "关闭标签";
}  // namespace section

namespace key {
inline constexpr char 显示收藏栏[] = "显示收藏栏";              // 界面配置
inline constexpr char 启动时打开页面[] = "启动时打开页面";      // 主页配置
inline constexpr char 自定义主页[] = "自定义主页";              // 主页配置
inline constexpr char 恢复页面总数[] = "恢复页面总数";          // 恢复页面; pages are keys "1".."N"
inline constexpr char 每次启动时检查默认设置[] = "每次启动时检查默认设置";  // 默认浏览器
inline constexpr char 内建搜索[] = "内建搜索";                  // 搜索引擎
inline constexpr char 自定义搜索[] = "自定义搜索";              // 搜索引擎
inline constexpr char 打开页面[] = "打开页面";                  // 新建标签
inline constexpr char 双击空白处新建标签[] = "双击空白处新建标签";  // 新建标签
inline constexpr char 总是在地址栏中新建标签[] = "总是在地址栏中新建标签";  // 新建标签
inline constexpr char 双击关闭标签[] = "双击关闭标签";          // 关闭标签
inline constexpr char 多标签关闭提示[] = "多标签关闭提示";      // 关闭标签
}  // namespace key

// Switch values as written.
inline constexpr char 真[] = "真";
inline constexpr char 假[] = "假";

namespace choice {
// 主页配置/启动时打开页面
inline constexpr char 上次退出时未关闭的页面[] = "上次退出时未关闭的页面";
inline constexpr char 空白页[] = "空白页";
inline constexpr char 自定义[] = "自定义";
// 新建标签/打开页面
inline constexpr char 打开空白页[] = "打开空白页";
inline constexpr char 打开主页[] = "打开主页";
// 搜索引擎/内建搜索: the five engines are in builtinSearchEngines; this one takes its
// prefix from key 自定义搜索.
inline constexpr char 自定义搜索[] = "自定义搜索";
}  // namespace choice

inline constexpr char blankPage[] = "about:blank";

struct SearchEngine {
    const char* choice;  // the text stored in 搜索引擎/内建搜索
    const char* prefix;  // the query is appended to it
};

// In the order the choice is compared at start-up.
inline constexpr SearchEngine builtinSearchEngines[] = {
    {"谷歌搜索", "http://www.google.com.hk/search?hl=zh-CN&q="},
    {"百度搜索", "http://www.baidu.com/s?wd="},
    {"360搜索", "http://www.so.com/s?ie=utf-8&shb=1&src=se6_addr&q="},
    {"搜狗搜索", "http://www.sogou.com/web?query="},
    {"必应搜索", "http://cn.bing.com/search?q="},
};

// Reads one key of the settings file; a missing file, section or key reads as "".
using SettingReader = std::function<std::string(const std::string& section, const std::string& key)>;

// Most switches: on only for "真".
bool switchOn(const std::string& text);
// The two switches of 关闭标签: on for everything but "假", a missing value included.
bool switchOnUnlessOff(const std::string& text);

// The leading decimal part of the text (optional sign, digits, optional fraction), truncated
// toward zero and clamped to the int range; 0 when the text does not start that way
// (a leading blank included).
int pageCountFromText(const std::string& text);

// A corrupt or hand-edited count must not make start-up open tabs until the machine gives
// out: each tab is five controls plus the browser component's own windows (the per-process
// quota of window handles is 10,000), and opening the n-th tab touches every tab before it,
// so start-up is quadratic in the count. 500 tabs stays well within both limits and above
// what anybody keeps open.
inline constexpr int maxRestoredPages = 500;

// How many saved pages start-up reopens: 0 when the count is below 1 (nothing saved),
// otherwise the count, at most maxRestoredPages.
int restoredPageCount(const std::string& countText);

// The address prefix a search appends its query to, for the value of 内建搜索 and of
// 自定义搜索. Empty when the choice names no engine.
std::string searchPrefixFor(const std::string& builtinChoice, const std::string& customPrefix);
// The same, read from the settings (自定义搜索 is read only when it is the choice).
std::string searchPrefixFromSettings(const SettingReader& read);

struct StartPages {
    std::vector<std::string> addresses;  // one tab each, in order; the last becomes current
    bool deleteRestoreSection = false;   // the saved page list was consumed
};

// Which tabs the first start opens: the command-line arguments when there are any (the
// settings are then not read), otherwise what 主页配置/启动时打开页面 asks for.
StartPages startPages(const std::vector<std::string>& arguments, const SettingReader& read);

// The address of a tab opened by the new-tab button, the menu or a double-click.
std::string newTabAddress(const SettingReader& read);

// The directory part of a path, without the trailing backslash: everything before the last
// backslash that is not the trail byte of a double-byte character. Empty without one.
std::string directoryOf(std::string_view path, bool (*isLeadByte)(unsigned char));

}  // namespace settings
