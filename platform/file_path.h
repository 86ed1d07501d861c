#pragma once

#include <string>

namespace platform {

// The module writes paths with backslashes ("Plugins\KELM.ini"); this gives the platform's form.
std::string NativePath(const std::string& path);

}  // namespace platform
