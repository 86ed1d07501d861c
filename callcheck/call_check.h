#pragma once

#include "engine/host_args.h"

// Checks the call being typed: 0 duplicate, 1 new (may pre-fill the exchange), 4 band or
// mode not allowed.
int CheckCall(const CallCheckArgs& args);
