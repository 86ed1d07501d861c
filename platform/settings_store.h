#pragma once

#include <memory>
#include <string>

namespace platform {

// The INI-format settings file, read and written key by key with the rules of the Windows
// private-profile functions:
// - section and key names match ignoring case (ASCII); only the first section of a name is
//   searched; every line with text in it is an entry ("key=value"; ";x=1" is the key ";x");
// - a read trims the value's surrounding blanks and removes one pair of matching quotes
//   (" or '), gives at most `kValueCapacity - 1` characters, and gives the default (without
//   its trailing blanks, cut the same way) for a missing file, section or key;
// - a write drops the value's leading blanks, replaces the key's line in place, adds a new
//   key after its section's last entry and a new section at the end, keeps every other line,
//   creates the file but never a missing folder (then it returns false), and is complete in
//   the file when it returns. Lines the store writes end with CR LF.
// Paths may use backslashes. Give a folder part (".\\name.ini"): Windows looks up a bare file
// name in its own folder. All operations of all stores are serialised, so threads may share
// a file.
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

// The platform's own store, and a new instance of it (both defined by the platform file that
// is built). Instances share nothing but the files.
SettingsStore& PlatformSettingsStore();
std::unique_ptr<SettingsStore> NewPlatformSettingsStore();

}  // namespace platform
