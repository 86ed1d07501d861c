#include "callcheck/call_check.h"

// Placeholder until the engine lands.
int CheckCall(const CallCheckArgs&) {
  return 1;
}
