#pragma once

#include <string>

#include "common/string_list.h"

// The header of the next Cabrillo log and its QSO lines.
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
};
