#pragma once

#include <cstdio>
#include <string>

namespace platform {

// Reads a text file line by line with the line end ("\n" or "\r\n") removed. Paths may use
// backslashes. Owns its file handle; closes it on Close() and on destruction.
class TextFileReader {
 public:
  TextFileReader() = default;
  ~TextFileReader() { Close(); }
  TextFileReader(const TextFileReader&) = delete;
  TextFileReader& operator=(const TextFileReader&) = delete;

  bool Open(const std::string& path);
  // False at the end of the file. A last line without a line end is still a line.
  bool ReadLine(std::string* line);
  void Close();
  bool IsOpen() const { return m_file != nullptr; }

 private:
  std::FILE* m_file = nullptr;
};

// Opens a file for binary writing ("wb" or "ab"); nullptr when it cannot be opened.
std::FILE* OpenForWriting(const std::string& path, bool append);

// Writes the whole text to the file, replacing it; false when that failed.
bool WriteWholeFile(const std::string& path, const std::string& content);

}  // namespace platform
