#include "tools/console.h"

#if defined(_WIN32)
#include <io.h>

#include <cstdio>

#include "platform/win32/win32.h"
#else
#include <unistd.h>

#include <filesystem>
#endif

bool StderrIsTerminal() {
#if defined(_WIN32)
  return _isatty(_fileno(stderr)) != 0;
#else
  return isatty(STDERR_FILENO) != 0;
#endif
}

std::string ProgramFolder() {
#if defined(_WIN32)
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::string();
  const std::string text(path, length);
#else
  std::error_code error;
  const std::string text = std::filesystem::read_symlink("/proc/self/exe", error).string();
  if (error) return std::string();
#endif
  const size_t slash = text.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : text.substr(0, slash + 1);
}
