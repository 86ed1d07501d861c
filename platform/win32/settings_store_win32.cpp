#include "platform/settings_store.h"
#include "platform/win32/win32.h"

namespace platform {
namespace {

class Win32SettingsStore : public SettingsStore {
 public:
  std::string Read(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& defaultValue) override {
    char buffer[kValueCapacity] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer,
                             sizeof buffer, file.c_str());
    buffer[sizeof buffer - 1] = '\0';
    return buffer;
  }

  bool Write(const std::string& file, const std::string& section, const std::string& key,
             const std::string& value) override {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) !=
           FALSE;
  }
};

}  // namespace

SettingsStore& PlatformSettingsStore() {
  static Win32SettingsStore store;
  return store;
}

}  // namespace platform
