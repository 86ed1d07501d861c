#pragma once

#include <cstdint>
#include <string>

#include "common/date_time.h"
#include "common/typed_array.h"

// One logged QSO. A new record has empty texts, zero numbers and a zero, valid time.
class CInfo {
 public:
  std::string m_strCall;
  std::string m_strPrefix;  // "IT9" and "IG9" are stored as "I"
  std::string m_strAux;
  std::string m_strBand;
  std::string m_strMode;
  std::string m_strRstRcvd;
  std::string m_strRstSent;
  std::string m_strNrRcvd;
  std::string m_strExchSent;  // the age text followed by the number sent
  std::string m_strMult;      // never filled
  std::string m_strTour;      // "One" or "Two"
  int32_t m_nFreqKHz = 0;
  int32_t m_bNotCounted = 0;
  int32_t m_bBad = 0;
  int32_t m_bDupe = 0;
  COleDateTime m_time;

  // True when the record's time equals the given one (see SameTime).
  bool HasTime(const COleDateTime& time) const { return SameTime(m_time, time); }
};

// The QSO log, in the order of intake.
using CInfoArray = CTypedArray<CInfo>;
