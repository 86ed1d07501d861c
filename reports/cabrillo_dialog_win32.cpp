// The window of the Cabrillo header dialog: it only moves texts between the fields and the
// controls; what the texts are is decided in cabrillo_dialog.cpp.
#include "reports/cabrillo_dialog_win32.h"

#include <string>
#include <vector>

#include "platform/win32/module_instance.h"
#include "platform/win32/win32.h"
#include "reports/cabrillo_combo_lists.h"
#include "reports/cabrillo_dialog.h"
#include "resources/cabrillo_dialog_ids.h"

namespace {

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  const int copied = GetWindowTextA(window, buffer.data(), length + 1);
  return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

std::vector<std::string> ComboEntries(HWND combo) {
  std::vector<std::string> entries;
  const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, i, 0);
    std::vector<char> buffer(length > 0 ? static_cast<size_t>(length) + 1 : 1);
    SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer.data()));
    entries.emplace_back(buffer.data());
  }
  return entries;
}

// The lists that come with the template, as the resource holds them.
void FillComboLists(HWND dialog) {
  const HINSTANCE instance = platform::ModuleInstance();
  const HRSRC found =
      FindResourceA(instance, MAKEINTRESOURCEA(IDD_CABRILLO), MAKEINTRESOURCEA(RT_DIALOG_INIT));
  const HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return;
  for (const ComboListEntry& entry : ParseComboLists(data, SizeofResource(instance, found))) {
    SendDlgItemMessageA(dialog, entry.controlId, CB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(entry.text.c_str()));
  }
}

void SetControls(HWND dialog, const CabrilloDialogFields& fields) {
  for (const CabrilloControl& control : CabrilloDialogExchange()) {
    const HWND window = GetDlgItem(dialog, control.id);
    const std::string& text = fields.*control.field;
    if (control.kind == CabrilloControlKind::comboBox) {
      const int index = ComboBoxSelection(ComboEntries(window), text);
      if (index >= 0) {
        SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        continue;
      }
    }
    SetWindowTextA(window, text.c_str());
  }
}

// A combo box is read from its edit field, so it gives whatever the field shows.
void ReadControls(HWND dialog, CabrilloDialogFields* fields) {
  for (const CabrilloControl& control : CabrilloDialogExchange()) {
    (*fields).*control.field = WindowText(GetDlgItem(dialog, control.id));
  }
}

INT_PTR CALLBACK CabrilloDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      FillComboLists(dialog);
      SetControls(dialog, *reinterpret_cast<CabrilloDialogFields*>(lParam));
      return TRUE;  // the focus goes to the first tab stop
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
      if (LOWORD(wParam) == IDOK) {
        ReadControls(dialog,
                     reinterpret_cast<CabrilloDialogFields*>(GetWindowLongPtrA(dialog, DWLP_USER)));
      }
      EndDialog(dialog, LOWORD(wParam));
      return TRUE;
    }
  } catch (...) {
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

bool RunCabrilloDialogWindow(CabrilloDialogFields& fields) {
  // The dialog holds its own copy, so a cancelled or failed run leaves the fields alone.
  CabrilloDialogFields edited = fields;
  const INT_PTR result =
      DialogBoxParamA(platform::ModuleInstance(), MAKEINTRESOURCEA(IDD_CABRILLO), GetActiveWindow(),
                      CabrilloDialogProc, reinterpret_cast<LPARAM>(&edited));
  if (result != IDOK) return false;
  fields = edited;
  return true;
}
