#include "reports/cabrillo_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "plugin/module_state.h"
#include "tests/support/work_dir.h"

namespace {

using stats_test::ListFolder;
using stats_test::ReadFileBytes;
using stats_test::ScopedWorkDir;
using stats_test::WriteFileBytes;

const COleDateTime kQsoTime = MakeDateTime(2017, 1, 14, 15, 30);

struct QsoLineCase {
  int freqKHz;
  const char* mode;
  COleDateTime time;
  const char* callRcvd;
  const char* line;
};

TEST(CabrilloLog, QsoLinesKeepTheirColumns) {
  const QsoLineCase cases[] = {
      {3550, "CW", kQsoTime, "RA3BBB",
       "QSO:  3550 CW 2017-01-14 1530 UA1AAA        599 45001  RA3BBB        599 45012\r\n"},
      {14025, "PH", kQsoTime, "RA3BBB",
       "QSO: 14025 PH 2017-01-14 1530 UA1AAA        599 45001  RA3BBB        599 45012\r\n"},
      {144000, "RY", kQsoTime, "RA3BBB",
       "QSO: 144000 RY 2017-01-14 1530 UA1AAA        599 45001  RA3BBB        599 45012\r\n"},
      {1830, "??", MakeDateTime(2017, 1, 14, 9, 5), "RA3BBB/1234567",
       "QSO:  1830 ?? 2017-01-14 0905 UA1AAA        599 45001  RA3BBB/1234567 599 45012\r\n"},
      {-7, "CW", COleDateTime{0.0, COleDateTime::invalid}, "",
       "QSO:    -7 CW Invalid DateTime UA1AAA        599 45001                599 45012\r\n"},
      {0, "CW", COleDateTime{0.0, COleDateTime::null}, "RA3BBB",
       "QSO:     0 CW  UA1AAA        599 45001  RA3BBB        599 45012\r\n"},
  };
  for (const QsoLineCase& c : cases) {
    CCabrilloLog log;
    log.m_strCall = "UA1AAA";
    log.AddQsoLine(c.freqKHz, c.mode, c.time, "599", "45001", c.callRcvd, "599", "45012");
    ASSERT_EQ(log.m_qsoLines.GetSize(), 1);
    EXPECT_EQ(log.m_qsoLines[0], c.line);
  }
}

TEST(CabrilloLog, LongTextsPushTheFollowingColumnsAndAreNeverCut) {
  CCabrilloLog log;
  log.m_strCall = "UA1AAA/MM/QRP";
  log.AddQsoLine(7010, "CW", kQsoTime, "5999", "45001001", "R9/RA3BBB/MOBILE", "59", "450123");
  log.AddQsoLine(7011, "CW", kQsoTime, "", "", "", "", "");
  ASSERT_EQ(log.m_qsoLines.GetSize(), 2);
  EXPECT_EQ(log.m_qsoLines[0],
            "QSO:  7010 CW 2017-01-14 1530 UA1AAA/MM/QRP 5999 45001001 R9/RA3BBB/MOBILE 59  "
            "450123\r\n");
  // Empty fields keep their widths: 3 + 6 + 13 + 3 blanks and the five separators.
  EXPECT_EQ(log.m_qsoLines[1],
            "QSO:  7011 CW 2017-01-14 1530 UA1AAA/MM/QRP" + std::string(30, ' ') + "\r\n");
}

class CabrilloLogFile : public testing::Test {
 protected:
  CabrilloLogFile() {
    m_log.m_strCall = "UA1AAA/P";
    m_log.m_strFileStem = "UA1AAA_P";
    m_log.m_strCategory = "SO-YN-AB-MIX-LP";
    m_log.m_strBand = "ALL";
    m_log.m_strPower = "QRP";
    m_log.m_strTransmitter = "ONE";
    m_log.m_strLocation = "MO";
    m_log.m_strEmail = "ua1aaa@example.org";
    m_log.m_strName = "Ivan Petrov";
    m_log.m_strAddress = "Ul. Lenina 1\r\nADDRESS: Moscow\r\nADDRESS: Russia";
    m_log.m_strSoapbox = "";
    m_log.m_strClub = "not written";
    m_log.m_strOperators = "not written";
    m_log.m_strContest = "not written";
    m_log.m_strClaimed = "999";
    m_log.AddQsoLine(3550, "CW", kQsoTime, "599", "45001", "RA3BBB", "599", "45012");
    m_log.AddQsoLine(7050, "PH", kQsoTime, "59", "45002", "RA3BBB", "59", "45013");
    g_score = -8;
    g_hostVersion = "2.20";
  }
  ~CabrilloLogFile() override {
    g_score = 0;
    g_hostVersion.clear();
  }

  CCabrilloLog m_log;
  const std::string m_expected =
      "START-OF-LOG: 3.0\r\n"
      "CONTEST: KELM-CONTEST \r\n"
      "CALLSIGN: UA1AAA/P\r\n"
      "CATEGORY-OPERATOR: SO-YN-AB-MIX-LP\r\n"
      "CATEGORY-BAND: ALL\r\n"
      "CATEGORY-MODE: MIX\r\n"
      "CATEGORY-POWER: QRP\r\n"
      "CATEGORY-STATION: FIXED\r\n"
      "CATEGORY-TRANSMITTER: ONE\r\n"
      "CLAIMED-SCORE: -8\r\n"
      "LOCATION: MO\r\n"
      "CREATED-BY: Qarn 2.20\r\n"
      "E-MAIL: ua1aaa@example.org\r\n"
      "NAME: Ivan Petrov\r\n"
      "ADDRESS: Ul. Lenina 1\r\n"
      "ADDRESS: Moscow\r\n"
      "ADDRESS: Russia\r\n"
      "SOAPBOX: \r\n"
      "QSO:  3550 CW 2017-01-14 1530 UA1AAA/P      599 45001  RA3BBB        599 45012\r\n"
      "QSO:  7050 PH 2017-01-14 1530 UA1AAA/P      59  45002  RA3BBB        59  45013\r\n"
      "END-OF-LOG:\r\n";
};

TEST_F(CabrilloLogFile, WritesTheWholeLogAndNamesTheFile) {
  ScopedWorkDir dir;
  EXPECT_EQ(m_log.WriteLog(), "File produced: UA1AAA_P.cbr");
  EXPECT_EQ(ReadFileBytes("UA1AAA_P.cbr"), m_expected);
  EXPECT_EQ(ListFolder(dir.path()), "UA1AAA_P.cbr\n");
}

TEST_F(CabrilloLogFile, ReplacesALongerOldFileWhole) {
  ScopedWorkDir dir;
  WriteFileBytes("UA1AAA_P.cbr", std::string(5000, 'x'));
  EXPECT_EQ(m_log.WriteLog(), "File produced: UA1AAA_P.cbr");
  EXPECT_EQ(ReadFileBytes("UA1AAA_P.cbr"), m_expected);
}

TEST_F(CabrilloLogFile, EmptyHeaderStillWritesEveryTag) {
  CCabrilloLog empty;
  g_score = 0;
  g_hostVersion.clear();
  EXPECT_EQ(empty.LogText(0, ""),
            "START-OF-LOG: 3.0\r\nCONTEST: KELM-CONTEST \r\nCALLSIGN: \r\nCATEGORY-OPERATOR: \r\n"
            "CATEGORY-BAND: \r\nCATEGORY-MODE: MIX\r\nCATEGORY-POWER: \r\n"
            "CATEGORY-STATION: FIXED\r\nCATEGORY-TRANSMITTER: \r\nCLAIMED-SCORE: 0\r\n"
            "LOCATION: \r\nCREATED-BY: Qarn \r\nE-MAIL: \r\nNAME: \r\nADDRESS: \r\nSOAPBOX: \r\n"
            "END-OF-LOG:\r\n");
}

TEST_F(CabrilloLogFile, DirectoryInTheFilesPlaceIsReportedAsNotProduced) {
  ScopedWorkDir dir;
  std::filesystem::create_directory("UA1AAA_P.cbr");
  EXPECT_EQ(m_log.WriteLog(), "File not produced: UA1AAA_P.cbr");
  EXPECT_TRUE(std::filesystem::is_directory("UA1AAA_P.cbr"));
  EXPECT_EQ(ListFolder(dir.path()), "UA1AAA_P.cbr\n") << "no temporary file is left behind";
}

TEST_F(CabrilloLogFile, FailedWriteKeepsTheLastGoodLog) {
  ScopedWorkDir dir;
  WriteFileBytes("UA1AAA_P.cbr", "the last good log");
  std::filesystem::create_directory("UA1AAA_P.cbr.tmp");  // the new log cannot be written
  EXPECT_EQ(m_log.WriteLog(), "File not produced: UA1AAA_P.cbr");
  EXPECT_EQ(ReadFileBytes("UA1AAA_P.cbr"), "the last good log");
}

TEST_F(CabrilloLogFile, MissingFolderIsReportedAsNotProduced) {
  ScopedWorkDir dir;
  m_log.m_strFileStem = "no_such_folder/UA1AAA";
  EXPECT_EQ(m_log.WriteLog(), "File not produced: no_such_folder/UA1AAA.cbr");
  EXPECT_EQ(ListFolder(dir.path()), "");
}

}  // namespace
