#pragma once

#include <string>

#include "common/date_time.h"

// The export-mode steps of the reset and the summary.

// Reset in export mode: has the operator confirm the Cabrillo header. The result (1 OK, 0 any
// other close) is returned but the reset goes on the same way.
int EditCabrilloHeader(const std::string& ownCall, const COleDateTime* start,
                       const COleDateTime* contestDate);

// Summary in export mode: writes the Cabrillo log of g_log, shows the message naming the file,
// and sets *out to -1 when out is not null.
void RunCabrilloReport(int* out);
