// Load and unload of the shared library: starts and ends the application object. These run
// after the module-level objects are constructed and before they are destroyed.
#include "plugin/module_state.h"

namespace {

__attribute__((constructor)) void OnLoad() {
  theApp.InitInstance();
}

__attribute__((destructor)) void OnUnload() {
  theApp.ExitInstance();
}

}  // namespace
