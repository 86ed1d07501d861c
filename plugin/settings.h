#pragma once

#include <string>

// Access to the module's settings file g_iniFile, section g_iniSection.

// The key's value (at most 99 characters), or the default when the file or key is missing.
std::string ReadSetting(const std::string& key, const std::string& defaultValue = std::string());

// The key's value read as an integer (atoi rules); 0 when missing.
int ReadSettingInt(const std::string& key);

// Writes the key; a failed write is ignored.
void WriteSetting(const std::string& key, const std::string& value);
void WriteSettingInt(const std::string& key, int value);
