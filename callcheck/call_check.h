#pragma once

#include "engine/host_args.h"

// Size of the host's exchange buffer, terminator included.
constexpr int kExchangeBufferSize = 10;

// Checks the call being typed against the log for the band, the mode and the tour of the
// current UTC hour: 0 duplicate, 1 new, 4 band or mode not allowed. Asks the Setup window for
// a refresh first. On 1, when the master flag is set, copies the number received in the last
// QSO with this call into args.exchange if it fits whole with its terminator; otherwise the
// buffer is left alone. Reads the log under the module lock.
int CheckCall(const CallCheckArgs& args);
