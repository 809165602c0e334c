#include "app/settings_rules.h"

#include <climits>

namespace settings {

bool switchOn(const std::string& text) { return text == 真; }

bool switchOnUnlessOff(const std::string& text) { return text != 假; }

int pageCountFromText(const std::string& text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate as a negative number so that INT_MIN itself fits; stop growing once the
    // clamp is reached, the remaining digits cannot change the result.
    long long value = 0;
    bool anyDigit = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        anyDigit = true;
        if (value > -(static_cast<long long>(INT_MAX) + 2)) value = value * 10 - (text[i] - '0');
    }
    // The fraction is part of a valid number, but truncation toward zero drops it.
    if (!anyDigit) return 0;
    if (negative) return value < INT_MIN ? INT_MIN : static_cast<int>(value);
    return -value > INT_MAX ? INT_MAX : static_cast<int>(-value);
}

int restoredPageCount(const std::string& countText) {
    const int count = pageCountFromText(countText);
    if (count < 1) return 0;
    return count < maxRestoredPages ? count : maxRestoredPages;
}

std::string searchPrefixFor(const std::string& builtinChoice, const std::string& customPrefix) {
    for (const SearchEngine& engine : builtinSearchEngines)
        if (builtinChoice == engine.choice) return engine.prefix;
    if (builtinChoice == choice::自定义搜索) return customPrefix;
    return {};
}

std::string searchPrefixFromSettings(const SettingReader& read) {
    const std::string builtin = read(section::搜索引擎, key::内建搜索);
    if (builtin == choice::自定义搜索) return read(section::搜索引擎, key::自定义搜索);
    return searchPrefixFor(builtin, {});
}

StartPages startPages(const std::vector<std::string>& arguments, const SettingReader& read) {
    StartPages start;
    if (!arguments.empty()) {
        start.addresses = arguments;
        return start;
    }
    const std::string startChoice = read(section::主页配置, key::启动时打开页面);
    if (startChoice == choice::上次退出时未关闭的页面) {
        const int count = restoredPageCount(read(section::恢复页面, key::恢复页面总数));
        if (count < 1) {
            start.addresses.push_back(blankPage);
            return start;
        }
        for (int i = 1; i <= count; ++i) start.addresses.push_back(read(section::恢复页面, std::to_string(i)));
        start.deleteRestoreSection = true;
    } else if (startChoice == choice::空白页) {
        start.addresses.push_back(blankPage);
    } else if (startChoice == choice::自定义) {
        start.addresses.push_back(read(section::主页配置, key::自定义主页));
    } else {
        start.addresses.emplace_back();
    }
    return start;
}

std::string newTabAddress(const SettingReader& read) {
    const std::string opens = read(section::新建标签, key::打开页面);
    if (opens == choice::打开空白页) return blankPage;
    if (opens != choice::打开主页) return {};
    const std::string home = read(section::主页配置, key::启动时打开页面);
    if (home == choice::空白页) return blankPage;
    if (home == choice::自定义) return read(section::主页配置, key::自定义主页);
    return {};
}

std::string directoryOf(std::string_view path, bool (*isLeadByte)(unsigned char)) {
    std::size_t lastSlash = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto byte = static_cast<unsigned char>(path[i]);
        if (isLeadByte(byte) && i + 1 < path.size())
            ++i;
        else if (byte == '\\')
            lastSlash = i;
    }
    if (lastSlash == std::string_view::npos) return {};
    return std::string(path.substr(0, lastSlash));
}

}  // namespace settings
