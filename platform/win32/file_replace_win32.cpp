#include "platform/file_replace.h"
#include "platform/win32/win32.h"

namespace platform {

bool MoveFileOver(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

}  // namespace platform
