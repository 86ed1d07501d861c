// Settings file with the observable rules of the Windows private-profile functions.
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/string_util.h"
#include "platform/file_path.h"
#include "platform/settings_store.h"

namespace platform {
namespace {

struct Line {
  std::string text;  // without its line end
  std::string end;   // "\r\n", "\n" or "" for a last line without one
};

std::vector<Line> SplitLines(const std::string& content) {
  std::vector<Line> lines;
  size_t start = 0;
  while (start < content.size()) {
    const size_t newline = content.find('\n', start);
    Line line;
    if (newline == std::string::npos) {
      line.text = content.substr(start);
      start = content.size();
    } else {
      line.text = content.substr(start, newline - start);
      line.end = "\n";
      start = newline + 1;
    }
    if (!line.text.empty() && line.text.back() == '\r') {
      line.text.pop_back();
      line.end = "\r" + line.end;
    }
    lines.push_back(line);
  }
  return lines;
}

// The section name of a "[name]" line, trimmed; false for other lines.
bool SectionName(const std::string& line, std::string* name) {
  const std::string trimmed = Trim(line);
  if (trimmed.empty() || trimmed[0] != '[') return false;
  const size_t close = trimmed.find(']');
  *name = Trim(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
  return true;
}

// The key of a "key=value" line, trimmed, and the raw value; false for other lines.
bool KeyAndValue(const std::string& line, std::string* key, std::string* value) {
  const std::string trimmed = Trim(line);
  if (trimmed.empty() || trimmed[0] == ';') return false;
  const size_t equals = trimmed.find('=');
  if (equals == std::string::npos) return false;
  *key = Trim(trimmed.substr(0, equals));
  *value = trimmed.substr(equals + 1);
  return true;
}

std::string Unquote(std::string value) {
  value = Trim(value);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

bool ReadFile(const std::string& path, std::string* content) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  *content = buffer.str();
  return true;
}

// Writes beside the file and renames, so a reader never sees a half-written file.
bool ReplaceFile(const std::string& path, const std::string& content) {
  const std::string temporary = path + ".tmp" + std::to_string(getpid());
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

class PosixSettingsStore : public SettingsStore {
 public:
  std::string Read(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& defaultValue) override {
    std::string result = defaultValue;
    std::string content;
    if (ReadFile(NativePath(file), &content)) {
      bool inSection = false;
      for (const Line& line : SplitLines(content)) {
        std::string name, lineKey, value;
        if (SectionName(line.text, &name)) {
          if (inSection) break;
          inSection = EqualsNoCase(name, section);
        } else if (inSection && KeyAndValue(line.text, &lineKey, &value) &&
                   EqualsNoCase(lineKey, key)) {
          result = Unquote(value);
          break;
        }
      }
    }
    if (result.size() >= kValueCapacity) result.resize(kValueCapacity - 1);
    return result;
  }

  bool Write(const std::string& file, const std::string& section, const std::string& key,
             const std::string& value) override {
    const std::string path = NativePath(file);
    std::string content;
    ReadFile(path, &content);
    std::vector<Line> lines = SplitLines(content);

    int sectionLine = -1;
    int lastEntry = -1;  // last non-blank line of the section
    int keyLine = -1;
    std::string existingKey;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
      std::string name, lineKey, lineValue;
      if (SectionName(lines[i].text, &name)) {
        if (sectionLine >= 0) break;
        if (EqualsNoCase(name, section)) sectionLine = lastEntry = i;
      } else if (sectionLine >= 0) {
        if (!Trim(lines[i].text).empty()) lastEntry = i;
        if (KeyAndValue(lines[i].text, &lineKey, &lineValue) && EqualsNoCase(lineKey, key)) {
          keyLine = i;
          existingKey = lineKey;
          break;
        }
      }
    }

    if (keyLine >= 0) {
      lines[keyLine].text = existingKey + "=" + value;
    } else {
      if (!lines.empty() && lines.back().end.empty()) lines.back().end = "\r\n";
      const Line entry{key + "=" + value, "\r\n"};
      if (sectionLine >= 0) {
        if (lines[lastEntry].end.empty()) lines[lastEntry].end = "\r\n";
        lines.insert(lines.begin() + lastEntry + 1, entry);
      } else {
        lines.push_back(Line{"[" + section + "]", "\r\n"});
        lines.push_back(entry);
      }
    }

    std::string out;
    for (const Line& line : lines) out += line.text + line.end;
    return ReplaceFile(path, out);
  }
};

}  // namespace

SettingsStore& PlatformSettingsStore() {
  static PosixSettingsStore store;
  return store;
}

}  // namespace platform
