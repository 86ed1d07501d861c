#include "tools/plugin_host.h"

#if defined(_WIN32)
#include "platform/win32/win32.h"
#else
#include <dlfcn.h>
#endif

namespace {

using host_exports::Str;

// What the host passes in the positions the plug-in does not read.
const char kUnread[] = "";

void* OpenLibrary(const std::string& path, std::string* error) {
#if defined(_WIN32)
  HMODULE handle = LoadLibraryA(path.c_str());
  if (!handle) *error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
  return reinterpret_cast<void*>(handle);
#else
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* reason = dlerror();
    *error = reason ? std::string("cannot load ") + reason : "cannot load " + path;
  }
  return handle;
#endif
}

void* FindExport(void* handle, const char* name) {
#if defined(_WIN32)
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
#else
  return dlsym(handle, name);
#endif
}

void CloseLibrary(void* handle) {
#if defined(_WIN32)
  FreeLibrary(static_cast<HMODULE>(handle));
#else
  dlclose(handle);
#endif
}

}  // namespace

std::unique_ptr<PluginHost> PluginHost::Load(const std::string& path, std::string* error) {
  void* handle = OpenLibrary(path, error);
  if (!handle) return nullptr;
  std::unique_ptr<PluginHost> host(new PluginHost(handle));
  for (const char* name : {host_exports::kReset, host_exports::kAdd, host_exports::kResult}) {
    if (!FindExport(handle, name)) {
      *error = path + " lacks the export " + name;
      return nullptr;
    }
  }
  host->m_reset = reinterpret_cast<host_exports::ResetFn>(FindExport(handle, host_exports::kReset));
  host->m_add = reinterpret_cast<host_exports::QsoFn>(FindExport(handle, host_exports::kAdd));
  host->m_result =
      reinterpret_cast<host_exports::ResultFn>(FindExport(handle, host_exports::kResult));
  return host;
}

PluginHost::~PluginHost() {
  CloseLibrary(m_handle);
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
