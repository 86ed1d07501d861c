#pragma once

// Calls the plug-in's exports the way the host does: through the decorated names, with the
// full argument lists. Unread positions get values that differ from the read ones, so a shifted
// position shows up as a wrong result.

#include <string>

#include "common/date_time.h"
#include "tests/support/plugin_library.h"

namespace stats_test {

// The fields of one QSO as the host passes them to AddData0 and RemoveData0.
struct HostQso {
  std::string ownCall = "UA1AAA";
  std::string call = "RA3BBB";
  COleDateTime time = MakeDateTime(2017, 1, 14, 15, 30);
  unsigned int freqHz = 3550000;
  std::string mode = "CW";
  std::string rstSent = "599";
  std::string rstRcvd = "599";
  std::string nrSent = "001";
  std::string nrRcvd = "45012";
  std::string prefix = "UA";
  std::string aux;
  std::string band = "80m";
};

// The arguments of ResetStats0 that the module reads.
struct HostReset {
  std::string pathPrefix = "";
  int exportFlag = 0;
  std::string ownCall = "UA1AAA";
  COleDateTime start = MakeDateTime(2017, 1, 14, 15, 0);
  COleDateTime contestDate = MakeDateTime(2017, 1, 14);
  std::string ownPrefix = "UA";
};

class Host {
 public:
  // Loads the plug-in; a test fails when an export is missing.
  Host();

  int Reset(const HostReset& reset = HostReset());
  int Add(const HostQso& qso);
  int Remove(const HostQso& qso);
  // exchange: the host's buffer (at least 10 bytes) or nullptr.
  int CheckCall(const char* call, const char* mode, const char* band, char* exchange,
                const char* prefix = "UA");
  std::string Result(int* out = nullptr);
  const char* RunCommand(const char* command);

  PluginLibrary& library() { return m_library; }

 private:
  PluginLibrary m_library;
};

}  // namespace stats_test
