#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "plugin/module_state.h"
#include "reports/cabrillo_export.h"
#include "tests/support/work_dir.h"
#include "tests/unit/cabrillo_test_doubles.h"

namespace {

using cabrillo_test::MemorySettings;
using cabrillo_test::ScriptedUserInterface;
using stats_test::ReadFileBytes;
using stats_test::ScopedWorkDir;

CInfo Qso(const char* call, const char* mode, int freqKHz, int dupe = 0) {
  CInfo qso;
  qso.m_strCall = call;
  qso.m_strMode = mode;
  qso.m_nFreqKHz = freqKHz;
  qso.m_time = MakeDateTime(2017, 1, 14, 15, 30);
  qso.m_strRstSent = "599";
  qso.m_strExchSent = "45001";
  qso.m_strRstRcvd = "599";
  qso.m_strNrRcvd = "45012";
  qso.m_bDupe = qso.m_bNotCounted = dupe;
  return qso;
}

class CabrilloReport : public testing::Test {
 protected:
  CabrilloReport() {
    g_log.RemoveAll();  // whatever other tests of this program left there
    g_contestYear = "2017";
    g_hostVersion = "2.20";
    g_score = 17;
    EditCabrilloHeader("UA1AAA", nullptr, nullptr);
  }
  ~CabrilloReport() override {
    g_log.RemoveAll();
    g_cabrilloHeader = CCabrilloLog();
    g_contestYear.clear();
    g_hostVersion.clear();
    g_score = 0;
  }

  // The QSO lines of the written file.
  static std::string QsoLines(const std::string& file) {
    const size_t first = file.find("QSO:");
    const size_t end = file.find("END-OF-LOG:");
    return first == std::string::npos ? "" : file.substr(first, end - first);
  }

  ScopedWorkDir m_dir;
  MemorySettings m_settings;
  ScriptedUserInterface m_ui;
};

TEST_F(CabrilloReport, WritesEveryQsoWithItsModeCodeAndNamesTheFile) {
  g_log.Add(Qso("RA3BBB", "CW", 3550));
  g_log.Add(Qso("RA3CCC", "SSB", 3650));
  g_log.Add(Qso("RA3BBB", "CW", 3551, 1));  // a dupe is written too
  g_log.Add(Qso("RA3DDD", "RTTY", 7040));
  g_log.Add(Qso("RA3EEE", "cw", 1830));
  g_log.Add(Qso("RA3FFF", "FM", 7050));
  int out = 5;
  RunCabrilloReport(&out);
  EXPECT_EQ(out, -1);
  EXPECT_EQ(QsoLines(ReadFileBytes("UA1AAA.cbr")),
            "QSO:  3550 CW 2017-01-14 1530 UA1AAA        599 45001  RA3BBB        599 45012\r\n"
            "QSO:  3650 PH 2017-01-14 1530 UA1AAA        599 45001  RA3CCC        599 45012\r\n"
            "QSO:  3551 CW 2017-01-14 1530 UA1AAA        599 45001  RA3BBB        599 45012\r\n"
            "QSO:  7040 RY 2017-01-14 1530 UA1AAA        599 45001  RA3DDD        599 45012\r\n"
            "QSO:  1830 ?? 2017-01-14 1530 UA1AAA        599 45001  RA3EEE        599 45012\r\n"
            "QSO:  7050 ?? 2017-01-14 1530 UA1AAA        599 45001  RA3FFF        599 45012\r\n");
  EXPECT_NE(ReadFileBytes("UA1AAA.cbr").find("CLAIMED-SCORE: 17\r\n"), std::string::npos);
  ASSERT_EQ(m_ui.messages.size(), 1u);
  EXPECT_EQ(m_ui.messages[0].text, "File produced: UA1AAA.cbr");
  EXPECT_EQ(m_ui.messages[0].caption, "Output");
  EXPECT_EQ(m_ui.messages[0].kind, platform::MessageKind::information);
  EXPECT_TRUE(m_ui.messages[0].ownedByActiveWindow);
}

TEST_F(CabrilloReport, EachReportRewritesTheWholeFileFromTheLog) {
  g_log.Add(Qso("RA3BBB", "CW", 3550));
  RunCabrilloReport(nullptr);
  const std::string first = ReadFileBytes("UA1AAA.cbr");
  RunCabrilloReport(nullptr);
  EXPECT_EQ(ReadFileBytes("UA1AAA.cbr"), first);
  EXPECT_EQ(QsoLines(first),
            "QSO:  3550 CW 2017-01-14 1530 UA1AAA        599 45001  RA3BBB        599 45012\r\n");
  g_log.RemoveAll();
  RunCabrilloReport(nullptr);
  EXPECT_EQ(QsoLines(ReadFileBytes("UA1AAA.cbr")), "");
  EXPECT_EQ(m_ui.messages.size(), 3u);
}

TEST_F(CabrilloReport, UnwritableFileIsNamedAsNotProducedAndOutIsStillSet) {
  std::filesystem::create_directory("UA1AAA.cbr");
  int out = 0;
  RunCabrilloReport(&out);
  EXPECT_EQ(out, -1);
  ASSERT_EQ(m_ui.messages.size(), 1u);
  EXPECT_EQ(m_ui.messages[0].text, "File not produced: UA1AAA.cbr");
  EXPECT_EQ(m_ui.messages[0].caption, "Output");
}

TEST_F(CabrilloReport, HeaderHookUsesTheContestYearOfTheReset) {
  EXPECT_EQ(g_cabrilloHeader.m_strContest, "KELM 2017");
  EXPECT_EQ(g_cabrilloHeader.m_strFileStem, "UA1AAA");
  m_ui.answer = [](CabrilloDialogFields&) { return false; };
  EXPECT_EQ(EditCabrilloHeader("UA1AAA", nullptr, nullptr), 0);
}

}  // namespace
