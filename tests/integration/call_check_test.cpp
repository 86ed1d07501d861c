// The call check through CheckCall0, with the log filled by ResetStats0 and AddData0.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/host_api.h"
#include "tests/support/work_dir.h"

namespace stats_test {
namespace {

// The library reads the system clock, so the tests place the contest around the current hour.
int UtcHourNow() {
  const std::time_t now = std::time(nullptr);
  return std::gmtime(&now)->tm_hour;
}

// A contest start and QSO hours for the current hour: one QSO hour in the tour the clock is
// in, one in the other tour.
struct Hours {
  int start;
  int sameTour;
  int otherTour;
};

Hours PlanFor(int now) {
  if (now >= 2) return {now - 2, now, now - 2};  // the clock is in tour Two
  return {now, now, now + 2};                    // the clock is in tour One
}

struct Logged {
  const char* call;
  const char* band;
  const char* mode;
  const char* nrRcvd;
  bool otherTour = false;
};

struct Case {
  const char* name;
  std::vector<Logged> log;
  const char* call;
  const char* mode;
  const char* band;
  int expected;
  const char* exchange;  // the buffer afterwards; nullptr: untouched
  bool master = true;    // the districts file is there, so the pre-fill is allowed
};

const int kBuffer = 10;

// The host's buffer followed by guard bytes; '#' marks bytes never written.
struct Buffer {
  Buffer() { std::memset(bytes, '#', sizeof bytes); }
  bool Untouched() const {
    return std::string(bytes, sizeof bytes) == std::string(sizeof bytes, '#');
  }
  bool GuardIntact() const {
    return std::string(bytes + kBuffer, sizeof bytes - kBuffer) ==
           std::string(sizeof bytes - kBuffer, '#');
  }
  char bytes[kBuffer + 6];
};

const Logged kQso = {"RA3BBB", "80m", "CW", "45012"};

const Case kCases[] = {
    {"empty log", {}, "RA3BBB", "CW", "80m", 1, nullptr},
    {"empty call", {kQso}, "", "CW", "80m", 1, nullptr},
    {"empty call logged", {{"", "80m", "CW", "45012"}}, "", "CW", "80m", 0, nullptr},
    {"duplicate", {kQso}, "RA3BBB", "CW", "80m", 0, nullptr},
    {"band outside the rules", {kQso}, "RA3BBB", "CW", "20m", 4, nullptr},
    {"mode outside the rules", {kQso}, "RA3BBB", "FM", "80m", 4, nullptr},
    {"cw against CW", {kQso}, "RA3BBB", "cw", "80m", 1, "45012"},
    {"other tour", {{"RA3BBB", "80m", "CW", "45012", true}}, "RA3BBB", "CW", "80m", 1, "45012"},
    {"other band", {kQso}, "RA3BBB", "CW", "40m", 1, "45012"},
    {"exchange of the last QSO with the call",
     {{"RA3BBB", "40m", "CW", "111"},
      {"UA9CCC", "40m", "CW", "999"},
      {"RA3BBB", "160m", "SSB", "222"}},
     "RA3BBB",
     "CW",
     "80m",
     1,
     "222"},
    {"master flag 0", {{"RA3BBB", "40m", "CW", "45012"}}, "RA3BBB", "CW", "80m", 1, nullptr, false},
    {"nine characters fit",
     {{"RA3BBB", "40m", "CW", "123456789"}},
     "RA3BBB",
     "CW",
     "80m",
     1,
     "123456789"},
    {"ten characters do not fit",
     {{"RA3BBB", "40m", "CW", "1234567890"}},
     "RA3BBB",
     "CW",
     "80m",
     1,
     nullptr},
};

class CallCheckExport : public ::testing::Test {
 protected:
  void SetMaster(bool master) {
    if (master) {
      WriteFileBytes("Plugins/kda.dom", "A01\r\n");
    } else {
      std::remove("Plugins/kda.dom");
    }
  }

  HostReset ResetAt(int startHour) {
    HostReset reset;
    reset.start = MakeDateTime(2017, 1, 14, startHour, 0);
    return reset;
  }

  HostQso Qso(const Logged& logged, int hour) {
    HostQso qso;
    qso.call = logged.call;
    qso.band = logged.band;
    qso.mode = logged.mode;
    qso.nrRcvd = logged.nrRcvd;
    qso.time = MakeDateTime(2017, 1, 14, hour, 10);
    return qso;
  }

  // Runs every case for the given current hour; returns what went wrong.
  std::vector<std::string> RunCases(int now) {
    std::vector<std::string> faults;
    const Hours hours = PlanFor(now);
    for (const Case& c : kCases) {
      SetMaster(c.master);
      m_host.Reset(ResetAt(hours.start));
      for (const Logged& logged : c.log) {
        if (m_host.Add(Qso(logged, logged.otherTour ? hours.otherTour : hours.sameTour)) != 1) {
          faults.push_back(std::string(c.name) + ": QSO not stored");
        }
      }
      Buffer buffer;
      const int result = m_host.CheckCall(c.call, c.mode, c.band, buffer.bytes);
      if (result != c.expected) {
        faults.push_back(std::string(c.name) + ": result " + std::to_string(result));
      }
      const bool bufferRight = c.exchange == nullptr ? buffer.Untouched()
                                                     : std::strcmp(buffer.bytes, c.exchange) == 0 &&
                                                           buffer.GuardIntact();
      if (!bufferRight) {
        faults.push_back(std::string(c.name) + ": buffer " +
                         std::string(buffer.bytes, sizeof buffer.bytes));
      }
    }
    // A start hour after the current one gives a negative difference: tour One.
    if (now < 23) {
      SetMaster(true);
      m_host.Reset(ResetAt(23));
      m_host.Add(Qso(kQso, now));
      Buffer buffer;
      if (m_host.CheckCall("RA3BBB", "CW", "80m", buffer.bytes) != 0) {
        faults.push_back("start hour 23: no duplicate");
      }
    }
    return faults;
  }

  ScopedWorkDir m_dir;
  Host m_host;
};

TEST_F(CallCheckExport, ResultsAndPreFillAroundTheCurrentHour) {
  std::filesystem::create_directories("Plugins");
  // The hour may turn while the cases run; then they run again.
  for (int attempt = 0; attempt < 3; ++attempt) {
    const int before = UtcHourNow();
    const std::vector<std::string> faults = RunCases(before);
    if (UtcHourNow() != before) continue;
    for (const std::string& fault : faults) ADD_FAILURE() << "at " << before << " UTC: " << fault;
    return;
  }
  FAIL() << "the UTC hour kept changing";
}

TEST_F(CallCheckExport, WorksBeforeAnyResetAndWithNullTexts) {
  Buffer buffer;
  EXPECT_EQ(m_host.CheckCall("RA3BBB", "CW", "80m", buffer.bytes), 1);
  EXPECT_EQ(m_host.CheckCall(nullptr, "SSB", "160m", buffer.bytes), 1);
  EXPECT_EQ(m_host.CheckCall("RA3BBB", "CW", nullptr, buffer.bytes), 4);
  EXPECT_EQ(m_host.CheckCall("RA3BBB", nullptr, "40m", buffer.bytes), 4);
  EXPECT_EQ(m_host.CheckCall("RA3BBB", "RTTY", "40m", nullptr), 1);
  EXPECT_TRUE(buffer.Untouched());
}

}  // namespace
}  // namespace stats_test
