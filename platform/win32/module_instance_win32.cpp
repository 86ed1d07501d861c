#include "platform/win32/module_instance.h"

namespace platform {
namespace {
HINSTANCE g_moduleInstance = nullptr;
}  // namespace

HINSTANCE ModuleInstance() {
  return g_moduleInstance;
}

void SetModuleInstance(HINSTANCE instance) {
  g_moduleInstance = instance;
}

}  // namespace platform
