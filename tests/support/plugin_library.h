#pragma once

#include <memory>
#include <string>

#include "platform/dynamic_library.h"

namespace stats_test {

// The built plug-in, loaded at run time the way the host loads it. Unloading it destroys all
// of its state, so every test that loads it starts from the load-time state.
class PluginLibrary {
 public:
  PluginLibrary();  // loads it; fails the current test when it cannot
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  bool loaded() const { return m_library != nullptr; }
  // The address of an exported name, or nullptr.
  void* Find(const std::string& name) const;
  template <class Function>
  Function Get(const std::string& name) const {
    return reinterpret_cast<Function>(Find(name));
  }
  void Unload();

  // Full path of the built library.
  static std::string Path();

 private:
  std::unique_ptr<platform::DynamicLibrary> m_library;
};

}  // namespace stats_test
