// What the host may pass by mistake: null pointers everywhere, texts far longer than any field,
// date-times with odd status or values. No export may crash; each gives its documented result.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "tests/integration/engine_fixture.h"
#include "tools/host_exports.h"

namespace stats_test {
namespace {

using namespace host_exports;

class BadInputTest : public EngineTest {
 protected:
  template <class Fn>
  Fn Export(const char* name) {
    Fn fn = m_host.library().Get<Fn>(name);
    EXPECT_NE(fn, nullptr) << name;
    return fn;
  }

  // AddData0 or RemoveData0 with null in every pointer position.
  int CallWithNulls(const char* name) {
    auto fn = Export<QsoFn>(name);
    return fn(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0u, 0u, nullptr, nullptr,
              nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
              nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr,
              nullptr, nullptr);
  }
};

TEST_F(BadInputTest, NullPointersInEveryPosition) {
  auto reset = Export<ResetFn>(kReset);
  ASSERT_EQ(reset(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                  nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr,
                  nullptr, nullptr),
            1);
  // Null dates name the report "BadQSO_StatsKELM_.txt" and leave the contest date empty.
  EXPECT_EQ(ReadFileBytes("BadQSO_StatsKELM_.txt"), kHeaderLine);

  EXPECT_EQ(CallWithNulls(kAdd), 0);     // no band: rejected
  EXPECT_EQ(CallWithNulls(kRemove), 0);  // no numbers: nothing to do
  EXPECT_EQ(ReadFileBytes("BadQSO_StatsKELM_.txt"),
            std::string(kHeaderLine) + "QSO:  0" + std::string(16, ' ') + "   WRONG BAND !!!\r\n");

  auto result = Export<ResultFn>(kResult);
  const char* text = result(nullptr);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(std::string(text),
            "\t    KELM Contest \r\n\t\tContestant:  \r\n\tQSOs\tPoints\tCW\tSSB\tRTTY\r\n"
            "Tour 1\r\nTour 2\r\nTotal\t 0\t 0\t 0\t 0\t 0\r\nDupe\t 0\r\nBad QSO\t 1\r\n"
            "\r\nScore:  = 0\r\nCreated by Q9ZZ 2017.");
}

TEST_F(BadInputTest, OverLongTextsAreKeptWhole) {
  ASSERT_EQ(m_host.Reset(), 1);
  const std::string longCall(100000, 'W');
  HostQso qso = QsoAt(longCall, "20m", "CW", 15, 30);
  EXPECT_EQ(m_host.Add(qso), 0);
  qso.band = "80m";
  EXPECT_EQ(m_host.Add(qso), 1);
  EXPECT_EQ(m_host.Add(qso), 1);
  const std::vector<std::string> lines = LinesOf(Report());
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NE(lines[1].find("  " + longCall + "  "), std::string::npos);
  EXPECT_EQ(lines[2].substr(lines[2].size() - 13), "   DUPE !!!\r\n");

  char buffer[16] = "sentinel";
  EXPECT_EQ(m_host.CheckCall(longCall.c_str(), "CW", "40m", buffer), 1);
  EXPECT_STREQ(buffer, "sentinel");  // no pre-fill without the districts file
  EXPECT_EQ(m_host.Remove(qso), 1);
  EXPECT_EQ(Report(), std::string(kHeaderLine));
}

TEST_F(BadInputTest, DateTimesWithAnyStatusOrValue) {
  ASSERT_EQ(m_host.Reset(), 1);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const COleDateTime times[] = {
      {nan, COleDateTime::valid},    {inf, COleDateTime::valid},       {-inf, COleDateTime::valid},
      {1e300, COleDateTime::valid},  {42749.5, COleDateTime::invalid}, {42749.5, 7},
      {42749.5, COleDateTime::null},
  };
  std::string expected = kHeaderLine;
  for (const COleDateTime& time : times) {
    HostQso qso = QsoAt("DL1AA", "20m", "CW", 15, 30);
    qso.time = time;
    EXPECT_EQ(m_host.Add(qso), 0);
    const std::string date = time.m_status == COleDateTime::null ? "" : "Invalid DateTime";
    expected += "QSO:  3550  CW  " + date + "  UA1AAA  599  001  DL1AA  599  45012" +
                "   WRONG BAND !!!\r\n";
  }
  EXPECT_EQ(Report(), expected);

  // A stored QSO with a null time is found again by a null time.
  HostQso qso = QsoAt("DL1AA", "80m", "CW", 15, 30);
  qso.time = COleDateTime{0.0, COleDateTime::null};
  EXPECT_EQ(m_host.Add(qso), 1);
  EXPECT_EQ(m_host.Remove(qso), 1);
  EXPECT_NE(m_host.Result().find("Total\t 0\t"), std::string::npos);
}

}  // namespace
}  // namespace stats_test
