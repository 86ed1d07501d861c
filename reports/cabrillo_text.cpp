#include "reports/cabrillo_text.h"

#include <algorithm>

#include "common/string_util.h"

namespace {

bool ForbiddenInFileName(char c) {
  return std::string("/\\:*?\"<>|").find(c) != std::string::npos;
}

bool ControlCharacter(char c) {
  return static_cast<unsigned char>(c) < 0x20;
}

}  // namespace

std::string CabrilloFileStem(const std::string& call) {
  std::string stem = call;
  std::replace_if(stem.begin(), stem.end(), ForbiddenInFileName, '_');
  stem = Trim(stem);
  std::replace_if(stem.begin(), stem.end(), ControlCharacter, '_');
  return stem.empty() ? "WEKO" : stem;
}

std::string EncodeLineBreaks(const std::string& text) {
  return ReplaceAll(ReplaceAll(text, "\r", "<CR>"), "\n", "<LF>");
}

std::string DecodeLineBreaks(const std::string& text) {
  return ReplaceAll(ReplaceAll(text, "<CR>", "\r"), "<LF>", "\n");
}

std::string TaggedForm(const std::string& encoded, const std::string& tag) {
  return ReplaceAll(ReplaceAll(encoded, "<CR>", "\r\n" + tag + ": "), "<LF>", "");
}
