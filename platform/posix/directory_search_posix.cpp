// Folder listing with the name rule of the Windows file search.
#include <dirent.h>

#include "common/string_util.h"
#include "platform/directory_search.h"

namespace platform {
namespace {

// '*' any run, '?' one character, letters ignoring case.
bool Matches(const char* name, const char* pattern) {
  const char* star = nullptr;
  const char* resume = nullptr;
  while (*name) {
    if (*pattern == '*') {
      star = pattern++;
      resume = name;
    } else if (*pattern == '?' || (*pattern && LowerAscii(*pattern) == LowerAscii(*name))) {
      ++pattern;
      ++name;
    } else if (star) {
      pattern = star + 1;
      name = ++resume;
    } else {
      return false;
    }
  }
  while (*pattern == '*') ++pattern;
  return *pattern == '\0';
}

class PosixDirectorySearch : public DirectorySearch {
 public:
  PosixDirectorySearch(const std::string& folder, std::string namePattern)
      : m_dir(opendir(folder.c_str())), m_namePattern(std::move(namePattern)) {}
  ~PosixDirectorySearch() override {
    if (m_dir) closedir(m_dir);
  }
  PosixDirectorySearch(const PosixDirectorySearch&) = delete;
  PosixDirectorySearch& operator=(const PosixDirectorySearch&) = delete;

  bool Next(std::string* name) override {
    if (!m_dir) return false;
    while (const dirent* entry = readdir(m_dir)) {
      if (Matches(entry->d_name, m_namePattern.c_str())) {
        *name = entry->d_name;
        return true;
      }
    }
    return false;
  }

 private:
  DIR* m_dir;
  std::string m_namePattern;
};

}  // namespace

std::unique_ptr<DirectorySearch> StartDirectorySearch(const std::string& pattern) {
  const size_t slash = pattern.find_last_of("\\/");
  std::string folder = ".";
  if (slash != std::string::npos) {
    folder = pattern.substr(0, slash + 1);
    for (char& c : folder) {
      if (c == '\\') c = '/';
    }
  }
  const std::string namePattern = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
  return std::make_unique<PosixDirectorySearch>(folder, namePattern);
}

}  // namespace platform
