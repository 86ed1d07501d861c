#pragma once

#include "engine/host_args.h"

// Starts or restarts the statistics. Always returns 1.
int ResetStats(const ResetArgs& args);
