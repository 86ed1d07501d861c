// ResetStats0: the report file, the settings it writes and the "Start" rule across resets.
#include <gtest/gtest.h>

#include <memory>

#if defined(_WIN32)
#include "platform/win32/win32.h"
#include "tests/support/window_closer.h"
#endif
#include "tests/integration/engine_fixture.h"

namespace stats_test {
namespace {

using ResetTest = EngineTest;

// The value of a key in the settings text, "(none)" when it is not there.
std::string SettingValue(const std::string& settings, const std::string& key) {
  for (std::string line : LinesOf(settings)) {
    if (line.compare(0, key.size() + 1, key + "=") == 0) {
      line = line.substr(key.size() + 1);
      return line.substr(0, line.find("\r\n"));
    }
  }
  return "(none)";
}

TEST_F(ResetTest, CreatesTheReportNamedAfterTheContestDateWithItsHeader) {
  ASSERT_EQ(m_host.Reset(), 1);
  EXPECT_EQ(ListFolder(m_dir.path()), std::string(kReportName) + "\nPlugins\n");
  EXPECT_EQ(Report(), kHeaderLine);

  ASSERT_EQ(m_host.Add(QsoAt("DL1AA", "20m", "CW", 15, 1)), 0);
  ASSERT_EQ(m_host.Add(QsoAt("DL1AA", "80m", "CW", 15, 1)), 1);
  ASSERT_EQ(m_host.Add(QsoAt("DL1AA", "80m", "CW", 15, 2)), 1);
  ASSERT_EQ(LinesOf(Report()).size(), 3u);
  WriteFileBytes(kReportName, Report() + "no line end");

  ASSERT_EQ(m_host.Reset(), 1);
  EXPECT_EQ(Report(), kHeaderLine);
  EXPECT_EQ(m_host.Result(), ExpectedSummary().Text());

  HostReset nextDay;
  nextDay.contestDate = MakeDateTime(2018, 12, 3, 9, 45);
  ASSERT_EQ(m_host.Reset(nextDay), 1);
  EXPECT_EQ(ReadFileBytes("BadQSO_StatsKELM_03_12_2018.txt"), kHeaderLine);
  EXPECT_EQ(Report(), kHeaderLine);
  ExpectedSummary summary;
  summary.date = "03.12.2018";
  EXPECT_EQ(m_host.Result(), summary.Text());
}

TEST_F(ResetTest, OddContestDatesStillNameAReport) {
  struct Case {
    COleDateTime date;
    const char* report;
    const char* dateText;
  };
  const Case cases[] = {
      {{42749.0, COleDateTime::invalid},
       "BadQSO_StatsKELM_Invalid DateTime.txt",
       "Invalid DateTime"},
      {{1e12, COleDateTime::valid}, "BadQSO_StatsKELM_Invalid DateTime.txt", "Invalid DateTime"},
      {{42749.0, COleDateTime::null}, "BadQSO_StatsKELM_.txt", ""},
  };
  for (const Case& c : cases) {
    HostReset reset;
    reset.contestDate = c.date;
    reset.start = c.date;
    reset.ownCall = "";
    ASSERT_EQ(m_host.Reset(reset), 1);
    EXPECT_EQ(ReadFileBytes(c.report), kHeaderLine) << c.report;
    ASSERT_EQ(m_host.Add(QsoAt("DL1AA", "80m", "CW", 1, 59)), 1);  // start hour read as 0
    ExpectedSummary summary;
    summary.date = c.dateText;
    summary.call = "";
    summary.tour1 = {"80m\t 1\t 5\t 1\t 0\t 0"};
    summary.tour2 = {"80m\t 0\t 0\t 0\t 0\t 0"};
    summary.total = "1\t 5\t 1\t 0\t 0";
    summary.score = 5;
    EXPECT_EQ(m_host.Result(), summary.Text()) << c.report;
  }
}

// "Master" tells whether the districts file opens; "Start" alternates between resets.
TEST(ResetSettings, MasterAndStartAcrossResets) {
  ScopedWorkDir dir;
  std::filesystem::create_directory("Plugins");
  Host host;
  ASSERT_EQ(host.Reset(), 1);
  EXPECT_EQ(ReadFileBytes(kSettingsPath), "[Settings]\r\nMaster=0\r\nStart=1\r\n");
  WriteFileBytes("Plugins/kda.dom", "");
  ASSERT_EQ(host.Reset(), 1);
  EXPECT_EQ(ReadFileBytes(kSettingsPath), "[Settings]\r\nMaster=1\r\nStart=0\r\n");
  std::filesystem::remove("Plugins/kda.dom");
  std::filesystem::create_directory("Plugins/kda.dom");  // a folder does not open as a file
  ASSERT_EQ(host.Reset(), 1);
  EXPECT_EQ(ReadFileBytes(kSettingsPath), "[Settings]\r\nMaster=0\r\nStart=1\r\n");
}

TEST(ResetSettings, StartFoundSetMakesTheFirstResetOpenNothing) {
  ScopedWorkDir dir;
  std::filesystem::create_directory("Plugins");
  WriteFileBytes(kSettingsPath, "[Settings]\r\nAge=35\r\nStart= 7x\r\n");
  Host host;
  const char* const expected[] = {"0", "1", "0"};
  for (const char* start : expected) {
    ASSERT_EQ(host.Reset(), 1);
    EXPECT_EQ(ReadFileBytes(kSettingsPath),
              std::string("[Settings]\r\nAge=35\r\nStart=") + start + "\r\nMaster=0\r\n");
  }
}

TEST(ResetSettings, WithoutPluginsFolderNothingButTheReportIsWritten) {
  ScopedWorkDir dir;
  Host host;
  ASSERT_EQ(host.Reset(), 1);
  ASSERT_EQ(host.Add(QsoAt("DL1AA", "80m", "CW", 15, 1)), 1);
  host.Result();
  EXPECT_EQ(ListFolder(dir.path()), std::string(kReportName) + "\n");
  EXPECT_EQ(ReadFileBytes(kReportName), kHeaderLine);
}

// An export-mode reset confirms the Cabrillo header and always leaves "Start" at "0".
TEST_F(ResetTest, ExportModeLeavesStartCleared) {
  HostReset exporting;
  exporting.exportFlag = 1;
  for (const HostReset& reset : {exporting, HostReset(), exporting}) {
    {
#if defined(_WIN32)
      // Closes the header dialog; gives up soon when there is none.
      std::unique_ptr<DialogCloser> closer;
      if (reset.exportFlag) closer = std::make_unique<DialogCloser>(GetCurrentThreadId(), 2000);
#endif
      ASSERT_EQ(m_host.Reset(reset), 1);
    }
    const std::string expected = reset.exportFlag ? "0" : "1";
    EXPECT_EQ(SettingValue(Settings(), "Start"), expected) << "export " << reset.exportFlag;
  }
  EXPECT_EQ(Report(), kHeaderLine);
}

}  // namespace
}  // namespace stats_test
