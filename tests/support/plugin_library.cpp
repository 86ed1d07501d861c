#include "tests/support/plugin_library.h"

#include <gtest/gtest.h>

#if defined(_WIN32)
#include "platform/win32/win32.h"
#else
#include <dlfcn.h>
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
#if defined(_WIN32)
  m_handle = reinterpret_cast<void*>(LoadLibraryA(Path().c_str()));
  if (!m_handle) ADD_FAILURE() << "cannot load " << Path() << ", error " << GetLastError();
#else
  m_handle = dlopen(Path().c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!m_handle) ADD_FAILURE() << "cannot load " << Path() << ": " << dlerror();
#endif
}

PluginLibrary::~PluginLibrary() {
  Unload();
}

void* PluginLibrary::Find(const std::string& name) const {
  if (!m_handle) return nullptr;
#if defined(_WIN32)
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(m_handle), name.c_str()));
#else
  return dlsym(m_handle, name.c_str());
#endif
}

void PluginLibrary::Unload() {
  if (!m_handle) return;
#if defined(_WIN32)
  FreeLibrary(static_cast<HMODULE>(m_handle));
#else
  dlclose(m_handle);
#endif
  m_handle = nullptr;
}

}  // namespace stats_test
