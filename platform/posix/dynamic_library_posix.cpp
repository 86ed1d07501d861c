#include <dlfcn.h>

#include "platform/dynamic_library.h"

namespace platform {
namespace {

class PosixDynamicLibrary : public DynamicLibrary {
 public:
  explicit PosixDynamicLibrary(void* handle) : m_handle(handle) {}
  ~PosixDynamicLibrary() override { dlclose(m_handle); }
  PosixDynamicLibrary(const PosixDynamicLibrary&) = delete;
  PosixDynamicLibrary& operator=(const PosixDynamicLibrary&) = delete;

  void* Find(const char* name) const override { return dlsym(m_handle, name); }

 private:
  void* m_handle;
};

}  // namespace

std::unique_ptr<DynamicLibrary> OpenDynamicLibrary(const std::string& path, std::string* error) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* reason = dlerror();
    *error = reason ? std::string("cannot load ") + reason : "cannot load " + path;
    return nullptr;
  }
  return std::make_unique<PosixDynamicLibrary>(handle);
}

}  // namespace platform
