// ToCalendarTime held against the platform's own conversion, VarUdateFromDate, value by value.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <sstream>
#include <string>

#include "common/date_time.h"
#include "platform/win32/win32.h"
// After windows.h.
#include <oleauto.h>

namespace {

struct Outcome {
  bool ok = false;
  CalendarTime t;
};

Outcome Ours(double value) {
  Outcome o;
  o.ok = ToCalendarTime(value, &o.t);
  return o;
}

Outcome Platform(double value) {
  UDATE u = {};
  Outcome o;
  o.ok = VarUdateFromDate(value, 0, &u) == S_OK;
  if (o.ok) {
    o.t.year = u.st.wYear;
    o.t.month = u.st.wMonth;
    o.t.day = u.st.wDay;
    o.t.hour = u.st.wHour;
    o.t.minute = u.st.wMinute;
    o.t.second = u.st.wSecond;
    o.t.dayOfWeek = u.st.wDayOfWeek;
    o.t.dayOfYear = u.wDayOfYear;
  }
  return o;
}

bool Same(const Outcome& a, const Outcome& b) {
  if (a.ok != b.ok) return false;
  if (!a.ok) return true;
  const CalendarTime& x = a.t;
  const CalendarTime& y = b.t;
  return x.year == y.year && x.month == y.month && x.day == y.day && x.hour == y.hour &&
         x.minute == y.minute && x.second == y.second && x.dayOfWeek == y.dayOfWeek &&
         x.dayOfYear == y.dayOfYear;
}

std::string Describe(const Outcome& o) {
  if (!o.ok) return "no date";
  char text[80];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d wday %d yday %d", o.t.year,
                o.t.month, o.t.day, o.t.hour, o.t.minute, o.t.second, o.t.dayOfWeek, o.t.dayOfYear);
  return text;
}

// Compares values one by one and keeps the first few differences for the report.
class Comparison {
 public:
  void Check(double value) {
    ++m_checked;
    const Outcome platform = Platform(value);
    if (platform.ok && platform.t.day != StartDay(value)) ++m_rolled;
    const Outcome ours = Ours(value);
    if (Same(ours, platform)) return;
    if (IsNovemberJump(platform, ours)) {
      ++m_novemberJumps;
      return;
    }
    if (++m_differences <= 10) {
      char number[40];
      std::snprintf(number, sizeof number, "%.17g", value);
      m_report << number << ": platform " << Describe(platform) << ", ours " << Describe(ours)
               << "\n";
    }
  }
  // Checks `value` and its `steps` neighbouring doubles on either side.
  void CheckAround(double value, int steps) {
    double down = value;
    double up = value;
    Check(value);
    for (int i = 0; i < steps; ++i) {
      down = std::nextafter(down, -std::numeric_limits<double>::infinity());
      up = std::nextafter(up, std::numeric_limits<double>::infinity());
      Check(down);
      Check(up);
    }
  }

  std::string Report() const {
    if (m_differences == 0) return std::string();
    return std::to_string(m_differences) + " of " + std::to_string(m_checked) + " differ:\n" +
           m_report.str();
  }
  long checked() const { return m_checked; }
  // Values whose time of day rounded into the next day, by the platform's account.
  long rolled() const { return m_rolled; }
  long novemberJumps() const { return m_novemberJumps; }

 private:
  // The one deliberate difference: the platform rounds 30 November 23:59:59.5 into
  // 1 January of the next year; ours gives 1 December.
  static bool IsNovemberJump(const Outcome& platform, const Outcome& ours) {
    if (!platform.ok || !ours.ok) return false;
    Outcome moved = ours;
    moved.t.year += 1;
    moved.t.month = 1;
    return ours.t.month == 12 && ours.t.day == 1 && ours.t.hour == 0 && ours.t.minute == 0 &&
           ours.t.second == 0 && Same(moved, platform);
  }

  static int StartDay(double value) {
    Outcome o = Platform(std::trunc(value));
    return o.ok ? o.t.day : 0;
  }

  long m_checked = 0;
  long m_differences = 0;
  long m_rolled = 0;
  long m_novemberJumps = 0;
  std::ostringstream m_report;
};

constexpr double kFirstDay = -657434.0;  // 0100-01-01
constexpr double kLastDay = 2958465.0;   // 9999-12-31

// The value of `day` (a whole day number) plus a time of day, counted away from the epoch
// before it as the host does.
double At(double day, double fraction, bool negative) {
  return negative ? day - fraction : day + fraction;
}

double Day(int year, int month, int day) {
  return MakeDateTime(year, month, day).m_dt;
}

TEST(DateTimePlatform, EveryDayOfTheRangeWithSomeTimeOfDay) {
  Comparison c;
  for (double day = kFirstDay - 2; day <= kLastDay + 2; ++day) {
    const int64_t n = static_cast<int64_t>(day);
    const double fraction = ((n * 7919 % 86400 + 86400) % 86400 + (n & 3) * 0.25) / 86400.0;
    c.Check(day);
    c.Check(At(day, fraction, day < 0));
  }
  c.Check(-0.0);
  EXPECT_EQ(c.Report(), "");
}

TEST(DateTimePlatform, EverySecondOfSomeDaysAndItsQuarters) {
  Comparison c;
  const double days[] = {0,     1,      -1,   -2,        Day(2000, 2, 29), Day(1900, 2, 28),
                         36526, -36522, -0.0, kFirstDay, kLastDay,         Day(1601, 1, 1)};
  for (double day : days) {
    for (int s = 0; s < 86400; ++s) {
      for (double quarter : {0.0, 0.25, 0.5, 0.75}) {
        c.Check(At(day, (s + quarter) / 86400.0, std::signbit(day)));
      }
    }
  }
  EXPECT_EQ(c.Report(), "");
}

// A half second rounds by how the platform cuts the fraction, not by the exact value; the
// neighbours of every half second and of the nudged threshold below it are checked.
TEST(DateTimePlatform, RoundingAroundEveryHalfSecond) {
  Comparison c;
  const double days[] = {0, -0.0, 1, -1, 45000, -45000, kLastDay, kFirstDay};
  for (double day : days) {
    for (int s = 0; s < 86400; ++s) {
      const double half = (s + 0.5) / 86400.0;
      c.CheckAround(At(day, half, std::signbit(day)), 3);
      c.CheckAround(At(day, half - 1e-11, std::signbit(day)), 3);
    }
  }
  EXPECT_EQ(c.Report(), "");
}

TEST(DateTimePlatform, RoundingIntoTheNextDayAtMonthYearAndLeapDayEnds) {
  Comparison c;
  auto checkEndOfDay = [&c](double day) {
    for (bool negative : {false, true}) {
      if (negative != (day < 0) && day != 0) continue;
      c.CheckAround(At(day, 86399.5 / 86400.0, negative), 4);
      c.CheckAround(At(day, 86399.5 / 86400.0 - 1e-11, negative), 4);
      c.CheckAround(At(day, 1.0, negative), 40);  // includes the last doubles below the next day
      c.Check(At(day, 86399.25 / 86400.0, negative));
      c.Check(At(day, 86399.75 / 86400.0, negative));
    }
  };
  for (int year = 100; year <= 9999; ++year) {
    const bool often = year < 130 || (year > 1580 && year < 2110) || year > 9970 ||
                       year % 100 == 0 || year % 100 == 99;
    for (int month = 1; month <= 12; ++month) {
      if (!often && month != 2 && month != 12) continue;
      checkEndOfDay(month == 12 ? Day(year, 12, 31) : Day(year, month + 1, 1) - 1);
    }
  }
  checkEndOfDay(0);
  checkEndOfDay(-1);
  EXPECT_EQ(c.Report(), "");
  EXPECT_GT(c.rolled(), 10000);  // the values really round into the next day
  EXPECT_GT(c.novemberJumps(), 0);
}

TEST(DateTimePlatform, EndsOfTheRangeAndJustOutside) {
  Comparison c;
  for (double edge : {kFirstDay, kFirstDay - 1, kLastDay, kLastDay + 1}) {
    c.CheckAround(edge, 64);
    for (int s = 0; s < 86400; s += 7) {
      c.Check(edge - s / 86400.0);
      c.Check(edge + s / 86400.0);
    }
  }
  const double inf = std::numeric_limits<double>::infinity();
  const double max = std::numeric_limits<double>::max();
  const double tiny = std::numeric_limits<double>::denorm_min();
  for (double v : {inf, -inf, max, -max, 1e300, -1e300, 3e6, -7e5, 1e10, -1e10, tiny, -tiny,
                   2147483648.0, -2147483649.0}) {
    c.Check(v);
  }
  EXPECT_EQ(c.Report(), "");
}

TEST(DateTimePlatform, FractionsVeryCloseToZeroAndOne) {
  Comparison c;
  const double days[] = {0,     1,        -1,     2,         -2,       7,
                         -7,    1000,     -1000,  36526,     -36522,   Day(2024, 2, 29),
                         65536, -65536.0, 262144, -262144.0, kLastDay, kFirstDay};
  for (double day : days) {
    for (bool negative : {false, true}) {
      if (negative != std::signbit(day) && day != 0) continue;
      for (int e = 10; e <= 60; ++e) {
        const double small = std::ldexp(1.0, -e);
        c.Check(At(day, small, negative));
        c.Check(At(day, 1.0 - small, negative));
        c.Check(At(day, 1e-11 * e / 30.0, negative));
        c.Check(At(day, 1.0 - 1e-11 * e / 30.0, negative));
      }
      c.CheckAround(At(day, 0.0, negative), 200);
      c.CheckAround(At(day, 1.0, negative), 200);
    }
  }
  EXPECT_EQ(c.Report(), "");
}

TEST(DateTimePlatform, ManyScatteredValues) {
  Comparison c;
  uint64_t state = 0x9E3779B97F4A7C15ull;
  auto next = [&state]() {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
  };
  const double span = kLastDay - kFirstDay + 4;
  for (int i = 0; i < 2000000; ++i) {
    const double unit = static_cast<double>(next() >> 11) / 9007199254740992.0;  // [0, 1)
    c.Check(kFirstDay - 2 + unit * span);
  }
  EXPECT_EQ(c.Report(), "");
}

}  // namespace
