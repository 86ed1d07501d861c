#if defined(_WIN32)
#include "tests/support/window_closer.h"

#include "platform/win32/win32.h"

namespace stats_test {
namespace {

struct Search {
  DWORD threadId;
  HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::string(className) == "#32770" && IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

std::string TextOf(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

}  // namespace

DialogCloser::DialogCloser(unsigned long ownerThreadId, int timeoutMs)
    : m_thread([this, ownerThreadId, timeoutMs] { Run(ownerThreadId, timeoutMs); }) {}

DialogCloser::~DialogCloser() {
  Join();
}

void DialogCloser::Join() {
  if (m_thread.joinable()) m_thread.join();
}

void DialogCloser::Run(unsigned long ownerThreadId, int timeoutMs) {
  for (int waited = 0; waited < timeoutMs; waited += 50) {
    Search search{ownerThreadId, nullptr};
    EnumThreadWindows(ownerThreadId, FindDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      m_found = true;
      m_caption = TextOf(search.found);
      // The message text of a message box is its static control 0xFFFF.
      m_text = TextOf(GetDlgItem(search.found, 0xFFFF));
      PostMessageA(search.found, WM_COMMAND, IDOK, 0);
      return;
    }
    Sleep(50);
  }
}

}  // namespace stats_test
#endif
