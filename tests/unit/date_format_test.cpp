#include "common/date_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

COleDateTime Value(double date, int32_t status = COleDateTime::valid) {
  COleDateTime value;
  value.m_dt = date;
  value.m_status = status;
  return value;
}

TEST(FormatDateTime, ExpandsThePatternsInUse) {
  const COleDateTime morning = MakeDateTime(2017, 3, 5, 9, 7);
  const COleDateTime evening = MakeDateTime(2016, 12, 31, 23, 45, 59);
  const struct {
    COleDateTime value;
    const char* pattern;
    const char* expected;
  } cases[] = {
      {morning, "%Y-%m-%d %H%M", "2017-03-05 0907"},
      {morning, "%d.%m.%Y", "05.03.2017"},
      {morning, "%d.%m", "05.03"},
      {morning, "%Y", "2017"},
      {morning, "%H", "09"},
      {morning, "%M", "07"},
      {morning, "%H%M", "0907"},
      {morning, "%H:%M", "09:07"},
      {morning, "%d_%m_%Y", "05_03_2017"},
      {evening, "%Y-%m-%d %H%M", "2016-12-31 2345"},
      {evening, "%d.%m.%Y", "31.12.2016"},
      {evening, "%H:%M", "23:45"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatDateTime(&c.value, c.pattern), c.expected) << c.pattern;
  }
}

TEST(FormatDateTime, NullAndInvalidValues) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double day = MakeDateTime(2017, 1, 14).m_dt;
  const struct {
    COleDateTime value;
    const char* expected;
  } cases[] = {
      {Value(day, COleDateTime::null), ""},
      {Value(nan, COleDateTime::null), ""},
      {Value(day, COleDateTime::invalid), "Invalid DateTime"},
      {Value(day, 3), "Invalid DateTime"},
      {Value(day, -1), "Invalid DateTime"},
      {Value(day, INT32_MAX), "Invalid DateTime"},
      {Value(nan), "Invalid DateTime"},
      {Value(inf), "Invalid DateTime"},
      {Value(-inf), "Invalid DateTime"},
      {Value(1e300), "Invalid DateTime"},
      {Value(-1e300), "Invalid DateTime"},
      {Value(2958466.0), "Invalid DateTime"},
      {Value(-657435.0), "Invalid DateTime"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatDateTime(&c.value, "%Y-%m-%d %H%M"), c.expected)
        << c.value.m_dt << " status " << c.value.m_status;
  }
  EXPECT_EQ(FormatDateTime(nullptr, "%Y"), "");
  const COleDateTime valid = Value(day);
  const COleDateTime invalid = Value(day, COleDateTime::invalid);
  EXPECT_EQ(FormatDateTime(&valid, nullptr), "");
  EXPECT_EQ(FormatDateTime(&invalid, nullptr), "");
  EXPECT_EQ(FormatDateTime(&valid, ""), "");
}

TEST(FormatDateTime, RoundsNegativeAndBoundaryValuesLikeThePlatform) {
  const struct {
    double date;
    const char* expected;
  } cases[] = {
      {-1.25, "1899-12-29 06:00:00"},
      {-0.75, "1899-12-30 18:00:00"},
      {-700.0 - 1.0 / 3, "1898-01-29 08:00:00"},
      {36585.999994212965, "2000-03-01 00:00:00"},  // 23:59:59.5 on a leap day
      {MakeDateTime(1999, 12, 31).m_dt + 86399.5 / 86400, "2000-01-01 00:00:00"},
      {MakeDateTime(1799, 12, 31).m_dt - 86399.5 / 86400, "1800-01-01 00:00:00"},
      {MakeDateTime(2017, 1, 14).m_dt + 59.4 / 86400, "2017-01-14 00:00:59"},
      {MakeDateTime(2017, 1, 14).m_dt + 59.6 / 86400, "2017-01-14 00:01:00"},
      {-657434.0, "0100-01-01 00:00:00"},
      {-657434.5, "0100-01-01 12:00:00"},
      {2958465.0 + 86399.0 / 86400, "9999-12-31 23:59:59"},
  };
  for (const auto& c : cases) {
    const COleDateTime value = Value(c.date);
    EXPECT_EQ(FormatDateTime(&value, "%Y-%m-%d %H:%M:%S"), c.expected) << c.date;
  }
  // Rounding past the last day gives the year 10000, which strftime's %Y refuses.
  const COleDateTime beyond = Value(2958465.999999);
  EXPECT_EQ(FormatDateTime(&beyond, "%d.%m %H:%M"), "01.01 00:00");
  EXPECT_EQ(FormatDateTime(&beyond, "%Y-%m-%d %H%M"), "");
}

TEST(FormatDateTime, OtherConversionsInTheCLocale) {
  const COleDateTime value = MakeDateTime(2017, 1, 14, 15, 30, 5);  // a Saturday
  const struct {
    const char* pattern;
    const char* expected;
  } cases[] = {
      {"%a %A %b %B", "Sat Saturday Jan January"},
      {"%j %w %U %W", "014 6 02 02"},
      {"%y %I %p %S", "17 03 PM 05"},
      {"%c|%x|%X", "01/14/17 15:30:05|01/14/17|15:30:05"},
      {"100%%", "100%"},
      {"plain text", "plain text"},
      // Where the platform's strftime fails the whole text is empty.
      {"%Y %Q", ""},
      {"%Y %", ""},
      {"%#d", ""},
      {"%e", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatDateTime(&value, c.pattern), c.expected) << c.pattern;
  }
  // Two-digit years only from 1900 on.
  const COleDateTime old = MakeDateTime(1899, 12, 31, 8, 15);
  EXPECT_EQ(FormatDateTime(&old, "%d.%m.%Y %H:%M %X"), "31.12.1899 08:15 08:15:00");
  EXPECT_EQ(FormatDateTime(&old, "%y"), "");
  EXPECT_EQ(FormatDateTime(&old, "%c"), "");
  EXPECT_EQ(FormatDateTime(&old, "%x"), "");
  const COleDateTime first = MakeDateTime(1900, 1, 1);
  EXPECT_EQ(FormatDateTime(&first, "%y|%x"), "00|01/01/00");
  // After rounding into the next day the day of week and day of year are the day before's.
  const COleDateTime rolled = Value(MakeDateTime(2016, 12, 31).m_dt + 86399.5 / 86400);
  EXPECT_EQ(FormatDateTime(&rolled, "%Y-%m-%d %a %j"), "2017-01-01 Sat 366");
}

TEST(FormatDateTime, GivesNothingBeyond255Characters) {
  const COleDateTime value = MakeDateTime(2017, 1, 14);
  EXPECT_EQ(FormatDateTime(&value, std::string(255, 'x').c_str()), std::string(255, 'x'));
  EXPECT_EQ(FormatDateTime(&value, std::string(256, 'x').c_str()), "");
  std::string years;
  for (int i = 0; i < 63; ++i) years += "%Y";
  EXPECT_EQ(FormatDateTime(&value, years.c_str()).size(), 252u);
  EXPECT_EQ(FormatDateTime(&value, (years + "%Y").c_str()), "");  // 256 characters
  EXPECT_EQ(FormatDateTime(&value, std::string(100000, 'x').c_str()), "");
}

TEST(FormatCalendarTime, FailsOnFieldsOutOfRange) {
  CalendarTime good;
  good.year = 2017;
  good.month = good.day = good.dayOfYear = 1;
  EXPECT_EQ(FormatCalendarTime(good, "%b %a %Y"), "Jan Sun 2017");
  EXPECT_EQ(FormatCalendarTime(CalendarTime(), "%d"), std::nullopt);
  const auto with = [good](int CalendarTime::*field, int value) {
    CalendarTime t = good;
    t.*field = value;
    return FormatCalendarTime(t, "%b %a");
  };
  EXPECT_EQ(with(&CalendarTime::month, 13), std::nullopt);
  EXPECT_EQ(with(&CalendarTime::dayOfWeek, -1), std::nullopt);
  EXPECT_EQ(with(&CalendarTime::dayOfWeek, 7), std::nullopt);
  EXPECT_EQ(with(&CalendarTime::hour, 24), std::nullopt);
  EXPECT_EQ(with(&CalendarTime::dayOfYear, 367), std::nullopt);
  EXPECT_EQ(FormatCalendarTime(good, nullptr), std::nullopt);
}

}  // namespace
