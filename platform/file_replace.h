#pragma once

#include <string>

namespace platform {

// Moves the file `from` to the path `to`, replacing a file already there, in one step where
// the platform allows it. Returns false when nothing was moved; `to` is then untouched. Paths
// may use backslashes.
bool MoveFileOver(const std::string& from, const std::string& to);

}  // namespace platform
