#pragma once

#include <string>

// printf-style formatting into a string. Only for formats the code writes itself.
std::string FormatText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Replaces every occurrence of `from` (not empty), scanning left to right without
// rescanning inserted text.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);

// Removes leading and trailing blanks, tabs and line ends.
std::string Trim(const std::string& text);

bool EndsWith(const std::string& text, const std::string& end);

bool Contains(const std::string& text, const std::string& part);

// The lower-case form of an ASCII letter; any other byte as it is.
char LowerAscii(char c);

// Byte comparison that ignores the case of ASCII letters.
bool EqualsNoCase(const std::string& a, const std::string& b);
bool StartsWithNoCase(const std::string& text, const std::string& prefix);

// Null-safe conversion of a host text.
inline std::string FromHost(const char* text) {
  return text ? std::string(text) : std::string();
}
