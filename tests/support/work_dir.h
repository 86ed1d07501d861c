#pragma once

#include <string>

namespace stats_test {

// A fresh, empty temporary folder that is the current directory while the object lives.
class ScopedWorkDir {
 public:
  ScopedWorkDir();
  ~ScopedWorkDir();
  ScopedWorkDir(const ScopedWorkDir&) = delete;
  ScopedWorkDir& operator=(const ScopedWorkDir&) = delete;

  const std::string& path() const { return m_path; }

 private:
  std::string m_previous;
  std::string m_path;
};

// The whole content of a file ("" when it cannot be read) and whether it exists.
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& content);
// Names of the entries of a folder, sorted.
std::string ListFolder(const std::string& path);

}  // namespace stats_test
