#pragma once

#include <string>

namespace platform {

// The INI-format settings file, read and written key by key like the Windows private-profile
// functions: section and key names match ignoring case, a value's surrounding blanks are
// trimmed and matching quotes removed, at most `kValueCapacity - 1` characters come back, a
// missing file or key gives the default. A write creates the file (never a missing folder),
// replaces the key's line in place, keeps every other line and is complete when it returns.
// Paths may use backslashes.
class SettingsStore {
 public:
  static constexpr size_t kValueCapacity = 100;

  virtual ~SettingsStore() = default;
  virtual std::string Read(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& defaultValue) = 0;
  // Returns false when the file could not be written.
  virtual bool Write(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) = 0;

  // The installed store, or the platform's own.
  static SettingsStore& Current();
  // Installs a store for tests; nullptr restores the platform's. Not thread-safe.
  static void InstallForTesting(SettingsStore* store);
};

// The platform's own store (defined by the platform file that is built).
SettingsStore& PlatformSettingsStore();

}  // namespace platform
