#include <memory>

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

std::unique_ptr<SettingsStore> NewPlatformSettingsStore() {
  return std::make_unique<Win32SettingsStore>();
}

SettingsStore& PlatformSettingsStore() {
  static const std::unique_ptr<SettingsStore> store = NewPlatformSettingsStore();
  return *store;
}

}  // namespace platform
