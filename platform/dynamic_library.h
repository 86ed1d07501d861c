#pragma once

#include <memory>
#include <string>

namespace platform {

// A shared library loaded at run time (LoadLibrary / dlopen). Owns its handle: the library is
// released when the object is destroyed.
class DynamicLibrary {
 public:
  virtual ~DynamicLibrary() = default;
  // The address of an exported name, or nullptr.
  virtual void* Find(const char* name) const = 0;
};

// Loads the library; nullptr, with the reason in error, when it cannot be loaded.
std::unique_ptr<DynamicLibrary> OpenDynamicLibrary(const std::string& path, std::string* error);

}  // namespace platform
