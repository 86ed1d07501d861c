#pragma once

#include "engine/host_args.h"

// Judges one QSO, reports failed checks and duplicates, stores it. 1 stored, 0 rejected.
int AddQso(const QsoArgs& args);
