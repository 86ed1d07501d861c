#include "reports/cabrillo_export.h"

#include "platform/module_lock.h"
#include "platform/user_interface.h"
#include "plugin/module_state.h"

namespace {

const char* ModeCode(const std::string& mode) {
  if (mode == "CW") return "CW";
  if (mode == "SSB") return "PH";
  if (mode == "RTTY") return "RY";
  return "??";
}

}  // namespace

int EditCabrilloHeader(const std::string& ownCall, const COleDateTime*, const COleDateTime*) {
  return g_cabrilloHeader.EditHeader(ownCall, g_contestYear);
}

void RunCabrilloReport(int* out) {
  g_cabrilloHeader.m_qsoLines.RemoveAll();
  {
    platform::ModuleLock lock(platform::ModuleMutex());
    for (const CInfo& qso : g_log) {
      g_cabrilloHeader.AddQsoLine(qso.m_nFreqKHz, ModeCode(qso.m_strMode), qso.m_time,
                                  qso.m_strRstSent, qso.m_strExchSent, qso.m_strCall,
                                  qso.m_strRstRcvd, qso.m_strNrRcvd);
    }
  }
  const std::string message = g_cabrilloHeader.WriteLog();
  platform::UserInterface::Current().ShowMessage(message, "Output",
                                                 platform::MessageKind::information, true);
  if (out) *out = -1;
}
