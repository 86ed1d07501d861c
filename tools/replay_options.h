#pragma once

// The replay tool's command line.

#include <optional>
#include <string>

#include "tools/calendar_text.h"

// Exit codes of the replay tool.
enum ReplayExit {
  kExitOk = 0,
  kExitFailure = 1,        // an unexpected failure
  kExitUsage = 2,          // the command line is wrong or lacks what the log does not give
  kExitUnreadableLog = 3,  // the log file cannot be read
  kExitMalformedLog = 4,   // the log is not well-formed ADIF or a QSO field cannot be read
  kExitPlugin = 5,         // the plug-in cannot be loaded or lacks an export
  kExitFolder = 6,         // the working folder cannot be made or entered
};

struct ReplayOptions {
  std::string logPath;
  std::string call;                  // --call: own call when the log names none
  std::optional<ClockTime> start;    // --start: contest start (hour and minute)
  std::optional<CalendarDate> date;  // --date: contest date
  std::string dir;                   // --dir: working folder; "" is the current one
  std::string plugin;                // --plugin: library path; "" is the one beside the tool
  bool exportLog = false;            // --export: write the Cabrillo log
  bool help = false;
};

// Reads the arguments after the program name. False with a message on a wrong command line.
bool ParseReplayOptions(int argc, const char* const* argv, ReplayOptions* options,
                        std::string* error);

// The text of --help.
std::string ReplayHelp(const std::string& program);
