// No windows on Linux: a message box is written to standard error, and the Cabrillo dialog
// keeps the base's answer, OK with the fields as loaded.
#include <cstdio>

#include "platform/user_interface.h"

namespace platform {
namespace {

class StderrUserInterface : public UserInterface {
 public:
  void ShowMessage(const std::string& text, const std::string& caption, MessageKind,
                   bool) override {
    if (caption.empty()) {
      std::fprintf(stderr, "%s\n", text.c_str());
    } else {
      std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
    std::fflush(stderr);
  }
};

}  // namespace

UserInterface& PlatformUserInterface() {
  static StderrUserInterface ui;
  return ui;
}

}  // namespace platform
