#pragma once

// Turns an ADIF record into the QSO fields the host hands to the plug-in.

#include <string>

#include "common/date_time.h"
#include "tools/adif_reader.h"
#include "tools/calendar_text.h"

struct ReplayQso {
  std::string ownCall;      // STATION_CALLSIGN, else OPERATOR; may be empty
  std::string call;         // CALL
  CalendarDate date;        // QSO_DATE
  ClockTime timeOn;         // TIME_ON
  COleDateTime time;        // QSO_DATE and TIME_ON as the host's value
  unsigned int freqHz = 0;  // FREQ in Hz; 0 when the record has none
  std::string mode;         // "CW", "SSB", "RTTY", or another ADIF mode in upper case
  std::string rstSent;
  std::string rstRcvd;
  std::string nrSent;  // STX_STRING, else STX
  std::string nrRcvd;  // SRX_STRING, else SRX
  std::string prefix;  // PFX
  std::string band;    // "80m" style; from FREQ when BAND is missing; "" outside every band
};

// Maps one record. A missing or unreadable required field (CALL, QSO_DATE, TIME_ON, MODE, and
// BAND or FREQ) or an unreadable FREQ gives false with the error filled in.
bool MapQso(const AdifRecord& record, ReplayQso* qso, AdifError* error);
