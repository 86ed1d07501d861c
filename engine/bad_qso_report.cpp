#include "engine/bad_qso_report.h"

#include "common/date_format.h"
#include "platform/text_file.h"

const char kReportHeader[] = "KELM TEST UBN file ";

const char kWrongBandMarker[] = "   WRONG BAND !!!";
const char kWrongModeMarker[] = "   WRONG MODE !!!";
const char kNoNumberMarker[] = "   NO NUMBER !!!";
const char kDupeMarker[] = "   DUPE !!!";

namespace {

const char kLineEnd[] = "\r\n";
const char kGap[] = "  ";

void WriteWithLineEnd(std::FILE* file, const std::string& line) {
  const std::string whole = line + kLineEnd;
  std::fwrite(whole.data(), 1, whole.size(), file);
}

}  // namespace

std::string ReportFileName(const COleDateTime* contestDate) {
  return "BadQSO_StatsKELM_" + FormatDateTime(contestDate, "%d_%m_%Y") + ".txt";
}

std::string FormatReportLine(const QsoArgs& qso, const std::string& dateText, const char* marker) {
  std::string line = "QSO:  ";
  line += std::to_string(qso.freqHz / 1000);
  for (const std::string* field : {&qso.mode, &dateText, &qso.ownCall, &qso.rstSent, &qso.nrSent,
                                   &qso.call, &qso.rstRcvd, &qso.nrRcvd}) {
    line += kGap;
    line += *field;
  }
  return line + marker;
}

void WriteReport(const std::string& path, const std::vector<std::string>& lines) {
  std::string content = std::string(kReportHeader) + kLineEnd;
  for (const std::string& line : lines) content += line + kLineEnd;
  platform::WriteWholeFile(path, content);
}

ReportAppender::ReportAppender(const std::string& path)
    : m_file(platform::OpenForWriting(path, true)) {}

ReportAppender::~ReportAppender() {
  if (m_file) std::fclose(m_file);
}

void ReportAppender::WriteLine(const std::string& line) {
  if (m_file) WriteWithLineEnd(m_file, line);
}
