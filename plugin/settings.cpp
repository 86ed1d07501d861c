#include "plugin/settings.h"

#include "common/text_to_int.h"
#include "platform/settings_store.h"
#include "plugin/module_state.h"

std::string ReadSetting(const std::string& key, const std::string& defaultValue) {
  return platform::SettingsStore::Current().Read(g_iniFile, g_iniSection, key, defaultValue);
}

int ReadSettingInt(const std::string& key) {
  return TextToInt(ReadSetting(key));
}

void WriteSetting(const std::string& key, const std::string& value) {
  platform::SettingsStore::Current().Write(g_iniFile, g_iniSection, key, value);
}

void WriteSettingInt(const std::string& key, int value) {
  WriteSetting(key, std::to_string(value));
}
