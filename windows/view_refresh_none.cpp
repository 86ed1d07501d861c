// Builds without operator windows: no Setup window ever exists, so nothing is posted.
#include "plugin/module_state.h"
#include "windows/view_refresh.h"

bool SetupWindowExists() {
  return g_setupWindow.load() != nullptr;
}

void PostViewRefresh() {}
