#pragma once

// The plug-in loaded at run time and called the way the host calls it: through the decorated
// export names, with the full argument lists.

#include <memory>
#include <string>

#include "common/date_time.h"
#include "platform/dynamic_library.h"
#include "tools/adif_qso.h"
#include "tools/host_exports.h"

class PluginHost {
 public:
  // Loads the library and resolves the exports the replay calls. nullptr, with the reason
  // in error, when it cannot be loaded or lacks one of them.
  static std::unique_ptr<PluginHost> Load(const std::string& path, std::string* error);
  PluginHost(const PluginHost&) = delete;
  PluginHost& operator=(const PluginHost&) = delete;

  int Reset(int exportFlag, const std::string& ownCall, COleDateTime start,
            COleDateTime contestDate);
  // The own call is the record's, or the reset's when the record has none.
  int Add(const ReplayQso& qso, const std::string& ownCall);
  std::string Result();

 private:
  explicit PluginHost(std::unique_ptr<platform::DynamicLibrary> library)
      : m_library(std::move(library)) {}

  std::unique_ptr<platform::DynamicLibrary> m_library;
  host_exports::ResetFn m_reset = nullptr;
  host_exports::QsoFn m_add = nullptr;
  host_exports::ResultFn m_result = nullptr;
};
