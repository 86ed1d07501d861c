#pragma once

#include <mutex>

namespace platform {

// The one lock that makes each export's work on the log, the band list and the grid rows
// one unit with respect to the window thread's refresh and painting. Recursive, so a unit may
// call helpers that lock again. Never hold it across a modal window, a COM call or a
// blocking send.
std::recursive_mutex& ModuleMutex();

using ModuleLock = std::lock_guard<std::recursive_mutex>;

}  // namespace platform
