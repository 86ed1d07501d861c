// AddData0 through the host's calls: the checks, the bad-QSO report and what the summary counts.
#include <gtest/gtest.h>

#include "tests/integration/engine_fixture.h"

namespace stats_test {
namespace {

using IntakeTest = EngineTest;

TEST_F(IntakeTest, RejectedQsosWriteOneLineEachAndAreNotStored) {
  ASSERT_EQ(m_host.Reset(), 1);
  HostQso qso;
  qso.call = "DL1XYZ";
  qso.time = MakeDateTime(2017, 1, 14, 16, 5);
  qso.freqHz = 3550999;
  qso.rstSent = "579";
  qso.rstRcvd = "589";
  qso.nrSent = "007";
  qso.nrRcvd = "12345";

  HostQso wrongBand = qso;
  wrongBand.band = "20m";
  HostQso wrongBandAndMode = wrongBand;
  wrongBandAndMode.mode = "FM";
  HostQso wrongMode = qso;
  wrongMode.band = "40m";
  wrongMode.mode = "FM";
  HostQso noNumberReceived = qso;
  noNumberReceived.nrRcvd = "";
  HostQso noNumberSent = qso;
  noNumberSent.nrSent = "";
  HostQso emptyFields;
  emptyFields.ownCall = emptyFields.call = emptyFields.rstSent = emptyFields.rstRcvd = "";
  emptyFields.nrSent = emptyFields.nrRcvd = emptyFields.band = "";
  emptyFields.freqHz = 999;

  for (const HostQso* rejected : {&wrongBand, &wrongBandAndMode, &wrongMode, &noNumberReceived,
                                  &noNumberSent, &emptyFields}) {
    EXPECT_EQ(m_host.Add(*rejected), 0);
  }

  EXPECT_EQ(
      Report(),
      "KELM TEST UBN file \r\n"
      "QSO:  3550  CW  2017-01-14 1605  UA1AAA  579  007  DL1XYZ  589  12345   WRONG BAND !!!\r\n"
      "QSO:  3550  FM  2017-01-14 1605  UA1AAA  579  007  DL1XYZ  589  12345   WRONG BAND !!!\r\n"
      "QSO:  3550  FM  2017-01-14 1605  UA1AAA  579  007  DL1XYZ  589  12345   WRONG MODE !!!\r\n"
      "QSO:  3550  CW  2017-01-14 1605  UA1AAA  579  007  DL1XYZ  589     NO NUMBER !!!\r\n"
      "QSO:  3550  CW  2017-01-14 1605  UA1AAA  579    DL1XYZ  589  12345   NO NUMBER !!!\r\n"
      "QSO:  0  CW  2017-01-14 1530               WRONG BAND !!!\r\n");
  ExpectedSummary summary;
  summary.bad = 6;
  EXPECT_EQ(m_host.Result(), summary.Text());
}

TEST_F(IntakeTest, AcceptedQsoWritesNothingAndScores) {
  ASSERT_EQ(m_host.Reset(), 1);
  EXPECT_EQ(m_host.Add(HostQso()), 1);
  EXPECT_EQ(Report(), kHeaderLine);
  ExpectedSummary summary;
  summary.tour1 = {"80m\t 1\t 5\t 1\t 0\t 0"};
  summary.tour2 = {"80m\t 0\t 0\t 0\t 0\t 0"};
  summary.total = "1\t 5\t 1\t 0\t 0";
  summary.score = 5;
  EXPECT_EQ(m_host.Result(), summary.Text());
}

// The duplicate rule: same call, band, mode and tour, exactly; one DUPE line per earlier QSO.
// Bad QSO leaves out every DUPE line, also the third QSO's second one.
TEST_F(IntakeTest, DupesAreReportedOncePerEarlierDuplicate) {
  ASSERT_EQ(m_host.Reset(), 1);
  const HostQso qsos[] = {
      QsoAt("RA3BBB", "80m", "CW", 15, 30),  QsoAt("RA3BBB", "80m", "CW", 15, 40),
      QsoAt("RA3BBB", "80m", "CW", 15, 50),  QsoAt("RA3BBB", "80m", "CW", 17, 5),
      QsoAt("RA3BBB", "80m", "SSB", 15, 35), QsoAt("RA3BBB", "40m", "CW", 15, 36),
      QsoAt("ra3bbb", "80m", "CW", 15, 37),
  };
  for (const HostQso& qso : qsos) EXPECT_EQ(m_host.Add(qso), 1) << qso.call;

  const std::string dupe1540 =
      "QSO:  3550  CW  2017-01-14 1540  UA1AAA  599  001  RA3BBB  599  45012   DUPE !!!\r\n";
  const std::string dupe1550 =
      "QSO:  3550  CW  2017-01-14 1550  UA1AAA  599  001  RA3BBB  599  45012   DUPE !!!\r\n";
  EXPECT_EQ(Report(), kHeaderLine + dupe1540 + dupe1550 + dupe1550);

  ExpectedSummary summary;
  summary.tour1 = {"80m\t 3\t 13\t 2\t 1\t 0", "40m\t 1\t 5\t 1\t 0\t 0"};
  summary.tour2 = {"80m\t 1\t 5\t 1\t 0\t 0", "40m\t 0\t 0\t 0\t 0\t 0"};
  summary.total = "5\t 23\t 4\t 1\t 0";
  summary.dupes = 2;
  summary.bad = 0;
  summary.score = 23;
  EXPECT_EQ(m_host.Result(), summary.Text());
}

// The rule lists ignore case; the stored texts, the duplicate rule and the scoring do not.
TEST_F(IntakeTest, CaseMattersEverywhereButTheRuleCheck) {
  ASSERT_EQ(m_host.Reset(), 1);
  const HostQso qsos[] = {
      QsoAt("DL1AA", "40m", "RTTY", 15, 1), QsoAt("DL1AA", "160m", "SSB", 15, 2),
      QsoAt("DL1AA", "80m", "cw", 15, 3),   QsoAt("DL1AA", "80m", "CW", 15, 4),
      QsoAt("DL1AA", "80M", "CW", 15, 5),   QsoAt("DL1AA", "80m", "Rtty", 15, 6),
  };
  for (const HostQso& qso : qsos) EXPECT_EQ(m_host.Add(qso), 1) << qso.band << " " << qso.mode;
  EXPECT_EQ(Report(), kHeaderLine);

  ExpectedSummary summary;
  summary.tour1 = {"160m\t 1\t 3\t 0\t 1\t 0", "80m\t 3\t 5\t 1\t 0\t 0", "80M\t 1\t 5\t 1\t 0\t 0",
                   "40m\t 1\t 4\t 0\t 0\t 1"};
  summary.tour2 = {"160m\t 0\t 0\t 0\t 0\t 0", "80m\t 0\t 0\t 0\t 0\t 0", "80M\t 0\t 0\t 0\t 0\t 0",
                   "40m\t 0\t 0\t 0\t 0\t 0"};
  summary.total = "6\t 17\t 2\t 1\t 1";
  summary.score = 17;
  EXPECT_EQ(m_host.Result(), summary.Text());
}

// The tour is the QSO hour minus the start hour (2 or more: tour 2), without wrapping at midnight.
TEST_F(IntakeTest, TourFollowsTheClockHourOnly) {
  struct Case {
    int startHour, day, hour, minute, tour;
  };
  const Case cases[] = {
      {15, 14, 15, 0, 1},  {15, 14, 16, 59, 1}, {15, 14, 17, 0, 2}, {15, 14, 14, 0, 1},
      {23, 14, 23, 59, 1}, {23, 15, 0, 30, 1},  {23, 15, 1, 10, 1}, {0, 15, 1, 59, 1},
      {0, 15, 2, 0, 2},    {22, 15, 23, 59, 1}, {10, 15, 12, 0, 2},
  };
  const std::string counted = "80m\t 1\t 5\t 1\t 0\t 0\r\n";
  const std::string empty = "80m\t 0\t 0\t 0\t 0\t 0\r\n";
  for (const Case& c : cases) {
    HostReset reset;
    reset.start = MakeDateTime(2017, 1, 14, c.startHour, 40);
    ASSERT_EQ(m_host.Reset(reset), 1);
    ASSERT_EQ(m_host.Add(QsoAt("RA3BBB", "80m", "CW", c.hour, c.minute, c.day)), 1);
    const std::string tours = "Tour 1\r\n" + (c.tour == 1 ? counted : empty) + "Tour 2\r\n" +
                              (c.tour == 2 ? counted : empty);
    EXPECT_NE(m_host.Result().find(tours), std::string::npos)
        << "start " << c.startHour << ", QSO " << c.hour << ":" << c.minute;
  }
}

TEST(IntakeBeforeReset, JudgesAndStoresButWritesNoReport) {
  ScopedWorkDir dir;
  Host host;
  EXPECT_EQ(host.Add(QsoAt("RA3BBB", "20m", "CW", 1, 59)), 0);
  EXPECT_EQ(host.Add(QsoAt("RA3BBB", "80m", "CW", 1, 59)), 1);
  EXPECT_EQ(host.Add(QsoAt("RA3BBB", "80m", "CW", 1, 0)), 1);
  EXPECT_EQ(host.Add(QsoAt("RA3BBB", "80m", "CW", 2, 0)), 1);
  EXPECT_EQ(ListFolder(dir.path()), "");

  ExpectedSummary summary;
  summary.date = summary.call = "";
  summary.tour1 = {"80m\t 1\t 5\t 1\t 0\t 0"};
  summary.tour2 = {"80m\t 1\t 5\t 1\t 0\t 0"};
  summary.total = "2\t 10\t 2\t 0\t 0";
  summary.dupes = 1;
  summary.score = 10;
  EXPECT_EQ(host.Result(), summary.Text());
}

// Deleted after the reset, the report comes back without its header line.
TEST_F(IntakeTest, DeletedReportIsCreatedAgainWithoutHeader) {
  ASSERT_EQ(m_host.Reset(), 1);
  ASSERT_EQ(m_host.Add(QsoAt("RA3BBB", "20m", "CW", 15, 30)), 0);
  std::filesystem::remove(kReportName);
  EXPECT_EQ(m_host.Add(QsoAt("DL1AA", "20m", "CW", 15, 31)), 0);
  EXPECT_EQ(
      Report(),
      "QSO:  3550  CW  2017-01-14 1531  UA1AAA  599  001  DL1AA  599  45012   WRONG BAND !!!\r\n");
}

}  // namespace
}  // namespace stats_test
