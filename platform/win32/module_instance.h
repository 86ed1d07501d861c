#pragma once

#include "platform/win32/win32.h"

namespace platform {

// The plug-in's own module handle, from which its dialog templates and lists are loaded (not
// the host's). Set once by the library's entry point at attach; null before that.
HINSTANCE ModuleInstance();
void SetModuleInstance(HINSTANCE instance);

}  // namespace platform
