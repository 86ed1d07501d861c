// The Windows file search: FindFirstFileA, FindNextFileA, FindClose.
#include "platform/directory_search.h"
#include "platform/win32/win32.h"

namespace platform {
namespace {

class Win32DirectorySearch : public DirectorySearch {
 public:
  explicit Win32DirectorySearch(const std::string& pattern)
      : m_handle(FindFirstFileA(pattern.c_str(), &m_data)),
        m_pending(m_handle != INVALID_HANDLE_VALUE) {}
  ~Win32DirectorySearch() override {
    if (m_handle != INVALID_HANDLE_VALUE) FindClose(m_handle);
  }
  Win32DirectorySearch(const Win32DirectorySearch&) = delete;
  Win32DirectorySearch& operator=(const Win32DirectorySearch&) = delete;

  bool Next(std::string* name) override {
    if (m_handle == INVALID_HANDLE_VALUE) return false;
    if (!m_pending && !FindNextFileA(m_handle, &m_data)) return false;
    m_pending = false;
    *name = m_data.cFileName;
    return true;
  }

 private:
  WIN32_FIND_DATAA m_data{};
  HANDLE m_handle;
  bool m_pending;  // the entry of FindFirstFileA is not handed out yet
};

}  // namespace

std::unique_ptr<DirectorySearch> StartDirectorySearch(const std::string& pattern) {
  return std::make_unique<Win32DirectorySearch>(pattern);
}

}  // namespace platform
