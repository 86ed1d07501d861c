#pragma once

#include <string>

#include "common/date_time.h"

// The positions of the host's argument lists that the module reads, already translated:
// texts are copies (a null text is empty), date-times are the host's pointers (may be null).

// QSO argument list, shared by intake and removal.
struct QsoArgs {
  std::string ownCall;                 // 1
  std::string call;                    // 2
  const COleDateTime* time = nullptr;  // 3
  unsigned int freqHz = 0;             // 8
  std::string mode;                    // 9
  std::string rstSent;                 // 10
  std::string rstRcvd;                 // 11
  std::string nrSent;                  // 12
  std::string nrRcvd;                  // 13
  std::string prefix;                  // 23
  std::string aux;                     // 30
  std::string band;                    // 32
};

// Reset argument list.
struct ResetArgs {
  std::string pathPrefix;                     // 1
  int exportFlag = 0;                         // 2
  std::string ownCall;                        // 3
  const COleDateTime* start = nullptr;        // 4
  const COleDateTime* contestDate = nullptr;  // 5
  std::string ownPrefix;                      // 15
};

// Call-check argument list.
struct CallCheckArgs {
  std::string call;          // 1
  std::string mode;          // 4
  std::string prefix;        // 14
  std::string band;          // 25
  char* exchange = nullptr;  // 27, at least 10 bytes, may be null
};
