#include "common/date_time.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <limits>
#include <string>

namespace {

// All fields in one text, "no date" when the conversion fails.
std::string Fields(double value) {
  CalendarTime t;
  if (!ToCalendarTime(value, &t)) return "no date";
  char text[80];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d wday %d yday %d", t.year, t.month,
                t.day, t.hour, t.minute, t.second, t.dayOfWeek, t.dayOfYear);
  return text;
}

// Expected fields are the platform's (VarUdateFromDate under wine), except where noted.
TEST(ToCalendarTime, GivesThePlatformsFields) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const std::pair<double, const char*> cases[] = {
      {0.0, "1899-12-30 00:00:00 wday 6 yday 364"},
      {-0.0, "1899-12-30 00:00:00 wday 6 yday 364"},
      {1.5, "1899-12-31 12:00:00 wday 0 yday 365"},
      {42749.645833333336, "2017-01-14 15:30:00 wday 6 yday 14"},
      // Before the epoch the time of day counts away from it.
      {-1.25, "1899-12-29 06:00:00 wday 5 yday 363"},
      {-0.5, "1899-12-30 12:00:00 wday 6 yday 364"},
      // Half a second rounds up, and so does a little less: the platform nudges the fraction.
      {0.5 / 86400, "1899-12-30 00:00:01 wday 6 yday 364"},
      {5.78703e-06, "1899-12-30 00:00:01 wday 6 yday 364"},
      {5.787e-06, "1899-12-30 00:00:00 wday 6 yday 364"},
      // Rounding into the next day keeps the day of week and day of year of the day before.
      {36585.99999, "2000-02-29 23:59:59 wday 2 yday 60"},
      {36585.999995, "2000-03-01 00:00:00 wday 2 yday 60"},
      {60.999995, "1900-03-01 00:00:00 wday 3 yday 59"},
      {42735.999994212965, "2017-01-01 00:00:00 wday 6 yday 366"},
      {-1.999995, "1899-12-30 00:00:00 wday 5 yday 363"},
      // Deliberately 1 December, where the platform jumps to 2017-01-01.
      {42704.999994212965, "2016-12-01 00:00:00 wday 3 yday 335"},
      // The ends of the range, one day beyond them, and rounding past the last day.
      {-657434.0, "0100-01-01 00:00:00 wday 5 yday 1"},
      {-657434.5, "0100-01-01 12:00:00 wday 5 yday 1"},
      {-657434.999999, "0100-01-02 00:00:00 wday 5 yday 1"},
      {2958465.5, "9999-12-31 12:00:00 wday 5 yday 365"},
      {2958465.99999, "9999-12-31 23:59:59 wday 5 yday 365"},
      {2958465.999999, "10000-01-01 00:00:00 wday 5 yday 365"},
      {-657435.0, "no date"},
      {std::nextafter(-657435.0, 0.0), "0100-01-02 00:00:00 wday 5 yday 1"},
      {2958466.0, "no date"},
      {-1e300, "no date"},
      {1e300, "no date"},
      {inf, "no date"},
      {-inf, "no date"},
      {nan, "no date"},  // deliberately: the platform makes up a date
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(Fields(value), expected) << value;
}

TEST(ToCalendarTime, LeavesTheFieldsAloneWithoutADateAndAcceptsNoOutput) {
  CalendarTime t;
  t.year = 1234;
  EXPECT_FALSE(ToCalendarTime(std::numeric_limits<double>::quiet_NaN(), &t));
  EXPECT_FALSE(ToCalendarTime(-657435.0, &t));
  EXPECT_EQ(t.year, 1234);
  EXPECT_FALSE(ToCalendarTime(0.0, nullptr));
}

TEST(ToCalendarTime, DayOfWeekAndDayOfYearFollowEveryDayOfTheRange) {
  CalendarTime previous;
  ASSERT_TRUE(ToCalendarTime(-657434.0, &previous));
  for (int day = -657433; day <= 2958465; ++day) {
    CalendarTime t;
    ASSERT_TRUE(ToCalendarTime(day, &t)) << day;
    const bool newYear = t.year != previous.year;
    ASSERT_EQ(t.dayOfWeek, (previous.dayOfWeek + 1) % 7) << day;
    ASSERT_EQ(t.dayOfYear, newYear ? 1 : previous.dayOfYear + 1) << day;
    ASSERT_EQ(t.year - previous.year, newYear ? 1 : 0) << day;
    previous = t;
  }
  EXPECT_EQ(previous.year, 9999);
  EXPECT_EQ(previous.dayOfYear, 365);
}

TEST(MakeDateTime, GivesTheHostsDayNumbers) {
  const struct {
    COleDateTime value;
    double expected;
  } cases[] = {
      {MakeDateTime(1899, 12, 30), 0.0},           {MakeDateTime(1900, 1, 1), 2.0},
      {MakeDateTime(2000, 1, 1), 36526.0},         {MakeDateTime(2017, 1, 14, 18), 42749.75},
      {MakeDateTime(1899, 12, 29, 6), -1.25},      {MakeDateTime(100, 1, 1), -657434.0},
      {MakeDateTime(9999, 12, 31, 12), 2958465.5},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.value.m_dt, c.expected);
    EXPECT_EQ(c.value.m_status, COleDateTime::valid);
  }
}

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  return month == 2 && leap ? 29 : kDays[month - 1];
}

TEST(MakeDateTime, RoundTripsThroughTheCalendarFields) {
  const int times[][3] = {{0, 0, 0}, {0, 0, 1}, {12, 34, 56}, {23, 59, 59}};
  for (int year = 100; year <= 9999; year += year < 2100 ? 1 : 37) {
    for (int month = 1; month <= 12; ++month) {
      for (int day : {1, 15, 28, DaysInMonth(year, month)}) {
        for (const auto& hms : times) {
          CalendarTime t;
          ASSERT_TRUE(
              ToCalendarTime(MakeDateTime(year, month, day, hms[0], hms[1], hms[2]).m_dt, &t));
          const int expected[] = {year, month, day, hms[0], hms[1], hms[2]};
          const int actual[] = {t.year, t.month, t.day, t.hour, t.minute, t.second};
          ASSERT_TRUE(std::equal(std::begin(expected), std::end(expected), std::begin(actual)))
              << year << "-" << month << "-" << day << " " << hms[0] << ":" << hms[1] << ":"
              << hms[2] << " came back as " << t.year << "-" << t.month << "-" << t.day << " "
              << t.hour << ":" << t.minute << ":" << t.second;
        }
      }
    }
  }
}

TEST(SameTime, ComparesValidValuesByValueAndNullsAsEqual) {
  COleDateTime a = MakeDateTime(2017, 1, 14, 15, 30);
  COleDateTime b = a;
  COleDateTime later = MakeDateTime(2017, 1, 14, 15, 31);
  COleDateTime null;
  null.m_status = COleDateTime::null;
  COleDateTime invalid = a;
  invalid.m_status = COleDateTime::invalid;
  EXPECT_TRUE(SameTime(a, b));
  EXPECT_FALSE(SameTime(a, later));
  EXPECT_TRUE(SameTime(null, null));
  EXPECT_FALSE(SameTime(null, a));
  EXPECT_FALSE(SameTime(invalid, invalid));
  EXPECT_FALSE(SameTime(invalid, a));
}

}  // namespace
