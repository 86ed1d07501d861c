#pragma once

#include <ostream>
#include <string>

#include "tools/replay_options.h"

// Replays the log of the options through the plug-in: reads and checks the whole log first,
// then loads the plug-in, enters the working folder, resets, adds every QSO in file order and
// asks for the summary. Writes the summary and the places of the report and the Cabrillo log
// to out, errors and (on a terminal) progress to err. Returns a ReplayExit code.
int RunReplay(const ReplayOptions& options, const std::string& program, std::ostream& out,
              std::ostream& err);
