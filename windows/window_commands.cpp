#include <cstring>

#include "plugin/module_state.h"
#include "windows/window_thread.h"

const char* RunCommand(const char* command) {
  if (command && std::strcmp(command, "SHOWINFO") == 0) {
    ShowInfo();
  } else if (command && std::strcmp(command, "HIDEINFO") == 0) {
    HideInfo();
  }
  return g_commandResult.c_str();
}
