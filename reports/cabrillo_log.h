#pragma once

#include <string>

#include "common/date_time.h"
#include "common/string_list.h"

// The header of the next Cabrillo log and its QSO lines. Its one object, g_cabrilloHeader, is
// used on the host's thread only.
class CCabrilloLog {
 public:
  std::string m_strCall;
  std::string m_strName;
  std::string m_strAddress;  // tagged form
  std::string m_strClaimed;
  std::string m_strContest;
  std::string m_strEmail;
  std::string m_strClub;
  std::string m_strSoapbox;  // tagged form
  std::string m_strOperators;
  std::string m_strCategory;
  std::string m_strBand;
  std::string m_strPower;
  std::string m_strLocation;
  std::string m_strAddressCity;
  std::string m_strAddressPostalCode;
  std::string m_strAddressCountry;
  std::string m_strTransmitter;
  std::string m_strFileStem;
  CStringArray m_qsoLines;  // finished lines, each ending in "\r\n"

  // Appends the QSO line of one QSO; the sent call is the header's call sign.
  void AddQsoLine(int freqKHz, const std::string& modeCode, const COleDateTime& time,
                  const std::string& rstSent, const std::string& exchSent,
                  const std::string& callRcvd, const std::string& rstRcvd,
                  const std::string& nrRcvd);

  // The whole file: the header with the given score and host version, then the QSO lines.
  std::string LogText(int score, const std::string& hostVersion) const;

  // Writes the file stem + ".cbr" in the current directory with g_score and g_hostVersion, and
  // returns the message for the operator: "File produced: " and the file name, or "File not
  // produced: " and the file name when it could not be written. The new file replaces the old
  // one only once it is complete, so a failed write leaves the last good log in place.
  std::string WriteLog() const;

  // Loads the header from the settings file for the call sign given at reset, lets the operator
  // confirm it in the Cabrillo dialog and, on OK, saves it and empties the QSO lines. Returns 1
  // for OK, 0 for any other close. Either way the address and soapbox end in tagged form.
  int EditHeader(const std::string& call, const std::string& contestYear);
};
