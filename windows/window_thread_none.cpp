// Builds without operator windows: no Setup window ever exists, so there is nothing to start
// or to close.
#include "windows/window_thread.h"

void ShowInfo() {}

void HideInfo() {}
