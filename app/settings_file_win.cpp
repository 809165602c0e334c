#include "app/settings_file.h"

#include <windows.h>

#include <vector>

#include "app/settings_rules.h"

namespace {

constexpr DWORD settingBufferSize = 10240;  // terminating zero included

std::string& pathOverride() {
    static std::string path;
    return path;
}

bool isAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != 0; }

}  // namespace

std::string runDirectory() {
    // The executable's path may be longer than MAX_PATH; grow until it fits.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size() - 1 || buffer.size() >= 32768) {
            return settings::directoryOf(std::string_view(buffer.data(), length), isAnsiLeadByte);
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string settingsPath() {
    if (!pathOverride().empty()) return pathOverride();
    return runDirectory() + "\\Lumo浏览器配置.ini";
}

std::string readSetting(const std::string& section, const std::string& key) {
    std::vector<char> buffer(settingBufferSize);
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(), settingBufferSize,
                                                  settingsPath().c_str());
    return std::string(buffer.data(), length < settingBufferSize ? length : settingBufferSize - 1);
}

void writeSetting(const std::string& section, const std::string& key, const std::string& value) {
    std::string oneLine;
    oneLine.reserve(value.size());
    for (char c : value)
        if (c != '\r' && c != '\n') oneLine += c;
    // Failure (read-only file or folder, full disk) is deliberately ignored: the next reader
    // sees the old value or none.
    WritePrivateProfileStringA(section.c_str(), key.c_str(), oneLine.c_str(), settingsPath().c_str());
}

void deleteSettingsSection(const std::string& section) {
    // No key name removes the whole section. Failure is ignored, as for every write.
    WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, settingsPath().c_str());
}

void setSettingsPathForTests(const std::string& path) { pathOverride() = path; }
