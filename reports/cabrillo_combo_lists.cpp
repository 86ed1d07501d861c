#include "reports/cabrillo_combo_lists.h"

#include <cstdint>

#include "resources/cabrillo_dialog_ids.h"

namespace {

uint32_t ReadLittleEndian(const unsigned char* bytes, int count) {
  uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
  return value;
}

}  // namespace

std::vector<ComboListEntry> ParseComboLists(const void* data, size_t size) {
  std::vector<ComboListEntry> entries;
  const auto* bytes = static_cast<const unsigned char*>(data);
  if (!bytes) return entries;
  size_t at = 0;
  while (at + 2 <= size) {
    const uint32_t id = ReadLittleEndian(bytes + at, 2);
    if (id == 0 || at + 8 > size) break;
    const uint32_t message = ReadLittleEndian(bytes + at + 2, 2);
    const uint32_t length = ReadLittleEndian(bytes + at + 4, 4);
    at += 8;
    if (length > size - at) break;
    if (message == DIALOG_INIT_ADD_STRING) {
      const auto* text = reinterpret_cast<const char*>(bytes + at);
      size_t textLength = 0;
      while (textLength < length && text[textLength] != '\0') ++textLength;
      entries.push_back({static_cast<int>(id), std::string(text, textLength)});
    }
    at += length;
  }
  return entries;
}
