#include "platform/file_path.h"

namespace platform {

std::string NativePath(const std::string& path) {
  return path;
}

}  // namespace platform
