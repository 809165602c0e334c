// The settings file "Lumo浏览器配置.ini" beside the executable, one key at a time.
//
// There is no cache and no handle kept: every call goes through the platform's
// private-profile functions, which open the file for that one key, so a value written by one
// handler is what the next read anywhere sees. Failures are silent by design: a missing
// file, section or key reads as "", a write that cannot be made leaves the file as it was.
// All texts are GBK.
#pragma once
#include <string>

// The directory of the running executable, without a trailing backslash.
std::string runDirectory();
// runDirectory() + "\\Lumo浏览器配置.ini", unless a test has pointed it elsewhere.
std::string settingsPath();

// The stored value, at most 10239 bytes (a longer one is cut).
std::string readSetting(const std::string& section, const std::string& key);
// Creates the file and the section when needed. Carriage returns and line feeds are left
// out of the value: written as they are they would end the line and start keys or sections
// of their own.
void writeSetting(const std::string& section, const std::string& key, const std::string& value);
// Removes the section with all its keys.
void deleteSettingsSection(const std::string& section);

// Makes every operation use another file; an empty path goes back to settingsPath()'s own.
void setSettingsPathForTests(const std::string& path);
