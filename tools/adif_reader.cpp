#include "tools/adif_reader.h"

#include <algorithm>
#include <cctype>

namespace {

// Longer values than this are taken for a corrupt length.
constexpr size_t kMaxValueLength = 100000000;

std::string Upper(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return result;
}

bool ParseLength(std::string_view text, size_t* length) {
  if (text.empty()) return false;
  size_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<size_t>(c - '0');
    if (value > kMaxValueLength) return false;
  }
  *length = value;
  return true;
}

class Parser {
 public:
  explicit Parser(std::string_view text) : m_text(text) {}

  AdifLog Run() {
    static const std::string_view kBom = "\xEF\xBB\xBF";
    if (m_text.substr(0, kBom.size()) == kBom) m_pos = kBom.size();
    // A log that does not open with a tag opens with a header.
    m_inHeader = m_pos < m_text.size() && m_text[m_pos] != '<';
    while (!m_log.error && NextTag()) {
    }
    if (!m_log.error) Finish();
    return std::move(m_log);
  }

 private:
  // Handles the next tag; false at the end of the text or on an error.
  bool NextTag() {
    const size_t open = m_text.find('<', m_pos);
    if (open == std::string_view::npos) return false;
    MoveTo(open);
    const int tagLine = m_line;
    const size_t close = m_text.find('>', open);
    if (close == std::string_view::npos) {
      Fail(tagLine, "", "tag not closed by '>'");
      return false;
    }
    const std::string_view tag = m_text.substr(open + 1, close - open - 1);
    const size_t colon = tag.find(':');
    const std::string name = Upper(tag.substr(0, colon));
    if (name.empty()) {
      Fail(tagLine, "", "tag <" + std::string(tag) + "> has no field name");
      return false;
    }
    MoveTo(close + 1);
    if (colon == std::string_view::npos) return EndTag(name, tagLine);

    const std::string_view lengthAndType = tag.substr(colon + 1);
    const std::string_view lengthText = lengthAndType.substr(0, lengthAndType.find(':'));
    const size_t typeColon = lengthAndType.find(':');
    size_t length = 0;
    if (!ParseLength(lengthText, &length) ||
        (typeColon != std::string_view::npos &&
         lengthAndType.find(':', typeColon + 1) != std::string_view::npos)) {
      Fail(tagLine, name, "tag <" + std::string(tag) + "> has no valid length");
      return false;
    }
    if (length > m_text.size() - m_pos) {
      Fail(tagLine, name,
           "value of " + std::to_string(length) + " bytes runs past the end of the file");
      return false;
    }
    AdifField field{name, std::string(m_text.substr(m_pos, length)), tagLine};
    MoveTo(m_pos + length);
    return AddField(std::move(field));
  }

  bool EndTag(const std::string& name, int line) {
    if (name == "EOH") {
      if (m_sawEoh || !m_log.records.empty()) {
        Fail(line, "", "<EOH> after the header");
        return false;
      }
      m_sawEoh = true;
      // Fields before <EOH> in a log that opened with a tag were the header's.
      m_inHeader = false;
      m_record = AdifRecord();
      return true;
    }
    if (name == "EOR") {
      if (m_inHeader) {
        Fail(line, "", "header not ended by <EOH>");
        return false;
      }
      if (m_record.fields.empty()) {
        Fail(line, "", "record has no fields");
        return false;
      }
      m_record.number = RecordNumber();
      m_log.records.push_back(std::move(m_record));
      m_record = AdifRecord();
      return true;
    }
    Fail(line, name, "tag <" + name + "> has no length");
    return false;
  }

  bool AddField(AdifField field) {
    if (m_inHeader) return true;
    const bool repeated =
        std::any_of(m_record.fields.begin(), m_record.fields.end(),
                    [&](const AdifField& other) { return other.name == field.name; });
    if (repeated) {
      Fail(field.line, field.name, "field given twice in one record");
      return false;
    }
    if (m_record.fields.empty()) m_record.line = field.line;
    m_record.fields.push_back(std::move(field));
    return true;
  }

  void Finish() {
    if (m_inHeader) {
      Fail(m_line, "", "header not ended by <EOH>");
    } else if (!m_record.fields.empty()) {
      Fail(m_record.line, "", "record not ended by <EOR>");
    }
  }

  int RecordNumber() const { return static_cast<int>(m_log.records.size()) + 1; }

  void Fail(int line, const std::string& field, const std::string& message) {
    m_log.error = AdifError{line, m_inHeader ? 0 : RecordNumber(), field, message};
  }

  // Advances to an offset, counting the line ends passed.
  void MoveTo(size_t offset) {
    m_line +=
        static_cast<int>(std::count(m_text.begin() + static_cast<std::ptrdiff_t>(m_pos),
                                    m_text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
    m_pos = offset;
  }

  std::string_view m_text;
  size_t m_pos = 0;
  int m_line = 1;
  bool m_inHeader = false;
  bool m_sawEoh = false;
  AdifRecord m_record;
  AdifLog m_log;
};

}  // namespace

const AdifField* AdifRecord::Find(std::string_view name) const {
  for (const AdifField& field : fields) {
    if (field.name == name) return &field;
  }
  return nullptr;
}

std::string AdifRecord::Value(std::string_view name) const {
  const AdifField* field = Find(name);
  return field ? field->value : std::string();
}

AdifLog ReadAdif(std::string_view text) {
  return Parser(text).Run();
}

std::string DescribeAdifError(const std::string& file, const AdifError& error) {
  std::string text = file;
  if (error.line > 0) text += ", line " + std::to_string(error.line);
  text += error.record > 0 ? ", record " + std::to_string(error.record) : ", header";
  if (!error.field.empty()) text += ", field " + error.field;
  return text + ": " + error.message;
}
