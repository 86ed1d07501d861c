// RemoveData0 through the host's calls: the log, the report filter and the worked bands.
#include <gtest/gtest.h>

#include "tests/integration/engine_fixture.h"

namespace stats_test {
namespace {

using RemovalTest = EngineTest;

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line;
  return text;
}

TEST_F(RemovalTest, LastQsoTakesTheBandsAndItsLinesWithIt) {
  ASSERT_EQ(m_host.Reset(), 1);
  const HostQso qso = QsoAt("RA3BBB", "80m", "CW", 15, 30);
  ASSERT_EQ(m_host.Add(qso), 1);
  ASSERT_EQ(m_host.Add(qso), 1);                                   // DUPE line
  ASSERT_EQ(m_host.Add(QsoAt("RA3BBB", "20m", "CW", 15, 30)), 0);  // same call and time
  ASSERT_EQ(m_host.Add(QsoAt("RA3BBB", "20m", "CW", 15, 31)), 0);
  ASSERT_EQ(m_host.Add(QsoAt("DL1AA", "20m", "CW", 15, 30)), 0);
  const std::vector<std::string> lines = LinesOf(Report());
  ASSERT_EQ(lines.size(), 5u);

  EXPECT_EQ(m_host.Remove(qso), 1);
  EXPECT_EQ(Report(), lines[0] + lines[3] + lines[4]);
  ExpectedSummary summary;  // the second, duplicate record is left
  summary.tour1 = {"80m\t 0\t 0\t 0\t 0\t 0"};
  summary.tour2 = {"80m\t 0\t 0\t 0\t 0\t 0"};
  summary.dupes = 1;
  summary.bad = 2;  // the two WRONG BAND lines left
  EXPECT_EQ(m_host.Result(), summary.Text());

  EXPECT_EQ(m_host.Remove(qso), 1);
  EXPECT_EQ(Report(), lines[0] + lines[3] + lines[4]);
  ExpectedSummary empty;
  empty.bad = 2;
  EXPECT_EQ(m_host.Result(), empty.Text());
}

TEST_F(RemovalTest, RemovesTheFirstMatchingRecordOnlyAndExactly) {
  ASSERT_EQ(m_host.Reset(), 1);
  const HostQso cw = QsoAt("RA3BBB", "80m", "CW", 15, 30);
  HostQso lowerMode = QsoAt("DL1AA", "40m", "cw", 15, 45);
  ASSERT_EQ(m_host.Add(cw), 1);
  ASSERT_EQ(m_host.Add(QsoAt("RA3BBB", "80m", "SSB", 15, 30)), 1);
  ASSERT_EQ(m_host.Add(lowerMode), 1);
  ASSERT_EQ(m_host.Add(lowerMode), 1);  // DUPE line with DL1AA at 1545

  // Prefix, frequency, reports and numbers play no part in finding the record.
  HostQso other = cw;
  other.prefix = "DL";
  other.freqHz = 1830000;
  other.rstSent = other.rstRcvd = "339";
  other.nrSent = other.nrRcvd = "9";
  EXPECT_EQ(m_host.Remove(other), 1);
  // Another minute, call case or band finds nothing.
  for (HostQso miss : {QsoAt("RA3BBB", "80m", "SSB", 15, 31), QsoAt("ra3bbb", "80m", "SSB", 15, 30),
                       QsoAt("RA3BBB", "80M", "SSB", 15, 30)}) {
    EXPECT_EQ(m_host.Remove(miss), 1);
  }
  // Logged in lower case, deleted as "CW": the record stays, its report lines go.
  HostQso upperMode = lowerMode;
  upperMode.mode = "CW";
  EXPECT_EQ(m_host.Remove(upperMode), 1);
  EXPECT_EQ(Report(), kHeaderLine);

  ExpectedSummary summary;
  summary.tour1 = {"80m\t 1\t 3\t 0\t 1\t 0", "40m\t 1\t 0\t 0\t 0\t 0"};
  summary.tour2 = {"80m\t 0\t 0\t 0\t 0\t 0", "40m\t 0\t 0\t 0\t 0\t 0"};
  summary.total = "2\t 3\t 0\t 1\t 0";
  summary.dupes = 1;
  summary.score = 3;
  EXPECT_EQ(m_host.Result(), summary.Text());
}

// Every line that holds the call and " HHMM " goes, whatever band, date or field it came from.
TEST_F(RemovalTest, ReportFilterTakesEveryLineWithCallAndTimeKey) {
  ASSERT_EQ(m_host.Reset(), 1);
  HostQso numberLikeTime = QsoAt("RA3BBB", "20m", "CW", 16, 0);
  numberLikeTime.nrRcvd = "1530";
  HostQso otherDay = QsoAt("RA3BBB", "20m", "CW", 15, 30, 15);
  HostQso ownCallOnly = QsoAt("DL1AA", "20m", "CW", 15, 30);
  ownCallOnly.ownCall = "RA3BBB";
  HostQso callInside = QsoAt("XRA3BBBX", "20m", "CW", 15, 30);
  HostQso timeKeyOnly = QsoAt("DL 1530 ", "20m", "CW", 16, 10);
  const HostQso kept[] = {QsoAt("RA3BBB", "20m", "CW", 15, 31), QsoAt("DL1AA", "20m", "CW", 15, 30),
                          QsoAt("RA3BBB", "20m", "CW", 16, 5)};
  for (const HostQso& qso : {numberLikeTime, otherDay, ownCallOnly, callInside, timeKeyOnly}) {
    ASSERT_EQ(m_host.Add(qso), 0);
  }
  for (const HostQso& qso : kept) ASSERT_EQ(m_host.Add(qso), 0);
  const std::vector<std::string> lines = LinesOf(Report());
  ASSERT_EQ(lines.size(), 9u);

  EXPECT_EQ(m_host.Remove(QsoAt("RA3BBB", "80m", "CW", 15, 30)), 1);
  EXPECT_EQ(Report(), Join({lines[0], lines[5], lines[6], lines[7], lines[8]}));
}

TEST_F(RemovalTest, EmptyNumberDoesNothing) {
  ASSERT_EQ(m_host.Reset(), 1);
  const HostQso qso = QsoAt("RA3BBB", "80m", "CW", 15, 30);
  ASSERT_EQ(m_host.Add(qso), 1);
  ASSERT_EQ(m_host.Add(qso), 1);
  const std::string report = Report();
  ASSERT_EQ(LinesOf(report).size(), 2u);

  for (const char* emptied : {"sent", "received"}) {
    HostQso incomplete = qso;
    (std::string(emptied) == "sent" ? incomplete.nrSent : incomplete.nrRcvd) = "";
    EXPECT_EQ(m_host.Remove(incomplete), 0) << emptied;
    EXPECT_EQ(Report(), report) << emptied;
  }
  ExpectedSummary summary;
  summary.tour1 = {"80m\t 1\t 5\t 1\t 0\t 0"};
  summary.tour2 = {"80m\t 0\t 0\t 0\t 0\t 0"};
  summary.total = "1\t 5\t 1\t 0\t 0";
  summary.dupes = 1;
  summary.score = 5;
  EXPECT_EQ(m_host.Result(), summary.Text());
}

// A report that lost its header keeps its first line: it is a genuine report line.
TEST_F(RemovalTest, FirstLineIsDroppedOnlyWhenItIsTheHeader) {
  ASSERT_EQ(m_host.Reset(), 1);
  std::filesystem::remove(kReportName);
  ASSERT_EQ(m_host.Add(QsoAt("DL1AA", "20m", "CW", 15, 30)), 0);
  ASSERT_EQ(m_host.Add(QsoAt("RA3BBB", "20m", "CW", 15, 31)), 0);
  const std::vector<std::string> lines = LinesOf(Report());
  ASSERT_EQ(lines.size(), 2u);

  EXPECT_EQ(m_host.Remove(QsoAt("RA3BBB", "80m", "CW", 15, 31)), 1);
  EXPECT_EQ(Report(), kHeaderLine + lines[0]);
  EXPECT_EQ(m_host.Remove(QsoAt("OK1ZZ", "80m", "CW", 15, 31)), 1);
  EXPECT_EQ(Report(), kHeaderLine + lines[0]);
}

TEST_F(RemovalTest, MissingReportIsRewrittenWithItsHeaderOnly) {
  ASSERT_EQ(m_host.Reset(), 1);
  ASSERT_EQ(m_host.Add(QsoAt("DL1AA", "20m", "CW", 15, 30)), 0);
  std::filesystem::remove(kReportName);
  EXPECT_EQ(m_host.Remove(QsoAt("RA3BBB", "80m", "CW", 15, 31)), 1);
  EXPECT_EQ(Report(), kHeaderLine);
}

TEST(RemovalBeforeReset, SearchesTheLogAndWritesNoFile) {
  ScopedWorkDir dir;
  Host host;
  const HostQso qso = QsoAt("RA3BBB", "80m", "CW", 15, 30);
  ASSERT_EQ(host.Add(qso), 1);
  EXPECT_EQ(host.Remove(qso), 1);
  EXPECT_EQ(ListFolder(dir.path()), "");
  ExpectedSummary summary;
  summary.date = summary.call = "";
  EXPECT_EQ(host.Result(), summary.Text());
}

}  // namespace
}  // namespace stats_test
