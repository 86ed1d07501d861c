// The library's entry point on Windows: starts and ends the application object. The
// module-level objects are constructed before the attach and destroyed after the detach.
#include "platform/win32/module_instance.h"
#include "platform/win32/win32.h"
#include "plugin/module_state.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    platform::SetModuleInstance(instance);
    theApp.InitInstance();
  } else if (reason == DLL_PROCESS_DETACH) {
    theApp.ExitInstance();
  }
  return TRUE;
}
