#include "engine/reset.h"

#include <memory>

#include "common/date_format.h"
#include "common/string_util.h"
#include "engine/bad_qso_report.h"
#include "platform/directory_search.h"
#include "platform/module_lock.h"
#include "platform/text_file.h"
#include "plugin/module_state.h"
#include "plugin/settings.h"
#include "reports/cabrillo_export.h"
#include "windows/view_refresh.h"
#include "windows/window_thread.h"

namespace {

const char* const kHomePrefixes[] = {"UA", "UA2", "UA2/f", "UA9", "CE9/KC4", "UR", "UN", "EU"};

// True when a name matching prefix + "*.ini" contains "Qarn2.ini".
bool HostSettingsFound(const std::string& pathPrefix) {
  const std::unique_ptr<platform::DirectorySearch> search =
      platform::StartDirectorySearch(pathPrefix + "*.ini");
  std::string name;
  while (search->Next(&name)) {
    if (Contains(name, "Qarn2.ini")) return true;
  }
  return false;
}

// The host's version text: "Qarn" when its settings file is not found through the prefix;
// otherwise the first "Qarn=" line of "Qarn2.ini" in the current folder without its first
// five characters, or the text kept from before when there is no such line.
void ReadHostVersion(const std::string& pathPrefix) {
  if (!HostSettingsFound(pathPrefix)) {
    g_hostVersion = "Qarn";
    return;
  }
  platform::TextFileReader reader;
  if (!reader.Open("Qarn2.ini")) return;
  std::string line;
  while (reader.ReadLine(&line)) {
    if (Contains(line, "Qarn=")) {
      g_hostVersion = line.substr(5);
      return;
    }
  }
}

// "Master" tells whether the districts file opens; read back into g_masterFlag.
void ReadMasterFlag() {
  platform::TextFileReader districts;
  const bool opened = districts.Open(".\\Plugins\\kda.dom");
  std::string line;
  while (districts.ReadLine(&line)) continue;  // read to the end; the content is not used
  districts.Close();
  WriteSetting("Master", opened ? "1" : "0");
  g_masterFlag = ReadSettingInt("Master");
}

void ClearLogAndGrid() {
  platform::ModuleLock lock(platform::ModuleMutex());
  g_log.RemoveAll();
  g_workedBands.RemoveAll();
  for (int i = 0; i < 3; ++i) {
    CStringArray& row = g_gridRows[i];
    row.RemoveAll();
    row.Add(g_bands[i]);
    for (int cell = 0; cell < 4; ++cell) row.Add("-");
  }
}

bool IsHomePrefix(const std::string& prefix) {
  for (const char* home : kHomePrefixes) {
    if (prefix == home) return true;
  }
  return false;
}

// The "Start" key alternates the window start between resets; an export-mode reset has set
// it to "1", so it opens no window.
void ApplyStartRule() {
  if (ReadSettingInt("Start") != 0) {
    WriteSetting("Start", "0");
  } else if (!SetupWindowExists()) {
    ShowInfo();
    WriteSetting("Start", "1");
  }
}

}  // namespace

int ResetStats(const ResetArgs& args) {
  ReadHostVersion(args.pathPrefix);
  ReadMasterFlag();

  g_startHour = FormatDateTime(args.start, "%H");
  g_contestDate = FormatDateTime(args.contestDate, "%d.%m.%Y");
  g_contestYear = FormatDateTime(args.contestDate, "%Y");
  g_age = ReadSetting("Age");

  ClearLogAndGrid();

  g_ownCall = args.ownCall;
  g_exportMode = args.exportFlag;
  if (IsHomePrefix(args.ownPrefix)) g_homeRegion = 1;

  if (g_exportMode != 0) {
    EditCabrilloHeader(args.ownCall, args.start, args.contestDate);
    WriteSetting("Start", "1");
  }
  ApplyStartRule();

  g_reportFile = ReportFileName(args.contestDate);
  WriteReport(g_reportFile, {});
  return 1;
}
