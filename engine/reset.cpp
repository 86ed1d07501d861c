#include "engine/reset.h"

// Placeholder until the engine lands.
int ResetStats(const ResetArgs&) {
  return 1;
}
