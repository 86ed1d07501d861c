#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The combo-box lists that come with a dialog template, as the resource stores them: entries of
// a 16-bit control id, a 16-bit message code, a 32-bit length, and that many bytes of text with
// a closing zero; a control id of 0 ends the list. Numbers are little-endian.

struct ComboListEntry {
  int controlId;
  std::string text;
};

// The list-adding entries in resource order. Entries with another message code are skipped; a
// truncated or overlong entry ends the reading, keeping what was read before it.
std::vector<ComboListEntry> ParseComboLists(const void* data, size_t size);
