#pragma once

// Start and stop of the window thread that runs the operator windows.

// Starts the window thread (closing running windows first). Returns at once.
void ShowInfo();

// Closes the module's windows and waits until the window thread has ended. Does nothing when
// no Setup window exists.
void HideInfo();

// "SHOWINFO" runs ShowInfo, "HIDEINFO" runs HideInfo (exact, case-sensitive); anything else
// does nothing. Returns the module's empty result text.
const char* RunCommand(const char* command);
