#pragma once

#include "engine/host_args.h"

// Removes a deleted QSO from the log and its lines from the report. 0 when a number is
// empty, otherwise 1.
int RemoveQso(const QsoArgs& args);
