#include "engine/removal.h"

// Placeholder until the engine lands.
int RemoveQso(const QsoArgs&) {
  return 0;
}
