#pragma once

#include <memory>
#include <string>

namespace platform {

// A search for the entries of one folder whose names match a pattern, with the rule of the
// Windows file search: the pattern is a folder part (up to its last '\' or '/'; none means the
// current folder) followed by a name part in which '*' stands for any run of characters and '?'
// for one character, compared ignoring the case of letters. Entries come in the platform's
// order. The search owns its handle and is closed when the object is destroyed.
class DirectorySearch {
 public:
  virtual ~DirectorySearch() = default;

  // The name (without folder part) of the next matching entry; false when there is none.
  virtual bool Next(std::string* name) = 0;
};

// Starts a search. When it cannot start (no match, a missing folder, a bad pattern) the search
// returned yields no entry.
std::unique_ptr<DirectorySearch> StartDirectorySearch(const std::string& pattern);

}  // namespace platform
