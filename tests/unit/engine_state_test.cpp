// Reset and intake on the module state itself: what no export shows directly.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/intake.h"
#include "engine/removal.h"
#include "engine/reset.h"
#include "plugin/module_state.h"
#include "tests/support/work_dir.h"

namespace {

using stats_test::ReadFileBytes;
using stats_test::ScopedWorkDir;
using stats_test::WriteFileBytes;

class EngineStateTest : public testing::Test {
 protected:
  EngineStateTest() {
    std::filesystem::create_directory("Plugins");
    m_args.ownCall = "UA1AAA";
    m_args.start = &m_start;
    m_args.contestDate = &m_date;
    m_args.ownPrefix = "DL";
  }

  // The module state is shared by every test of this program: leave it as loaded.
  ~EngineStateTest() override {
    g_log.RemoveAll();
    g_workedBands.RemoveAll();
    g_reportFile.clear();
    g_startHour.clear();
    g_age.clear();
    g_homeRegion = 0;
    g_masterFlag = 0;
  }

  // Resets with "Start" set, so that no window is started.
  void Reset(const std::string& settings = std::string()) {
    WriteFileBytes("Plugins/KELM.ini", "[Settings]\r\nStart=1\r\n" + settings);
    ASSERT_EQ(ResetStats(m_args), 1);
  }

  static QsoArgs Qso(const std::string& call) {
    QsoArgs qso;
    qso.ownCall = "UA1AAA";
    qso.call = call;
    qso.time = &kQsoTime;
    qso.freqHz = 3550999;
    qso.mode = "CW";
    qso.rstSent = "599";
    qso.rstRcvd = "579";
    qso.nrSent = "001";
    qso.nrRcvd = "45012";
    qso.prefix = "UA";
    qso.aux = "aux";
    qso.band = "80m";
    return qso;
  }

  static const COleDateTime kQsoTime;
  ScopedWorkDir m_dir;
  COleDateTime m_start = MakeDateTime(2017, 1, 14, 15, 40);
  COleDateTime m_date = MakeDateTime(2017, 1, 14);
  ResetArgs m_args;
};

const COleDateTime EngineStateTest::kQsoTime = MakeDateTime(2017, 1, 14, 17, 5);

TEST_F(EngineStateTest, ResetSetsTheRunFromItsArgumentsAndSettings) {
  g_log.Add(CInfo());
  g_workedBands.Add("20m");
  for (CStringArray& row : g_gridRows) {
    row.RemoveAll();
    row.Add("old");
  }
  Reset("Age=35\r\n");

  EXPECT_EQ(g_startHour, "15");
  EXPECT_EQ(g_contestDate, "14.01.2017");
  EXPECT_EQ(g_contestYear, "2017");
  EXPECT_EQ(g_reportFile, "BadQSO_StatsKELM_14_01_2017.txt");
  EXPECT_EQ(g_age, "35");
  EXPECT_EQ(g_ownCall, "UA1AAA");
  EXPECT_EQ(g_exportMode, 0);
  EXPECT_EQ(g_masterFlag, 0);
  EXPECT_TRUE(g_log.IsEmpty());
  EXPECT_TRUE(g_workedBands.IsEmpty());
  const char* const bands[] = {"160m", "80m", "40m"};
  for (int i = 0; i < 3; ++i) {
    const std::vector<std::string> expected = {bands[i], "-", "-", "-", "-"};
    EXPECT_EQ(std::vector<std::string>(g_gridRows[i].begin(), g_gridRows[i].end()), expected);
  }
  for (int i = 3; i < 6; ++i) {
    ASSERT_EQ(g_gridRows[i].GetSize(), 1);
    EXPECT_EQ(g_gridRows[i][0], "old");
  }

  WriteFileBytes("Plugins/kda.dom", "district list\r\n");
  Reset("Age=" + std::string(120, '7') + "\r\n");
  EXPECT_EQ(g_masterFlag, 1);
  EXPECT_EQ(g_age, std::string(99, '7'));

  m_args.start = m_args.contestDate = nullptr;
  Reset();
  EXPECT_EQ(g_startHour, "");
  EXPECT_EQ(g_contestDate, "");
  EXPECT_EQ(g_contestYear, "");
  EXPECT_EQ(g_reportFile, "BadQSO_StatsKELM_.txt");
  EXPECT_EQ(g_age, "");
}

TEST_F(EngineStateTest, HomeRegionIsSetByAHomePrefixAndStaysSet) {
  const std::pair<const char*, int> cases[] = {
      {"UA", 1}, {"UA2", 1}, {"UA2/f", 1}, {"UA9", 1},   {"CE9/KC4", 1}, {"UR", 1}, {"UN", 1},
      {"EU", 1}, {"ua9", 0}, {"UA9A", 0},  {"UA2/F", 0}, {" UA", 0},     {"", 0},   {"DL", 0},
  };
  for (const auto& [prefix, expected] : cases) {
    g_homeRegion = 0;
    m_args.ownPrefix = prefix;
    Reset();
    EXPECT_EQ(g_homeRegion, expected) << prefix;
  }
  m_args.ownPrefix = "UA9";
  Reset();
  m_args.ownPrefix = "DL";
  Reset();
  EXPECT_EQ(g_homeRegion, 1);
}

// The host's settings file is looked for through the prefix, but read from the current folder.
TEST_F(EngineStateTest, HostVersionFromTheHostSettingsFile) {
  struct Case {
    const char* prefix;
    const char* hostFolderFile;  // the file in folder "host", or nullptr
    const char* currentFile;     // content of "Qarn2.ini" in the current folder, or nullptr
    const char* version;
  };
  const char* const kIni = "[Main]\r\nQarn=2.20\r\n";
  const Case cases[] = {
      {"host\\", "Qarn2.ini", kIni, "2.20"},
      {"host/", "Qarn2.ini", kIni, "2.20"},
      {"host\\Qa", "Qarn2.ini", kIni, "2.20"},
      {"host\\", "MyQarn2.ini", kIni, "2.20"},
      {"host\\", "Qarn2.ini", "[Main]\r\n Qarn=2.20\r\n", "=2.20"},
      {"host\\", "Qarn2.ini", "OldQarn=1.0\nQarn=2.20\n", "rn=1.0"},
      {"host\\", "Qarn2.ini", "[Main]\r\nQarn=", ""},
      {"host\\", "other.txt", kIni, "Qarn"},
      {"host\\", "qarn2.ini", kIni, "Qarn"},
      {"host\\Qb", "Qarn2.ini", kIni, "Qarn"},
      {"missing\\", nullptr, kIni, "Qarn"},
      {"", nullptr, kIni, "2.20"},
      // Found, but not readable as such or without a "Qarn=" line: the text stays.
      {"host\\", "Qarn2.ini", nullptr, "kept"},
      {"host\\", "Qarn2.ini", "[Main]\r\nqarn=2.20\r\n", "kept"},
  };
  for (const Case& c : cases) {
    ScopedWorkDir dir;
    std::filesystem::create_directories("Plugins");
    std::filesystem::create_directories("host");
    if (c.hostFolderFile) WriteFileBytes(std::string("host/") + c.hostFolderFile, "");
    if (c.currentFile) WriteFileBytes("Qarn2.ini", c.currentFile);
    g_hostVersion = "kept";
    m_args.pathPrefix = c.prefix;
    Reset();
    EXPECT_EQ(g_hostVersion, c.version)
        << c.prefix << " " << (c.hostFolderFile ? c.hostFolderFile : "-") << " "
        << (c.currentFile ? c.currentFile : "-");
  }
}

TEST_F(EngineStateTest, IntakeStoresTheRecordAsPassed) {
  Reset("Age=35\r\n");
  QsoArgs qso = Qso("RA3BBB");
  qso.band = "80M";
  qso.mode = "cw";
  ASSERT_EQ(AddQso(qso), 1);
  ASSERT_EQ(AddQso(qso), 1);
  ASSERT_EQ(g_log.GetSize(), 2);
  const CInfo& first = g_log[0];
  EXPECT_EQ(first.m_strCall, "RA3BBB");
  EXPECT_EQ(first.m_strPrefix, "UA");
  EXPECT_EQ(first.m_strAux, "aux");
  EXPECT_EQ(first.m_strBand, "80M");
  EXPECT_EQ(first.m_strMode, "cw");
  EXPECT_EQ(first.m_strRstRcvd, "579");
  EXPECT_EQ(first.m_strRstSent, "599");
  EXPECT_EQ(first.m_strNrRcvd, "45012");
  EXPECT_EQ(first.m_strExchSent, "35001");
  EXPECT_EQ(first.m_strMult, "");
  EXPECT_EQ(first.m_strTour, "Two");
  EXPECT_EQ(first.m_nFreqKHz, 3550);
  EXPECT_EQ(first.m_bNotCounted + first.m_bBad + first.m_bDupe, 0);
  EXPECT_TRUE(SameTime(first.m_time, kQsoTime));
  const CInfo& second = g_log[1];
  EXPECT_EQ(second.m_bNotCounted, 1);
  EXPECT_EQ(second.m_bDupe, 1);
  EXPECT_EQ(second.m_bBad, 0);
  EXPECT_EQ(std::vector<std::string>(g_workedBands.begin(), g_workedBands.end()),
            std::vector<std::string>{"80M"});
}

TEST_F(EngineStateTest, ItalianSicilyPrefixesAreStoredAsI) {
  Reset();
  const std::pair<const char*, const char*> cases[] = {
      {"IT9", "I"},     {"IG9", "I"}, {"it9", "it9"}, {"IT9A", "IT9A"},
      {"IG9 ", "IG9 "}, {"IT", "IT"}, {"", ""},
  };
  for (const auto& [prefix, stored] : cases) {
    QsoArgs qso = Qso(std::string("call") + prefix);
    qso.prefix = prefix;
    ASSERT_EQ(AddQso(qso), 1);
    EXPECT_EQ(g_log[g_log.GetSize() - 1].m_strPrefix, stored) << prefix;
  }
}

// The age of the last reset goes into the sent exchange, without a separator.
TEST_F(EngineStateTest, SentExchangeIsTheAgeOfTheLastResetAndTheNumber) {
  Reset();
  ASSERT_EQ(AddQso(Qso("A1")), 1);
  EXPECT_EQ(g_log[0].m_strExchSent, "001");
  WriteFileBytes("Plugins/KELM.ini", "[Settings]\r\nAge=35\r\n");
  ASSERT_EQ(AddQso(Qso("B2")), 1);
  EXPECT_EQ(g_log[1].m_strExchSent, "001");
  Reset("Age= 35 \r\n");
  ASSERT_EQ(AddQso(Qso("C3")), 1);
  EXPECT_EQ(g_log[0].m_strExchSent, "35001");
}

// A missing time reads as a null time in intake and removal alike.
TEST_F(EngineStateTest, MissingTimeIsANullTime) {
  Reset();
  QsoArgs qso = Qso("RA3BBB");
  qso.time = nullptr;
  qso.band = "20m";
  ASSERT_EQ(AddQso(qso), 0);
  qso.band = "80m";
  ASSERT_EQ(AddQso(qso), 1);
  ASSERT_EQ(AddQso(qso), 1);
  ASSERT_EQ(g_log.GetSize(), 2);
  EXPECT_EQ(g_log[0].m_time.m_status, COleDateTime::null);
  EXPECT_EQ(g_log[0].m_strTour, "One");
  EXPECT_EQ(ReadFileBytes(g_reportFile),
            "KELM TEST UBN file \r\n"
            "QSO:  3550  CW    UA1AAA  599  001  RA3BBB  579  45012   WRONG BAND !!!\r\n"
            "QSO:  3550  CW    UA1AAA  599  001  RA3BBB  579  45012   DUPE !!!\r\n");
  EXPECT_EQ(RemoveQso(qso), 1);
  EXPECT_EQ(g_log.GetSize(), 1);
  EXPECT_EQ(g_log[0].m_bDupe, 1);
  EXPECT_EQ(ReadFileBytes(g_reportFile), "KELM TEST UBN file \r\n");
}

}  // namespace
