#pragma once

#include <string>

struct CabrilloDialogFields;

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
  // Runs the modal Cabrillo header dialog over the fields and returns true when it was closed
  // with OK; only then do the fields hold what the operator confirmed. On Windows it is the
  // dialog of template 101, owned by the calling thread's active top-level window. Without
  // windows (Linux, and any implementation that does not replace it) the dialog is confirmed
  // at once with the fields as they are; a program or test that wants other answers installs
  // its own implementation.
  virtual bool RunCabrilloDialog(CabrilloDialogFields&) { return true; }

  static UserInterface& Current();
  // nullptr restores the platform's. Not thread-safe.
  static void InstallForTesting(UserInterface* ui);
};

UserInterface& PlatformUserInterface();

}  // namespace platform
