// Selection of the installed or the platform's implementation of each service.
#include <ctime>

#include "platform/clock.h"
#include "platform/module_lock.h"
#include "platform/settings_store.h"
#include "platform/user_interface.h"

namespace platform {

namespace {
SettingsStore* g_settingsOverride = nullptr;
UserInterface* g_uiOverride = nullptr;
Clock* g_clockOverride = nullptr;

class SystemClock : public Clock {
 public:
  int CurrentUtcHour() override {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
#if defined(_WIN32)
    gmtime_s(&utc, &now);
#else
    gmtime_r(&now, &utc);
#endif
    return utc.tm_hour;
  }
};
}  // namespace

SettingsStore& SettingsStore::Current() {
  return g_settingsOverride ? *g_settingsOverride : PlatformSettingsStore();
}
void SettingsStore::InstallForTesting(SettingsStore* store) {
  g_settingsOverride = store;
}

UserInterface& UserInterface::Current() {
  return g_uiOverride ? *g_uiOverride : PlatformUserInterface();
}
void UserInterface::InstallForTesting(UserInterface* ui) {
  g_uiOverride = ui;
}

Clock& Clock::Current() {
  static SystemClock system;
  return g_clockOverride ? *g_clockOverride : system;
}
void Clock::InstallForTesting(Clock* clock) {
  g_clockOverride = clock;
}

std::recursive_mutex& ModuleMutex() {
  static std::recursive_mutex mutex;
  return mutex;
}

}  // namespace platform
