// The library as the host sees it: its names, the constant answers, load and unload.
#include <gtest/gtest.h>

#include <string>

#include "export_names.h"
#include "tests/support/plugin_library.h"
#include "tests/support/work_dir.h"

namespace stats_test {
namespace {

using IntNoArgs = int (*)();
using IntThreeTexts = int (*)(const char*, const char*, const char*);
using TextOfInt = const char* (*)(int);
using ValidExchange = int (*)(const char*, const char*, const char*, const char*, int, int, int);
using Command = const char* (*)(int, const char*);

TEST(ExportSurface, EveryNameResolves) {
  PluginLibrary library;
  ASSERT_TRUE(library.loaded());
  int count = 0;
  for (const char* name : kExportNames) {
    EXPECT_NE(library.Find(name), nullptr) << name;
    ++count;
  }
  EXPECT_EQ(count, 21);
  EXPECT_EQ(library.Find("RunCommand0"), nullptr) << "RunCommand0 is exported decorated only";
}

TEST(ExportSurface, PlainAndDecoratedNamesAreOneFunction) {
  PluginLibrary library;
  const std::pair<const char*, const char*> pairs[] = {
      {"ResetStats0", "?ResetStats0@@YAHPBDH0PAVCOleDateTime@ATL@@10000000000HHHNN000@Z"},
      {"AddData0", "?AddData0@@YAHPBD0PAVCOleDateTime@ATL@@111II000000000000000HHHNN00000@Z"},
      {"RemoveData0", "?RemoveData0@@YAHPBD0PAVCOleDateTime@ATL@@111II000000000000000HHHNN00000@Z"},
      {"CheckCall0", "?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z"},
      {"IsValidExchg0", "?StatsIsValidExchg0@@YAHPBD000HHH@Z"},
      {"GetExchgCount0", "?StatsGetExchgCount0@@YAHPBD00@Z"},
      {"GetNumberOfSets", "?GetNumberOfSets@@YAHXZ"},
      {"GetSetName", "?GetSetName@@YAPBDH@Z"},
      {"SetupSet0", "?SetupSet0@@YAXXZ"},
      {"GetResult0", "?GetResult0@@YAPBDPAH@Z"},
  };
  for (const auto& [plain, decorated] : pairs) {
    EXPECT_NE(library.Find(plain), nullptr) << plain;
    EXPECT_EQ(library.Find(plain), library.Find(decorated)) << plain;
  }
  EXPECT_EQ(library.Find("GetExchgCount0"), library.Find("GetNumberOfSets"));
}

TEST(ExportSurface, ConstantAnswers) {
  PluginLibrary library;
  auto sets = library.Get<IntNoArgs>("?GetNumberOfSets@@YAHXZ");
  auto exchanges = library.Get<IntThreeTexts>("?StatsGetExchgCount0@@YAHPBD00@Z");
  auto setName = library.Get<TextOfInt>("?GetSetName@@YAPBDH@Z");
  ASSERT_TRUE(sets && exchanges && setName);
  EXPECT_EQ(sets(), 1);
  EXPECT_EQ(exchanges(nullptr, "x", nullptr), 1);
  EXPECT_STREQ(setName(0), "KELM (C)");
  ASSERT_NE(setName(1), nullptr);
  EXPECT_STREQ(setName(1), "");
  EXPECT_STREQ(setName(-1), "");
}

TEST(ExportSurface, ExchangeValidation) {
  PluginLibrary library;
  auto valid = library.Get<ValidExchange>("?StatsIsValidExchg0@@YAHPBD000HHH@Z");
  ASSERT_TRUE(valid);
  const std::pair<const char*, int> cases[] = {
      {"00000", 1}, {"12345", 1}, {"599", 0},   {"123456", 0}, {"1234", 0},  {"", 0},
      {"1234 ", 0}, {" 1234", 0}, {"+1234", 0}, {"12a45", 0},  {"-1234", 0}, {nullptr, 0},
  };
  for (const auto& [exchange, expected] : cases) {
    EXPECT_EQ(valid(exchange, nullptr, nullptr, nullptr, 0, 0, 0), expected)
        << (exchange ? exchange : "(null)");
  }
}

TEST(ExportSurface, UnknownCommandsDoNothingAndReturnEmptyText) {
  ScopedWorkDir dir;
  PluginLibrary library;
  auto run = library.Get<Command>("?RunCommand0@@YAPBDHPBD@Z");
  ASSERT_TRUE(run);
  for (const char* command :
       {"showinfo", "", "HIDEINFO ", "HIDEINFO", static_cast<const char*>(nullptr)}) {
    const char* result = run(0, command);
    ASSERT_NE(result, nullptr);
    EXPECT_STREQ(result, "");
  }
  EXPECT_EQ(ListFolder(dir.path()), "");
}

TEST(ExportSurface, LoadAndUnloadTouchNoFile) {
  ScopedWorkDir dir;
  {
    PluginLibrary library;
    ASSERT_TRUE(library.loaded());
  }
  EXPECT_EQ(ListFolder(dir.path()), "");
}

#if !defined(_WIN32)
TEST(ExportSurface, SetupNoticeGoesToStandardError) {
  PluginLibrary library;
  auto setup = library.Get<void (*)()>("?SetupSet0@@YAXXZ");
  ASSERT_TRUE(setup);
  testing::internal::CaptureStderr();
  setup();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "No additional setup for this contest\n");
}
#endif

}  // namespace
}  // namespace stats_test
