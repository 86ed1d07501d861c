// Settings file with the observable rules of the Windows private-profile functions.
#include <cerrno>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "common/string_util.h"
#include "platform/file_path.h"
#include "platform/settings_store.h"
#include "platform/text_file.h"

namespace platform {
namespace {

constexpr const char* kBlanks = " \t\r\n\v\f";

// Every read and write of every store, as the platform serialises its profile operations:
// a write is a read-modify-write of the whole file and must not interleave with another.
std::mutex& FileMutex() {
  static std::mutex mutex;
  return mutex;
}

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

// The key of an entry line, trimmed, and its raw value. A line without '=' is a key without
// a value (reads give the default); there are no comment lines: ";x=1" is the key ";x".
bool KeyAndValue(const std::string& line, std::string* key, std::string* value, bool* hasValue) {
  const std::string trimmed = Trim(line);
  if (trimmed.empty()) return false;
  const size_t equals = trimmed.find('=');
  *hasValue = equals != std::string::npos;
  *key = Trim(trimmed.substr(0, equals));
  *value = *hasValue ? trimmed.substr(equals + 1) : std::string();
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

std::string Truncated(std::string value) {
  if (value.size() >= SettingsStore::kValueCapacity) {
    value.resize(SettingsStore::kValueCapacity - 1);
  }
  return value;
}

enum class ReadResult { kRead, kMissing, kFailed };

ReadResult ReadFile(const std::string& path, std::string* content) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return errno == ENOENT ? ReadResult::kMissing : ReadResult::kFailed;
  char buffer[4096];
  size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) content->append(buffer, count);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  return failed ? ReadResult::kFailed : ReadResult::kRead;
}

class PosixSettingsStore : public SettingsStore {
 public:
  std::string Read(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& defaultValue) override {
    std::string content;
    {
      std::lock_guard<std::mutex> lock(FileMutex());
      if (ReadFile(NativePath(file), &content) != ReadResult::kRead) return Default(defaultValue);
    }
    bool inSection = false;
    for (const Line& line : SplitLines(content)) {
      std::string name, lineKey, value;
      bool hasValue = false;
      if (SectionName(line.text, &name)) {
        if (inSection) break;  // only the first section of the name counts
        inSection = EqualsNoCase(name, section);
      } else if (inSection && KeyAndValue(line.text, &lineKey, &value, &hasValue) &&
                 EqualsNoCase(lineKey, key)) {
        return hasValue ? Truncated(Unquote(value)) : Default(defaultValue);
      }
    }
    return Default(defaultValue);
  }

  bool Write(const std::string& file, const std::string& section, const std::string& key,
             const std::string& value) override {
    const std::string path = NativePath(file);
    std::lock_guard<std::mutex> lock(FileMutex());
    std::string content;
    if (ReadFile(path, &content) == ReadResult::kFailed) return false;  // never lose it
    std::vector<Line> lines = SplitLines(content);

    int sectionLine = -1;
    int lastEntry = -1;  // last non-blank line of the section
    int keyLine = -1;
    std::string existingKey;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
      std::string name, lineKey, lineValue;
      bool hasValue = false;
      if (SectionName(lines[i].text, &name)) {
        if (sectionLine >= 0) break;
        if (EqualsNoCase(name, section)) sectionLine = lastEntry = i;
      } else if (sectionLine >= 0 && KeyAndValue(lines[i].text, &lineKey, &lineValue, &hasValue)) {
        lastEntry = i;
        if (EqualsNoCase(lineKey, key)) {
          keyLine = i;
          existingKey = lineKey;
          break;
        }
      }
    }

    // The platform drops a value's leading blanks and keeps the rest as it is.
    const size_t start = value.find_first_not_of(kBlanks);
    const std::string stored = start == std::string::npos ? std::string() : value.substr(start);
    if (keyLine >= 0) {
      lines[keyLine].text = existingKey + "=" + stored;
    } else {
      if (!lines.empty() && lines.back().end.empty()) lines.back().end = "\r\n";
      const Line entry{key + "=" + stored, "\r\n"};
      if (sectionLine >= 0) {
        lines.insert(lines.begin() + lastEntry + 1, entry);
      } else {
        lines.push_back(Line{"[" + section + "]", "\r\n"});
        lines.push_back(entry);
      }
    }

    std::string out;
    for (const Line& line : lines) out += line.text + line.end;
    return WriteWholeFile(path, out);  // in place, as the platform does; no folder is made
  }

 private:
  // The platform cuts trailing blanks off the default.
  static std::string Default(const std::string& value) {
    const size_t end = value.find_last_not_of(kBlanks);
    return Truncated(end == std::string::npos ? std::string() : value.substr(0, end + 1));
  }
};

}  // namespace

std::unique_ptr<SettingsStore> NewPlatformSettingsStore() {
  return std::make_unique<PosixSettingsStore>();
}

SettingsStore& PlatformSettingsStore() {
  static const std::unique_ptr<SettingsStore> store = NewPlatformSettingsStore();
  return *store;
}

}  // namespace platform
