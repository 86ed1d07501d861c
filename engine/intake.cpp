#include "engine/intake.h"

#include "common/date_format.h"
#include "engine/bad_qso_report.h"
#include "engine/qso_time.h"
#include "engine/tour.h"
#include "platform/module_lock.h"
#include "plugin/module_state.h"

namespace {

CInfo MakeRecord(const QsoArgs& args, const COleDateTime& time, const std::string& tour) {
  CInfo record;
  record.m_strCall = args.call;
  record.m_strBand = args.band;
  record.m_strMode = args.mode;
  record.m_strAux = args.aux;
  record.m_strRstRcvd = args.rstRcvd;
  record.m_strRstSent = args.rstSent;
  record.m_strNrRcvd = args.nrRcvd;
  record.m_strExchSent = g_age + args.nrSent;
  record.m_strPrefix = (args.prefix == "IT9" || args.prefix == "IG9") ? "I" : args.prefix;
  record.m_strTour = tour;
  record.m_nFreqKHz = static_cast<int32_t>(args.freqHz / 1000);
  record.m_time = time;
  return record;
}

// Same call, band, mode and tour, compared exactly.
bool Duplicates(const CInfo& qso, const CInfo& earlier) {
  return qso.m_strCall == earlier.m_strCall && qso.m_strBand == earlier.m_strBand &&
         qso.m_strMode == earlier.m_strMode && qso.m_strTour == earlier.m_strTour;
}

}  // namespace

int AddQso(const QsoArgs& args) {
  ReportAppender report(g_reportFile);
  const COleDateTime time = QsoTime(args);
  const std::string dateText = FormatDateTime(&time, "%Y-%m-%d %H%M");
  const std::string tour = TourOf(FormatDateTime(&time, "%H"), g_startHour);

  const char* rejection = nullptr;
  if (!g_bands.Lookup(args.band)) {
    rejection = kWrongBandMarker;
  } else if (!g_modes.Lookup(args.mode)) {
    rejection = kWrongModeMarker;
  } else if (args.nrRcvd.empty() || args.nrSent.empty()) {
    rejection = kNoNumberMarker;
  }
  if (rejection) {
    report.WriteLine(FormatReportLine(args, dateText, rejection));
    return 0;
  }

  CInfo record = MakeRecord(args, time, tour);
  platform::ModuleLock lock(platform::ModuleMutex());
  if (g_workedBands.Find(args.band) < 0) g_workedBands.Add(args.band);
  for (const CInfo& earlier : g_log) {
    if (!Duplicates(record, earlier)) continue;
    report.WriteLine(FormatReportLine(args, dateText, kDupeMarker));
    record.m_bNotCounted = 1;
    record.m_bDupe = 1;
  }
  g_log.Add(record);
  return 1;
}
