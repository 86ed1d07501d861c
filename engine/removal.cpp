#include "engine/removal.h"

#include <vector>

#include "common/date_format.h"
#include "common/string_util.h"
#include "engine/bad_qso_report.h"
#include "engine/qso_time.h"
#include "platform/module_lock.h"
#include "plugin/module_state.h"
#include "windows/view_refresh.h"

namespace {

// Takes the first record with the QSO's call, mode, band and time out of the log, and
// forgets the worked bands once the log is empty.
void RemoveFromLog(const QsoArgs& args, const COleDateTime& time) {
  platform::ModuleLock lock(platform::ModuleMutex());
  for (int i = 0; i < g_log.GetSize(); ++i) {
    const CInfo& record = g_log[i];
    if (record.m_strCall == args.call && record.m_strMode == args.mode &&
        record.m_strBand == args.band && record.HasTime(time)) {
      g_log.RemoveAt(i);
      break;
    }
  }
  if (g_log.IsEmpty()) g_workedBands.RemoveAll();
}

// The report's lines after its header, without those that name the call at the time key.
// Only a first line that is the header is taken for it; any other goes through the filter.
std::vector<std::string> RetainedReportLines(const std::string& call, const std::string& timeKey) {
  std::vector<std::string> retained;
  if (!g_reportReader.Open(g_reportFile)) return retained;
  bool first = true;
  while (g_reportReader.ReadLine(&g_reportLine)) {
    const bool header = first && g_reportLine == kReportHeader;
    first = false;
    if (header) continue;
    if (Contains(g_reportLine, call) && Contains(g_reportLine, timeKey)) continue;
    retained.push_back(g_reportLine);
  }
  g_reportReader.Close();
  return retained;
}

}  // namespace

int RemoveQso(const QsoArgs& args) {
  if (args.nrRcvd.empty() || args.nrSent.empty()) return 0;
  const COleDateTime time = QsoTime(args);
  RemoveFromLog(args, time);

  const std::string timeKey = " " + FormatDateTime(&time, "%H%M") + " ";
  WriteReport(g_reportFile, RetainedReportLines(args.call, timeKey));

  if (SetupWindowExists()) {
    g_gridRefreshReady = 0;
    PostViewRefresh();
  }
  return 1;
}
