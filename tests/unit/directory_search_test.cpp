#include "platform/directory_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "tests/support/work_dir.h"

namespace {

using stats_test::ScopedWorkDir;
using stats_test::WriteFileBytes;

std::vector<std::string> Search(const std::string& pattern) {
  std::vector<std::string> names;
  const auto search = platform::StartDirectorySearch(pattern);
  std::string name;
  while (search->Next(&name)) names.push_back(name);
  EXPECT_FALSE(search->Next(&name)) << "a finished search stays finished";
  std::sort(names.begin(), names.end());
  return names;
}

TEST(DirectorySearch, MatchesLikeTheWindowsFileSearch) {
  ScopedWorkDir dir;
  std::filesystem::create_directories("sub/dir.ini");
  for (const char* file : {"Qarn2.ini", "notes.INI", "a.b.ini", "c.ini.bak", "readme.txt",
                           "sub/x.ini", "sub/Qarn2.ini", "sub/qarn2.ini.old"}) {
    WriteFileBytes(file, "");
  }
  using Names = std::vector<std::string>;
  const std::pair<const char*, Names> cases[] = {
      {"*.ini", {"Qarn2.ini", "a.b.ini", "notes.INI"}},
      {"sub\\*.ini", {"Qarn2.ini", "dir.ini", "x.ini"}},
      {"sub/*.ini", {"Qarn2.ini", "dir.ini", "x.ini"}},
      {"sub\\Qa*.ini", {"Qarn2.ini"}},
      {"sub\\qARN*.ini", {"Qarn2.ini"}},
      {"Q?rn2*.ini", {"Qarn2.ini"}},
      {"*.txt", {"readme.txt"}},
      {"sub\\z*.ini", {}},
      {"missing\\*.ini", {}},
      {"", {}},
  };
  for (const auto& [pattern, expected] : cases) {
    EXPECT_EQ(Search(pattern), expected) << pattern;
  }
}

TEST(DirectorySearch, OverlongPatternFindsNothing) {
  ScopedWorkDir dir;
  WriteFileBytes("Qarn2.ini", "");
  EXPECT_EQ(Search(std::string(5000, 'a') + "\\*.ini"), std::vector<std::string>());
}

}  // namespace
