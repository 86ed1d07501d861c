#include "engine/intake.h"

// Placeholder until the engine lands.
int AddQso(const QsoArgs&) {
  return 0;
}
