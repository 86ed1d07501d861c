// GetResult0: the summary text, the band order, the bad-QSO count and the "Claimed" key.
#include <gtest/gtest.h>

#include "tests/integration/engine_fixture.h"

namespace stats_test {
namespace {

using SummaryTest = EngineTest;

TEST_F(SummaryTest, EmptyLogRightAfterReset) {
  ASSERT_EQ(m_host.Reset(), 1);
  int out = 77;
  EXPECT_EQ(m_host.Result(&out),
            "\t    KELM Contest 14.01.2017\r\n"
            "\t\tContestant: UA1AAA \r\n"
            "\tQSOs\tPoints\tCW\tSSB\tRTTY\r\n"
            "Tour 1\r\n"
            "Tour 2\r\n"
            "Total\t 0\t 0\t 0\t 0\t 0\r\n"
            "Dupe\t 0\r\n"
            "Bad QSO\t 0\r\n"
            "\r\n"
            "Score:  = 0\r\n"
            "Created by Q9ZZ 2017.");
  EXPECT_EQ(out, 77);
}

TEST_F(SummaryTest, BandsAreListedLongestWavelengthFirstInBothTours) {
  ASSERT_EQ(m_host.Reset(), 1);
  ASSERT_EQ(m_host.Add(QsoAt("DL1AA", "40m", "CW", 15, 1)), 1);
  ASSERT_EQ(m_host.Add(QsoAt("DL1AA", "160m", "RTTY", 17, 2)), 1);
  ASSERT_EQ(m_host.Add(QsoAt("DL1AA", "80m", "SSB", 15, 3)), 1);
  ASSERT_EQ(m_host.Add(QsoAt("OK1ZZ", "80m", "SSB", 18, 4)), 1);
  ExpectedSummary summary;
  summary.tour1 = {"160m\t 0\t 0\t 0\t 0\t 0", "80m\t 1\t 3\t 0\t 1\t 0",
                   "40m\t 1\t 5\t 1\t 0\t 0"};
  summary.tour2 = {"160m\t 1\t 4\t 0\t 0\t 1", "80m\t 1\t 3\t 0\t 1\t 0",
                   "40m\t 0\t 0\t 0\t 0\t 0"};
  summary.total = "4\t 15\t 1\t 2\t 1";
  summary.score = 15;
  EXPECT_EQ(m_host.Result(), summary.Text());
  EXPECT_EQ(m_host.Result(), summary.Text());
}

// A band keeps its line while the log holds other QSOs; an empty log forgets the bands.
TEST_F(SummaryTest, BandLinesLastAsLongAsTheLogHoldsQsos) {
  ASSERT_EQ(m_host.Reset(), 1);
  const HostQso on40 = QsoAt("DL1AA", "40m", "CW", 15, 1);
  const HostQso on80 = QsoAt("DL1AA", "80m", "CW", 15, 2);
  ASSERT_EQ(m_host.Add(on40), 1);
  ASSERT_EQ(m_host.Add(on80), 1);
  ASSERT_EQ(m_host.Remove(on40), 1);
  ExpectedSummary summary;
  summary.tour1 = {"80m\t 1\t 5\t 1\t 0\t 0", "40m\t 0\t 0\t 0\t 0\t 0"};
  summary.tour2 = {"80m\t 0\t 0\t 0\t 0\t 0", "40m\t 0\t 0\t 0\t 0\t 0"};
  summary.total = "1\t 5\t 1\t 0\t 0";
  summary.score = 5;
  EXPECT_EQ(m_host.Result(), summary.Text());

  ASSERT_EQ(m_host.Remove(on80), 1);
  EXPECT_EQ(m_host.Result(), ExpectedSummary().Text());
  ASSERT_EQ(m_host.Add(on40), 1);
  summary.tour1 = {"40m\t 1\t 5\t 1\t 0\t 0"};
  summary.tour2 = {"40m\t 0\t 0\t 0\t 0\t 0"};
  EXPECT_EQ(m_host.Result(), summary.Text());
}

// Bad QSO counts the report's lines but the header line and the DUPE lines.
TEST_F(SummaryTest, BadQsoCountsReportLinesBeyondDupesAndHeader) {
  ASSERT_EQ(m_host.Reset(), 1);
  const HostQso qso = QsoAt("DL1AA", "80m", "CW", 15, 1);
  ASSERT_EQ(m_host.Add(qso), 1);
  ASSERT_EQ(m_host.Add(qso), 1);  // one DUPE line
  ASSERT_EQ(m_host.Add(QsoAt("OK1ZZ", "80m", "CW", 15, 2)), 1);
  ASSERT_EQ(m_host.Add(QsoAt("OK1ZZ", "80m", "CW", 15, 3)), 1);  // one DUPE line
  ASSERT_EQ(m_host.Add(QsoAt("DL1AA", "20m", "CW", 15, 1)), 0);
  ExpectedSummary summary;
  summary.tour1 = {"80m\t 2\t 10\t 2\t 0\t 0"};
  summary.tour2 = {"80m\t 0\t 0\t 0\t 0\t 0"};
  summary.total = "2\t 10\t 2\t 0\t 0";
  summary.dupes = 2;
  summary.score = 10;
  summary.bad = 1;
  EXPECT_EQ(m_host.Result(), summary.Text());

  // Empty lines and a last line without line end count too.
  WriteFileBytes(kReportName, std::string(kHeaderLine) + "\r\n\r\nx\r\nlast");
  summary.bad = 4;
  EXPECT_EQ(m_host.Result(), summary.Text());

  // A report recreated without its header: its first line is a bad QSO too.
  const std::string wrongBand =
      "QSO:  14050  CW  2017-01-14 1501  UA1AAA  599  001  DL1AA  599  45012   WRONG BAND !!!";
  WriteFileBytes(kReportName, wrongBand + "\r\n" + wrongBand + "   DUPE !!!\r\n");
  summary.bad = 1;
  EXPECT_EQ(m_host.Result(), summary.Text());

  std::filesystem::remove(kReportName);
  summary.bad = 0;
  EXPECT_EQ(m_host.Result(), summary.Text());
}

// QSOs with an empty call are stored (and judged) but not counted, dupe flag included.
TEST_F(SummaryTest, EmptyCallIsLeftOut) {
  ASSERT_EQ(m_host.Reset(), 1);
  const HostQso noCall = QsoAt("", "80m", "CW", 15, 1);
  ASSERT_EQ(m_host.Add(noCall), 1);
  ASSERT_EQ(m_host.Add(noCall), 1);
  ExpectedSummary summary;
  summary.tour1 = {"80m\t 0\t 0\t 0\t 0\t 0"};
  summary.tour2 = {"80m\t 0\t 0\t 0\t 0\t 0"};
  summary.bad = 0;  // its DUPE line is no bad QSO either
  EXPECT_EQ(m_host.Result(), summary.Text());
}

TEST_F(SummaryTest, EveryCallWritesTheClaimedScore) {
  ASSERT_EQ(m_host.Reset(), 1);
  ASSERT_EQ(m_host.Add(QsoAt("DL1AA", "80m", "RTTY", 15, 1)), 1);
  m_host.Result();
  EXPECT_EQ(Settings(), "[Settings]\r\nStart=0\r\nMaster=0\r\nClaimed=4\r\n");
  WriteFileBytes(kSettingsPath, "[Settings]\r\nStart=1\r\nClaimed=999\r\n");
  m_host.Result();
  EXPECT_EQ(Settings(), "[Settings]\r\nStart=1\r\nClaimed=4\r\n");
  ASSERT_EQ(m_host.Reset(), 1);  // a reset keeps the score until the next summary
  EXPECT_EQ(Settings(), "[Settings]\r\nStart=0\r\nClaimed=4\r\nMaster=0\r\n");
  m_host.Result();
  EXPECT_EQ(Settings(), "[Settings]\r\nStart=0\r\nClaimed=0\r\nMaster=0\r\n");
}

}  // namespace
}  // namespace stats_test
