#include "platform/dynamic_library.h"
#include "platform/win32/win32.h"

namespace platform {
namespace {

class Win32DynamicLibrary : public DynamicLibrary {
 public:
  explicit Win32DynamicLibrary(HMODULE handle) : m_handle(handle) {}
  ~Win32DynamicLibrary() override { FreeLibrary(m_handle); }
  Win32DynamicLibrary(const Win32DynamicLibrary&) = delete;
  Win32DynamicLibrary& operator=(const Win32DynamicLibrary&) = delete;

  void* Find(const char* name) const override {
    return reinterpret_cast<void*>(GetProcAddress(m_handle, name));
  }

 private:
  HMODULE m_handle;
};

}  // namespace

std::unique_ptr<DynamicLibrary> OpenDynamicLibrary(const std::string& path, std::string* error) {
  const HMODULE handle = LoadLibraryA(path.c_str());
  if (!handle) {
    *error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
    return nullptr;
  }
  return std::make_unique<Win32DynamicLibrary>(handle);
}

}  // namespace platform
