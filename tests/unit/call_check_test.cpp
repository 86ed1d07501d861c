#include "callcheck/call_check.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "plugin/module_state.h"

namespace {

class FixedClock : public platform::Clock {
 public:
  int CurrentUtcHour() override { return hour; }
  int hour = 15;
};

struct Logged {
  const char* call;
  const char* band;
  const char* mode;
  const char* tour;
  const char* nrRcvd;
};

// The host's exchange buffer followed by guard bytes; '#' marks bytes never written.
struct Buffer {
  Buffer() { std::memset(bytes, '#', sizeof bytes); }
  bool Untouched() const {
    for (char c : bytes) {
      if (c != '#') return false;
    }
    return true;
  }
  bool GuardIntact() const {
    for (size_t i = kExchangeBufferSize; i < sizeof bytes; ++i) {
      if (bytes[i] != '#') return false;
    }
    return true;
  }
  char bytes[kExchangeBufferSize + 6];
};

class CallCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::Clock::InstallForTesting(&m_clock);
    g_log.RemoveAll();
    g_startHour = "15";
    g_masterFlag = 1;
    g_gridRefreshReady = 1;
  }
  void TearDown() override {
    platform::Clock::InstallForTesting(nullptr);
    g_log.RemoveAll();
    g_startHour.clear();
    g_masterFlag = 0;
    g_gridRefreshReady = 1;
  }

  void Fill(const std::vector<Logged>& log) {
    for (const Logged& q : log) {
      CInfo info;
      info.m_strCall = q.call;
      info.m_strBand = q.band;
      info.m_strMode = q.mode;
      info.m_strTour = q.tour;
      info.m_strNrRcvd = q.nrRcvd;
      g_log.Add(info);
    }
  }

  int Check(const char* call, const char* mode, const char* band, char* exchange) {
    CallCheckArgs args;
    args.call = call;
    args.mode = mode;
    args.band = band;
    args.prefix = "UA";
    args.exchange = exchange;
    return CheckCall(args);
  }

  FixedClock m_clock;
};

const std::vector<Logged> kOneQso = {{"RA3BBB", "80m", "CW", "One", "45012"}};

struct Case {
  const char* name;
  std::vector<Logged> log;
  int utcHour;
  const char* startHour;
  const char* call;
  const char* mode;
  const char* band;
  int expected;
  const char* exchange;  // what the buffer holds afterwards; nullptr: untouched
};

TEST_F(CallCheckTest, ResultsAndPreFill) {
  const Case cases[] = {
      {"empty log", {}, 15, "15", "RA3BBB", "CW", "80m", 1, nullptr},
      {"empty call, empty log", {}, 15, "15", "", "CW", "80m", 1, nullptr},
      {"empty call, no empty call logged", kOneQso, 15, "15", "", "CW", "80m", 1, nullptr},
      {"empty call logged", {{"", "80m", "CW", "One", "7"}}, 15, "15", "", "CW", "80m", 0, nullptr},
      {"duplicate", kOneQso, 15, "15", "RA3BBB", "CW", "80m", 0, nullptr},
      {"band outside the rules", kOneQso, 15, "15", "RA3BBB", "CW", "20m", 4, nullptr},
      {"mode outside the rules", kOneQso, 15, "15", "RA3BBB", "FM", "80m", 4, nullptr},
      {"empty band", kOneQso, 15, "15", "RA3BBB", "CW", "", 4, nullptr},
      {"mode cw against CW", kOneQso, 15, "15", "RA3BBB", "cw", "80m", 1, "45012"},
      {"band 80M against 80m", kOneQso, 15, "15", "RA3BBB", "CW", "80M", 1, "45012"},
      {"call in other case", kOneQso, 15, "15", "ra3bbb", "CW", "80m", 1, nullptr},
      {"other band", kOneQso, 15, "15", "RA3BBB", "CW", "40m", 1, "45012"},
      {"other mode", kOneQso, 15, "15", "RA3BBB", "SSB", "80m", 1, "45012"},
      {"other tour", kOneQso, 17, "15", "RA3BBB", "CW", "80m", 1, "45012"},
      {"tour one until start + 1", kOneQso, 16, "15", "RA3BBB", "CW", "80m", 0, nullptr},
      {"tour two from start + 2",
       {{"RA3BBB", "80m", "CW", "Two", "1"}},
       17,
       "15",
       "RA3BBB",
       "CW",
       "80m",
       0,
       nullptr},
      {"start 23 at 01 UTC is tour one", kOneQso, 1, "23", "RA3BBB", "CW", "80m", 0, nullptr},
      {"no start hour counts as 0",
       {{"RA3BBB", "80m", "CW", "Two", "1"}},
       2,
       "",
       "RA3BBB",
       "CW",
       "80m",
       0,
       nullptr},
      {"exchange of the last QSO with the call",
       {{"RA3BBB", "40m", "CW", "One", "111"},
        {"UA9CCC", "40m", "SSB", "One", "999"},
        {"RA3BBB", "160m", "RTTY", "Two", "222"}},
       15,
       "15",
       "RA3BBB",
       "CW",
       "80m",
       1,
       "222"},
      {"last QSO with an empty exchange",
       {{"RA3BBB", "40m", "CW", "One", "111"}, {"RA3BBB", "160m", "CW", "One", ""}},
       15,
       "15",
       "RA3BBB",
       "CW",
       "80m",
       1,
       nullptr},
      {"duplicate found before a later QSO",
       {{"RA3BBB", "80m", "CW", "One", "111"}, {"RA3BBB", "40m", "CW", "One", "222"}},
       15,
       "15",
       "RA3BBB",
       "CW",
       "80m",
       0,
       nullptr},
      {"nine characters fit",
       {{"RA3BBB", "40m", "CW", "One", "123456789"}},
       15,
       "15",
       "RA3BBB",
       "CW",
       "80m",
       1,
       "123456789"},
      {"ten characters do not fit",
       {{"RA3BBB", "40m", "CW", "One", "1234567890"}},
       15,
       "15",
       "RA3BBB",
       "CW",
       "80m",
       1,
       nullptr},
      {"far too long",
       {{"RA3BBB", "40m", "CW", "One", "12345678901234567890"}},
       15,
       "15",
       "RA3BBB",
       "CW",
       "80m",
       1,
       nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_log.RemoveAll();
    Fill(c.log);
    m_clock.hour = c.utcHour;
    g_startHour = c.startHour;
    Buffer buffer;
    EXPECT_EQ(Check(c.call, c.mode, c.band, buffer.bytes), c.expected);
    if (c.exchange == nullptr) {
      EXPECT_TRUE(buffer.Untouched()) << std::string(buffer.bytes, sizeof buffer.bytes);
    } else {
      EXPECT_STREQ(buffer.bytes, c.exchange);
      EXPECT_TRUE(buffer.GuardIntact());
    }
    EXPECT_EQ(g_log.GetSize(), static_cast<int>(c.log.size()));
  }
}

TEST_F(CallCheckTest, MasterFlagZeroNeverWritesTheBuffer) {
  Fill({{"RA3BBB", "40m", "CW", "One", "45012"}});
  g_masterFlag = 0;
  Buffer buffer;
  EXPECT_EQ(Check("RA3BBB", "CW", "80m", buffer.bytes), 1);
  EXPECT_TRUE(buffer.Untouched());
}

TEST_F(CallCheckTest, NullBufferOnlySuppressesThePreFill) {
  Fill({{"RA3BBB", "40m", "CW", "One", "45012"}});
  EXPECT_EQ(Check("RA3BBB", "CW", "80m", nullptr), 1);
  EXPECT_EQ(Check("RA3BBB", "CW", "40m", nullptr), 0);
}

TEST_F(CallCheckTest, WithoutSetupWindowOnlyADuplicateClearsTheRefreshFlag) {
  ASSERT_FALSE(g_setupWindow.load());
  Fill(kOneQso);
  EXPECT_EQ(Check("RA3BBB", "CW", "20m", nullptr), 4);
  EXPECT_EQ(g_gridRefreshReady.load(), 1);
  EXPECT_EQ(Check("RA3BBB", "CW", "40m", nullptr), 1);
  EXPECT_EQ(g_gridRefreshReady.load(), 1);
  EXPECT_EQ(Check("RA3BBB", "CW", "80m", nullptr), 0);
  EXPECT_EQ(g_gridRefreshReady.load(), 0);
  EXPECT_EQ(Check("RA3BBB", "CW", "40m", nullptr), 1);
  EXPECT_EQ(g_gridRefreshReady.load(), 0);
}

}  // namespace
