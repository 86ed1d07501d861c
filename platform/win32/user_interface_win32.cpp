#include "platform/user_interface.h"
#include "platform/win32/win32.h"
#include "reports/cabrillo_dialog_win32.h"

namespace platform {
namespace {

class Win32UserInterface : public UserInterface {
 public:
  void ShowMessage(const std::string& text, const std::string& caption, MessageKind kind,
                   bool ownedByActiveWindow) override {
    const HWND owner = ownedByActiveWindow ? GetActiveWindow() : nullptr;
    const UINT style = MB_OK | (kind == MessageKind::information ? MB_ICONINFORMATION : 0);
    MessageBoxA(owner, text.c_str(), caption.empty() ? nullptr : caption.c_str(), style);
  }

  bool RunCabrilloDialog(CabrilloDialogFields& fields) override {
    return RunCabrilloDialogWindow(fields);
  }
};

}  // namespace

UserInterface& PlatformUserInterface() {
  static Win32UserInterface ui;
  return ui;
}

}  // namespace platform
