#pragma once

#include <string>

#include "common/date_time.h"

// The export-mode steps of the reset and the summary. Both run on the host's thread and open a
// modal window, so call them without holding the module lock.

// Reset in export mode: has the operator confirm the Cabrillo header, with the contest year of
// g_contestYear (the date-times are not needed). The result (1 OK, 0 any other close) is
// returned but the reset goes on the same way.
int EditCabrilloHeader(const std::string& ownCall, const COleDateTime* start,
                       const COleDateTime* contestDate);

// Summary in export mode: writes the Cabrillo log of g_log (every record, in log order), shows
// the "Output" message naming the file or saying it was not produced, and sets *out to -1 when
// out is not null.
void RunCabrilloReport(int* out);
