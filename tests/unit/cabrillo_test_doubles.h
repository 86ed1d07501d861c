#pragma once

// Stand-ins for the settings file and the windows, installed for the life of a test.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/settings_store.h"
#include "platform/user_interface.h"
#include "reports/cabrillo_dialog.h"

namespace cabrillo_test {

// The module's settings section in memory, with every write recorded in order.
class MemorySettings : public platform::SettingsStore {
 public:
  MemorySettings() { platform::SettingsStore::InstallForTesting(this); }
  ~MemorySettings() override { platform::SettingsStore::InstallForTesting(nullptr); }

  std::string Read(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& defaultValue) override {
    EXPECT_EQ(file, "Plugins\\KELM.ini");
    EXPECT_EQ(section, "Settings");
    const auto found = values.find(key);
    if (found == values.end()) return defaultValue;
    return found->second.substr(0, kValueCapacity - 1);
  }

  bool Write(const std::string& file, const std::string& section, const std::string& key,
             const std::string& value) override {
    EXPECT_EQ(file, "Plugins\\KELM.ini");
    EXPECT_EQ(section, "Settings");
    writes.emplace_back(key, value);
    values[key] = value;
    return true;
  }

  std::map<std::string, std::string> values;
  std::vector<std::pair<std::string, std::string>> writes;
};

// Records the message boxes and answers the Cabrillo dialog with `answer`.
class ScriptedUserInterface : public platform::UserInterface {
 public:
  struct Message {
    std::string text;
    std::string caption;
    platform::MessageKind kind;
    bool ownedByActiveWindow;
  };

  ScriptedUserInterface() { platform::UserInterface::InstallForTesting(this); }
  ~ScriptedUserInterface() override { platform::UserInterface::InstallForTesting(nullptr); }

  void ShowMessage(const std::string& text, const std::string& caption, platform::MessageKind kind,
                   bool ownedByActiveWindow) override {
    messages.push_back({text, caption, kind, ownedByActiveWindow});
  }

  bool RunCabrilloDialog(CabrilloDialogFields& fields) override {
    shown.push_back(fields);
    return answer(fields);
  }

  std::function<bool(CabrilloDialogFields&)> answer = [](CabrilloDialogFields&) { return true; };
  std::vector<Message> messages;
  std::vector<CabrilloDialogFields> shown;  // the fields as each dialog opened
};

}  // namespace cabrillo_test
