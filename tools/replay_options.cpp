#include "tools/replay_options.h"

namespace {

// Splits "--name=value" into the name, left in arg, and the value.
bool SplitInline(std::string* arg, std::string* value) {
  const size_t equals = arg->find('=');
  if (arg->rfind("--", 0) != 0 || equals == std::string::npos) return false;
  *value = arg->substr(equals + 1);
  arg->resize(equals);
  return true;
}

}  // namespace

bool ParseReplayOptions(int argc, const char* const* argv, ReplayOptions* options,
                        std::string* error) {
  ReplayOptions result;
  for (int i = 0; i < argc; ++i) {
    std::string arg = argv[i] ? argv[i] : "";
    std::string value;
    const bool inlineValue = SplitInline(&arg, &value);
    const bool takesValue = arg == "--call" || arg == "--start" || arg == "--date" ||
                            arg == "--dir" || arg == "--plugin";
    if (takesValue && !inlineValue) {
      if (i + 1 >= argc || argv[i + 1] == nullptr) {
        *error = arg + " needs a value";
        return false;
      }
      value = argv[++i];
    } else if (!takesValue && inlineValue) {
      const bool flag = arg == "--export" || arg == "--help";
      *error = flag ? arg + " takes no value" : "unknown option " + arg;
      return false;
    }

    if (arg == "--help" || arg == "-h") {
      result.help = true;
    } else if (arg == "--export") {
      result.exportLog = true;
    } else if (arg == "--call") {
      result.call = value;
    } else if (arg == "--dir") {
      result.dir = value;
    } else if (arg == "--plugin") {
      result.plugin = value;
    } else if (arg == "--start") {
      ClockTime start;
      if (!ParseHourMinute(value, &start)) {
        *error = "--start wants HH, HHMM or HH:MM, not \"" + value + "\"";
        return false;
      }
      result.start = start;
    } else if (arg == "--date") {
      CalendarDate date;
      if (!ParseDate(value, &date)) {
        *error = "--date wants YYYY-MM-DD or YYYYMMDD, not \"" + value + "\"";
        return false;
      }
      result.date = date;
    } else if (arg.size() > 1 && arg[0] == '-') {
      *error = "unknown option " + arg;
      return false;
    } else if (!result.logPath.empty()) {
      *error = "more than one log file given";
      return false;
    } else {
      result.logPath = arg;
    }
  }
  if (result.logPath.empty() && !result.help) {
    *error = "no log file given";
    return false;
  }
  *options = result;
  return true;
}

std::string ReplayHelp(const std::string& program) {
  return "Usage: " + program + R"( [options] LOG.adi

Scores a KELM contest log kept in ADIF through the Stats plug-in, calling it as the
host does: ResetStats0, one AddData0 per QSO in file order, then GetResult0.
Prints the score summary and where the bad-QSO report and the Cabrillo log are.

Options:
  --call CALL      own call; default: STATION_CALLSIGN (or OPERATOR) of the first QSO
  --start HH[:MM]  contest start (UTC); its hour splits the tours;
                   default: the hour of the earliest QSO
  --date DATE      contest date, YYYY-MM-DD; default: the date of the earliest QSO
  --dir FOLDER     working folder for the report, Plugins/KELM.ini and the .cbr;
                   made when missing; default: the current folder
  --export         also write the Cabrillo log (the plug-in asks for its header)
  --plugin PATH    the plug-in library; default: the one beside this program
  -h, --help       this text

ADIF fields read: CALL, QSO_DATE, TIME_ON, FREQ (MHz), BAND, MODE (SUBMODE USB/LSB
count as SSB), RST_SENT, RST_RCVD, STX_STRING or STX, SRX_STRING or SRX, PFX,
STATION_CALLSIGN or OPERATOR. Nothing is handed to the plug-in unless the whole log reads.

Exit codes:
  0  the log was scored
  1  unexpected failure
  2  wrong command line, or the own call or contest date cannot be found
  3  the log file cannot be read
  4  the log is malformed ADIF, or a QSO lacks or garbles a required field
  5  the plug-in cannot be loaded or lacks an export
  6  the working folder cannot be made or entered
)";
}
