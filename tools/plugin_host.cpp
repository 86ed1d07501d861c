#include "tools/plugin_host.h"

namespace {

using host_exports::Str;

// What the host passes in the positions the plug-in does not read.
const char kUnread[] = "";

}  // namespace

std::unique_ptr<PluginHost> PluginHost::Load(const std::string& path, std::string* error) {
  std::unique_ptr<platform::DynamicLibrary> library = platform::OpenDynamicLibrary(path, error);
  if (!library) return nullptr;
  for (const char* name : {host_exports::kReset, host_exports::kAdd, host_exports::kResult}) {
    if (!library->Find(name)) {
      *error = path + " lacks the export " + name;
      return nullptr;
    }
  }
  std::unique_ptr<PluginHost> host(new PluginHost(std::move(library)));
  host->m_reset =
      reinterpret_cast<host_exports::ResetFn>(host->m_library->Find(host_exports::kReset));
  host->m_add = reinterpret_cast<host_exports::QsoFn>(host->m_library->Find(host_exports::kAdd));
  host->m_result =
      reinterpret_cast<host_exports::ResultFn>(host->m_library->Find(host_exports::kResult));
  return host;
}

int PluginHost::Reset(int exportFlag, const std::string& ownCall, COleDateTime start,
                      COleDateTime contestDate) {
  const Str u = kUnread;
  return m_reset("", exportFlag, ownCall.c_str(), &start, &contestDate, u, u, u, u, u, u, u, u, u,
                 u, 0, 0, 0, 0.0, 0.0, u, u, u);
}

int PluginHost::Add(const ReplayQso& qso, const std::string& ownCall) {
  COleDateTime time = qso.time;
  COleDateTime none;
  none.m_status = COleDateTime::null;
  const Str u = kUnread;
  const std::string& own = qso.ownCall.empty() ? ownCall : qso.ownCall;
  return m_add(own.c_str(), qso.call.c_str(), &time, &none, &none, &none, 0u, qso.freqHz,
               qso.mode.c_str(), qso.rstSent.c_str(), qso.rstRcvd.c_str(), qso.nrSent.c_str(),
               qso.nrRcvd.c_str(), u, u, u, u, u, u, u, u, u, qso.prefix.c_str(), 0, 0, 0, 0.0, 0.0,
               u, u, u, qso.band.c_str(), u);
}

std::string PluginHost::Result() {
  int out = 0;
  const char* text = m_result(&out);
  return text ? text : "";
}
