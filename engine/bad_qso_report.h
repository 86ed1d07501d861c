#pragma once

// The bad-QSO report: a text file in the current folder (named by g_reportFile). Its first
// line is the header; every further line reports one failed check of a QSO, or one earlier QSO
// that it duplicates. Lines end in CR LF. Failures to open or write are silent.

#include <cstdio>
#include <string>
#include <vector>

#include "common/date_time.h"
#include "engine/host_args.h"

extern const char kReportHeader[];  // "KELM TEST UBN file "

extern const char kWrongBandMarker[];
extern const char kWrongModeMarker[];
extern const char kNoNumberMarker[];
extern const char kDupeMarker[];

// "BadQSO_StatsKELM_<day>_<month>_<year>.txt" for the contest date.
std::string ReportFileName(const COleDateTime* contestDate);

// One report line without its line end: "QSO:  ", then frequency in kHz, mode, date and time
// (dateText), own call, report and number sent, call, report and number received, each
// after two blanks but the first, then the marker.
std::string FormatReportLine(const QsoArgs& qso, const std::string& dateText, const char* marker);

// Creates or truncates the report and writes the header line, then the given lines.
void WriteReport(const std::string& path, const std::vector<std::string>& lines);

// The report opened for appending (created, without header, when missing) for the lifetime of
// the object; closed when it is destroyed.
class ReportAppender {
 public:
  explicit ReportAppender(const std::string& path);
  ~ReportAppender();
  ReportAppender(const ReportAppender&) = delete;
  ReportAppender& operator=(const ReportAppender&) = delete;

  // Writes the line and its line end in one piece; nothing when the report is not open.
  void WriteLine(const std::string& line);

 private:
  std::FILE* m_file;
};
