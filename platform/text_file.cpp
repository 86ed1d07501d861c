#include "platform/text_file.h"

#include <sys/stat.h>

#include "platform/file_path.h"

namespace platform {

bool TextFileReader::Open(const std::string& path) {
  Close();
  if (path.empty()) return false;
  m_file = std::fopen(NativePath(path).c_str(), "rb");
  // A folder never opens as a file (POSIX lets fopen open it for reading).
  struct stat info;
  if (m_file && fstat(fileno(m_file), &info) == 0 && S_ISDIR(info.st_mode)) Close();
  return m_file != nullptr;
}

bool TextFileReader::ReadLine(std::string* line) {
  line->clear();
  if (!m_file) return false;
  int c = std::fgetc(m_file);
  if (c == EOF) return false;
  for (; c != EOF && c != '\n'; c = std::fgetc(m_file)) line->push_back(static_cast<char>(c));
  if (!line->empty() && line->back() == '\r') line->pop_back();
  return true;
}

void TextFileReader::Close() {
  if (m_file) std::fclose(m_file);
  m_file = nullptr;
}

std::FILE* OpenForWriting(const std::string& path, bool append) {
  if (path.empty()) return nullptr;
  return std::fopen(NativePath(path).c_str(), append ? "ab" : "wb");
}

bool WriteWholeFile(const std::string& path, const std::string& content) {
  std::FILE* file = OpenForWriting(path, false);
  if (!file) return false;
  const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace platform
