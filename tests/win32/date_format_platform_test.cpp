// FormatDateTime held against the C runtime's strftime over the platform's calendar fields.
#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "common/date_format.h"
#include "platform/win32/win32.h"
// After windows.h.
#include <oleauto.h>

namespace {

// What the platform's own route gives: VarUdateFromDate, then strftime into 256 bytes.
std::string PlatformFormat(double date, const char* pattern) {
  UDATE u = {};
  if (VarUdateFromDate(date, 0, &u) != S_OK) return "Invalid DateTime";
  std::tm t = {};
  t.tm_sec = u.st.wSecond;
  t.tm_min = u.st.wMinute;
  t.tm_hour = u.st.wHour;
  t.tm_mday = u.st.wDay;
  t.tm_mon = u.st.wMonth - 1;
  t.tm_year = u.st.wYear - 1900;
  t.tm_wday = u.st.wDayOfWeek;
  t.tm_yday = u.wDayOfYear - 1;
  char text[256];
  const size_t length = std::strftime(text, sizeof text, pattern, &t);
  return std::string(text, length);
}

TEST(DateFormatPlatform, MatchesStrftimeOverThePlatformsFields) {
  // The patterns in use, every other conversion, and patterns strftime fails on.
  const char* const patterns[] = {"%Y-%m-%d %H%M",
                                  "%d.%m.%Y",
                                  "%d.%m",
                                  "%Y",
                                  "%H",
                                  "%M",
                                  "%H%M",
                                  "%H:%M",
                                  "%d_%m_%Y",
                                  "%a %A %b %B %j %w %U %W %I %p %S %%",
                                  "%y",
                                  "%c",
                                  "%x",
                                  "%X",
                                  "%Y %Q",
                                  "%Y %",
                                  ""};
  auto check = [&patterns](double date) {
    COleDateTime value;
    value.m_dt = date;
    for (const char* pattern : patterns) {
      ASSERT_EQ(FormatDateTime(&value, pattern), PlatformFormat(date, pattern))
          << date << " " << pattern;
    }
  };
  int checked = 0;
  for (double date = -657434.0; date < 2958465.0; date += 36.37 + (checked % 7) * 1e-6) {
    check(date);
    ++checked;
  }
  EXPECT_GT(checked, 90000);
  // The first and last days, both sides of 1900, and rounding into the year 10000.
  for (double date :
       {-657434.0, -657434.999999, -2.5, -1.999995, 1.999995, 2.0, 2958465.5, 2958465.999999}) {
    check(date);
  }
}

}  // namespace
