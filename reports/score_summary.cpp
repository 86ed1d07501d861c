#include "reports/score_summary.h"

#include "common/string_util.h"
#include "engine/bad_qso_report.h"
#include "platform/module_lock.h"
#include "plugin/module_state.h"
#include "plugin/settings.h"
#include "reports/band_order.h"
#include "reports/cabrillo_export.h"

namespace {

// The figures of one band in one tour, or their sum over everything.
struct Tally {
  int qsos = 0;
  int points = 0;
  int cw = 0;
  int ssb = 0;
  int rtty = 0;
  int dupes = 0;

  void Add(const Tally& other) {
    qsos += other.qsos;
    points += other.points;
    cw += other.cw;
    ssb += other.ssb;
    rtty += other.rtty;
    dupes += other.dupes;
  }
};

Tally CountBand(int tour, const std::string& band) {
  Tally tally;
  for (const CInfo& record : g_log) {
    const int recordTour = record.m_strTour == "One" ? 1 : 2;
    if (recordTour != tour || record.m_strBand != band || record.m_strCall.empty()) continue;
    tally.dupes += record.m_bDupe;
    if (record.m_bNotCounted != 0) continue;
    ++tally.qsos;
    if (record.m_strMode == "CW") ++tally.cw;
    if (record.m_strMode == "SSB") ++tally.ssb;
    if (record.m_strMode == "RTTY") ++tally.rtty;
  }
  tally.points = 5 * tally.cw + 3 * tally.ssb + 4 * tally.rtty;
  return tally;
}

// The report's lines that tell of a bad QSO: every line (empty ones and a last one without line
// end included) but the header line and the DUPE lines.
int CountBadQsoLines() {
  int count = 0;
  if (!g_reportReader.Open(g_reportFile)) return count;
  for (bool first = true; g_reportReader.ReadLine(&g_reportLine); first = false) {
    if (first && g_reportLine == kReportHeader) continue;
    if (EndsWith(g_reportLine, kDupeMarker)) continue;
    ++count;
  }
  g_reportReader.Close();
  return count;
}

}  // namespace

const char* BuildScoreSummary(int* out) {
  g_resultText.clear();
  g_resultText += FormatText(
      "\t    KELM Contest %s\r\n\t\tContestant: %s \r\n\tQSOs\tPoints\tCW\tSSB\tRTTY\r\n",
      g_contestDate.c_str(), g_ownCall.c_str());

  Tally total;
  {
    platform::ModuleLock lock(platform::ModuleMutex());
    SortBandsDescending(g_workedBands);
    const int bad = CountBadQsoLines();
    for (int tour = 1; tour <= 2; ++tour) {
      g_resultText += FormatText("Tour %i\r\n", tour);
      for (const std::string& band : g_workedBands) {
        const Tally tally = CountBand(tour, band);
        g_resultText += FormatText("%s\t %i\t %i\t %i\t %i\t %i\r\n", band.c_str(), tally.qsos,
                                   tally.points, tally.cw, tally.ssb, tally.rtty);
        total.Add(tally);
      }
    }
    g_resultText +=
        FormatText("Total\t %i\t %i\t %i\t %i\t %i\r\nDupe\t %i\r\nBad QSO\t %i\r\n", total.qsos,
                   total.points, total.cw, total.ssb, total.rtty, total.dupes, bad);
  }

  g_score = total.points;
  WriteSettingInt("Claimed", g_score);
  g_resultText += FormatText("\r\nScore:  = %i\r\nCreated by Q9ZZ 2017.", g_score);

  if (g_exportMode != 0) RunCabrilloReport(out);
  return g_resultText.c_str();
}
