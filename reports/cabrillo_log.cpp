#include "reports/cabrillo_log.h"

#include <cstdio>

#include "common/date_format.h"
#include "common/string_util.h"
#include "platform/file_path.h"
#include "platform/file_replace.h"
#include "platform/text_file.h"
#include "plugin/module_state.h"

namespace {

// Writes the content to a temporary file beside the path and moves it over the path once it is
// complete. The temporary file never outlives a failure.
bool WriteFileReplacing(const std::string& path, const std::string& content) {
  const std::string temporary = path + ".tmp";
  std::FILE* file = platform::OpenForWriting(temporary, false);
  if (!file) return false;
  const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
  const bool closed = std::fclose(file) == 0;
  if (written && closed && platform::MoveFileOver(temporary, path)) return true;
  std::remove(platform::NativePath(temporary).c_str());
  return false;
}

}  // namespace

void CCabrilloLog::AddQsoLine(int freqKHz, const std::string& modeCode, const COleDateTime& time,
                              const std::string& rstSent, const std::string& exchSent,
                              const std::string& callRcvd, const std::string& rstRcvd,
                              const std::string& nrRcvd) {
  const std::string when = FormatDateTime(&time, "%Y-%m-%d %H%M");
  m_qsoLines.Add(FormatText("QSO: %5i %2s %s %-13s %-3s %-6s %-13s %-3s %s\r\n", freqKHz,
                            modeCode.c_str(), when.c_str(), m_strCall.c_str(), rstSent.c_str(),
                            exchSent.c_str(), callRcvd.c_str(), rstRcvd.c_str(), nrRcvd.c_str()));
}

std::string CCabrilloLog::LogText(int score, const std::string& hostVersion) const {
  std::string text = "START-OF-LOG: 3.0\r\n";
  text += "CONTEST: KELM-CONTEST \r\n";
  text += "CALLSIGN: " + m_strCall + "\r\n";
  text += "CATEGORY-OPERATOR: " + m_strCategory + "\r\n";
  text += "CATEGORY-BAND: " + m_strBand + "\r\n";
  text += "CATEGORY-MODE: MIX\r\n";
  text += "CATEGORY-POWER: " + m_strPower + "\r\n";
  text += "CATEGORY-STATION: FIXED\r\n";
  text += "CATEGORY-TRANSMITTER: " + m_strTransmitter + "\r\n";
  text += "CLAIMED-SCORE: " + std::to_string(score) + "\r\n";
  text += "LOCATION: " + m_strLocation + "\r\n";
  text += "CREATED-BY: Qarn " + hostVersion + "\r\n";
  text += "E-MAIL: " + m_strEmail + "\r\n";
  text += "NAME: " + m_strName + "\r\n";
  text += "ADDRESS: " + m_strAddress + "\r\n";
  text += "SOAPBOX: " + m_strSoapbox + "\r\n";
  for (const std::string& line : m_qsoLines) text += line;
  text += "END-OF-LOG:\r\n";
  return text;
}

std::string CCabrilloLog::WriteLog() const {
  const std::string fileName = m_strFileStem + ".cbr";
  if (WriteFileReplacing(fileName, LogText(g_score, g_hostVersion))) {
    return "File produced: " + fileName;
  }
  return "File not produced: " + fileName;
}
