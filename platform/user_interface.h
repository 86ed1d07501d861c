#pragma once

#include <string>

namespace platform {

enum class MessageKind { plain, information };

// Modal boxes and dialogs shown on the calling thread. Tests install their own answers so
// that no test waits on a window. Implementations never throw.
class UserInterface {
 public:
  virtual ~UserInterface() = default;
  // Shows a modal message box with one OK button and waits until it is closed. An empty
  // caption leaves the platform's default title. With `ownedByActiveWindow` the box is owned
  // by the calling thread's active window, else it has no owner.
  virtual void ShowMessage(const std::string& text, const std::string& caption, MessageKind kind,
                           bool ownedByActiveWindow) = 0;

  static UserInterface& Current();
  // nullptr restores the platform's. Not thread-safe.
  static void InstallForTesting(UserInterface* ui);
};

UserInterface& PlatformUserInterface();

}  // namespace platform
