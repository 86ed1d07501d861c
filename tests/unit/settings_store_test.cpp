// The platform's settings store: on Windows (under wine) the real private-profile functions,
// elsewhere our own file code. The same expectations hold for both.
#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/work_dir.h"

namespace stats_test {
namespace {

using platform::SettingsStore;

class SettingsStoreTest : public ::testing::Test {
 protected:
  SettingsStoreTest() { std::filesystem::create_directory("Plugins"); }

  std::string Read(const std::string& key, const std::string& defaultValue = "default") {
    return m_store.Read(kFile, "Settings", key, defaultValue);
  }
  bool Write(const std::string& key, const std::string& value) {
    return m_store.Write(kFile, "Settings", key, value);
  }

  static constexpr const char* kFile = "Plugins\\KELM.ini";  // backslashes on every platform
  static constexpr const char* kBytesPath = "Plugins/KELM.ini";
  ScopedWorkDir m_dir;
  SettingsStore& m_store = platform::PlatformSettingsStore();
};

TEST_F(SettingsStoreTest, WritesTheFileAsThePlatformDoes) {
  EXPECT_TRUE(Write("Master", "1"));
  EXPECT_TRUE(Write("Start", "0"));
  EXPECT_EQ(ReadFileBytes(kBytesPath), "[Settings]\r\nMaster=1\r\nStart=0\r\n");

  // Names match ignoring case; the line keeps its place and its key's spelling.
  EXPECT_TRUE(m_store.Write(kFile, "settings", "MASTER", "12"));
  EXPECT_EQ(ReadFileBytes(kBytesPath), "[Settings]\r\nMaster=12\r\nStart=0\r\n");

  EXPECT_TRUE(m_store.Write(kFile, "Other", "Key", "v"));
  EXPECT_TRUE(Write("Age", "30"));
  EXPECT_EQ(ReadFileBytes(kBytesPath),
            "[Settings]\r\nMaster=12\r\nStart=0\r\nAge=30\r\n[Other]\r\nKey=v\r\n");

  // Leading blanks of a value are dropped, trailing ones kept; reads trim both.
  EXPECT_TRUE(Write("Name", "  Ann Lee  "));
  EXPECT_EQ(ReadFileBytes(kBytesPath),
            "[Settings]\r\nMaster=12\r\nStart=0\r\nAge=30\r\nName=Ann Lee  \r\n[Other]\r\n"
            "Key=v\r\n");
  EXPECT_EQ(Read("name"), "Ann Lee");
  EXPECT_EQ(m_store.Read(".\\Plugins\\KELM.ini", "OTHER", "key", ""), "v");
}

TEST_F(SettingsStoreTest, ReadsAHandWrittenFile) {
  WriteFileBytes(kBytesPath,
                 "[Other]\r\nMaster=other\r\n"
                 "  [ settings ]  \r\n"
                 "  Master  =  1  \r\n"
                 "Quoted=\"  a b  \"\r\n"
                 "Single='x'\r\n"
                 "Half=\"x\r\n"
                 "Mixed=\"x'\r\n"
                 "Empty=\r\n"
                 "Blank=   \r\n"
                 "NoValue\r\n"
                 ";Note=not a comment\r\n"
                 "Equation=a=b\r\n"
                 "[Settings]\r\nSecond=2\r\n"
                 "[Next]\r\nLast=1");
  const std::pair<const char*, const char*> cases[] = {
      {"Master", "1"},
      {"MASTER", "1"},
      {"Quoted", "  a b  "},
      {"Single", "x"},
      {"Half", "\"x"},
      {"Mixed", "\"x'"},
      {"Empty", ""},
      {"Blank", ""},
      {"NoValue", "default"},
      {";Note", "not a comment"},
      {"Equation", "a=b"},
      {"Second", "default"},  // only the first section of a name is searched
      {"Last", "default"},
      {"Missing", "default"},
  };
  for (const auto& [key, expected] : cases) EXPECT_EQ(Read(key), expected) << key;
  EXPECT_EQ(m_store.Read(kFile, "NEXT", "last", ""), "1");
  EXPECT_EQ(m_store.Read(kFile, "Nowhere", "Master", "d"), "d");
  // The default loses its trailing blanks only.
  EXPECT_EQ(Read("Missing", "  spaced  "), "  spaced");
  EXPECT_EQ(m_store.Read("Plugins\\None.ini", "Settings", "Master", "none"), "none");
  EXPECT_EQ(m_store.Read("NoFolder\\KELM.ini", "Settings", "Master", ""), "");
}

TEST_F(SettingsStoreTest, GivesAtMost99Characters) {
  std::string value;
  for (int i = 0; i < 120; ++i) value += static_cast<char>('a' + i % 26);
  const std::string first99 = value.substr(0, 99);
  EXPECT_TRUE(Write("Long", value));
  EXPECT_EQ(Read("Long"), first99);
  EXPECT_TRUE(Write("Quoted", "\"" + value + "\""));
  EXPECT_EQ(Read("Quoted"), first99);
  EXPECT_TRUE(Write("Exact", value.substr(0, 99)));
  EXPECT_EQ(Read("Exact"), first99);
  EXPECT_EQ(Read("Missing", value), first99);
  EXPECT_TRUE(Write("After", "1"));  // the long lines do not disturb the next ones
  EXPECT_EQ(Read("After"), "1");
}

// A file already in the form the platform writes is edited the same way everywhere.
TEST_F(SettingsStoreTest, EditsAFileKeepingEveryOtherLine) {
  WriteFileBytes(kBytesPath,
                 "[First]\r\nAge=1\r\n[Settings]\r\nAge=30\r\nName=Ann\r\n[Last]\r\nZ=9\r\n");
  EXPECT_TRUE(Write("age", "31"));
  EXPECT_TRUE(Write("Call", "UA1AAA"));
  EXPECT_TRUE(m_store.Write(kFile, "New", "K", "v"));
  EXPECT_EQ(ReadFileBytes(kBytesPath),
            "[First]\r\nAge=1\r\n[Settings]\r\nAge=31\r\nName=Ann\r\nCall=UA1AAA\r\n"
            "[Last]\r\nZ=9\r\n[New]\r\nK=v\r\n");
}

// The platform edits in place; wine rewrites a file in its own normal form (no blank lines,
// no blanks around '=', CR LF everywhere). What both agree on: every value stays readable.
TEST_F(SettingsStoreTest, EditsAnUntidyFileWithoutLosingValues) {
  const std::string untidy =
      "; written by hand\n\n[Settings]\nAge = 30\n\n\n[Other]\r\n  X =  y \r\nLast=1";
  WriteFileBytes(kBytesPath, untidy);
  EXPECT_TRUE(Write("Call", "UA1AAA"));
  EXPECT_TRUE(Write("Age", "31"));
  EXPECT_TRUE(m_store.Write(kFile, "Other", "New", "n"));
  EXPECT_EQ(Read("Age"), "31");
  EXPECT_EQ(Read("Call"), "UA1AAA");
  EXPECT_EQ(m_store.Read(kFile, "Other", "X", ""), "y");
  EXPECT_EQ(m_store.Read(kFile, "Other", "Last", ""), "1");
  EXPECT_EQ(m_store.Read(kFile, "Other", "New", ""), "n");
#if !defined(_WIN32)
  EXPECT_EQ(ReadFileBytes(kBytesPath),
            "; written by hand\n\n[Settings]\nAge=31\nCall=UA1AAA\r\n\n\n[Other]\r\n"
            "  X =  y \r\nLast=1\r\nNew=n\r\n");
#endif
}

TEST_F(SettingsStoreTest, FailsWithoutMakingAFolder) {
  EXPECT_FALSE(m_store.Write("NoFolder\\KELM.ini", "Settings", "Master", "1"));
  EXPECT_FALSE(m_store.Write(".\\Plugins", "Settings", "Master", "1"));  // a folder
  EXPECT_EQ(ListFolder("."), "Plugins\n");
  EXPECT_EQ(ListFolder("Plugins"), "");
}

TEST_F(SettingsStoreTest, EachWriteIsCompleteWhenItReturns) {
  const std::unique_ptr<SettingsStore> other = platform::NewPlatformSettingsStore();
  for (int i = 0; i < 20; ++i) {
    const std::string value = std::to_string(i);
    ASSERT_TRUE(Write("Count", value));
    ASSERT_EQ(ReadFileBytes(kBytesPath), "[Settings]\r\nCount=" + value + "\r\n");
    ASSERT_EQ(other->Read(kFile, "Settings", "Count", ""), value);
    ASSERT_TRUE(other->Write(kFile, "Settings", "Count", value + "0"));
    ASSERT_EQ(Read("Count"), value + "0");
  }
}

TEST_F(SettingsStoreTest, WritersOnTwoThreadsLoseNothing) {
  const int kWrites = 40;
  auto writer = [this](const std::string& prefix) {
    const std::unique_ptr<SettingsStore> store = platform::NewPlatformSettingsStore();
    for (int i = 0; i < kWrites; ++i) {
      store->Write(kFile, "Settings", prefix + std::to_string(i), std::to_string(i));
    }
  };
  std::thread first(writer, "a");
  std::thread second(writer, "b");
  first.join();
  second.join();
  int found = 0;
  for (int i = 0; i < kWrites; ++i) {
    found += Read("a" + std::to_string(i)) == std::to_string(i);
    found += Read("b" + std::to_string(i)) == std::to_string(i);
  }
  EXPECT_EQ(found, 2 * kWrites);
}

}  // namespace
}  // namespace stats_test
