#include <cstdio>

#include "platform/file_path.h"
#include "platform/file_replace.h"

namespace platform {

bool MoveFileOver(const std::string& from, const std::string& to) {
  return std::rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0;
}

}  // namespace platform
