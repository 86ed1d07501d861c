#pragma once

// Builds the score summary into g_resultText and returns it. In export mode it also writes
// the Cabrillo log and sets *out to -1 (when out is not null).
const char* BuildScoreSummary(int* out);
