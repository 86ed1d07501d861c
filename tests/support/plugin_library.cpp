#include "tests/support/plugin_library.h"

#include <gtest/gtest.h>

#if defined(_WIN32)
#include "platform/win32/win32.h"
#endif

namespace stats_test {

std::string PluginLibrary::Path() {
#if defined(_WIN32)
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string path = exe;
  return path.substr(0, path.find_last_of("\\/") + 1) + STATS_LIBRARY_NAME;
#else
  return STATS_LIBRARY_DIR "/" STATS_LIBRARY_NAME;
#endif
}

PluginLibrary::PluginLibrary() {
  std::string error;
  m_library = platform::OpenDynamicLibrary(Path(), &error);
  if (!m_library) ADD_FAILURE() << error;
}

PluginLibrary::~PluginLibrary() {
  Unload();
}

void* PluginLibrary::Find(const std::string& name) const {
  return m_library ? m_library->Find(name.c_str()) : nullptr;
}

void PluginLibrary::Unload() {
  m_library.reset();
}

}  // namespace stats_test
