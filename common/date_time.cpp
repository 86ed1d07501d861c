#include "common/date_time.h"

#include <cmath>

namespace {

// Smallest and largest day numbers of a calendar date the platform converts:
// 0100-01-01 and 9999-12-31.
constexpr double kFirstDay = -657434.0;
constexpr double kLastDay = 2958465.0;

// Days since 1970-01-01 of a proleptic Gregorian date.
long DaysFromCivil(long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long>(doe) - 719468;
}

void CivilFromDays(long z, int* year, int* month, int* day) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  *day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  *month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  *year = static_cast<int>(yoe) + static_cast<int>(era * 400) + (*month <= 2);
}

}  // namespace

bool ToCalendarTime(double date, CalendarTime* out) {
  if (!(date > kFirstDay - 1.0 && date < kLastDay + 1.0)) return false;  // NaN fails too

  // The whole part counts days (towards zero); the time of day is the distance from it.
  const double whole = std::trunc(date);
  long day = static_cast<long>(whole);
  long seconds = std::lround(std::fabs(date - whole) * 86400.0);
  if (seconds >= 86400) {
    seconds -= 86400;
    ++day;
  }

  static const long kEpoch = DaysFromCivil(1899, 12, 30);
  const long civil = kEpoch + day;
  CalendarTime t;
  CivilFromDays(civil, &t.year, &t.month, &t.day);
  if (t.year < 100 || t.year > 9999) return false;
  t.hour = static_cast<int>(seconds / 3600);
  t.minute = static_cast<int>(seconds / 60 % 60);
  t.second = static_cast<int>(seconds % 60);
  t.dayOfWeek = static_cast<int>(((civil % 7) + 7 + 4) % 7);  // 1970-01-01 was a Thursday
  t.dayOfYear = static_cast<int>(civil - DaysFromCivil(t.year, 1, 1)) + 1;
  *out = t;
  return true;
}

COleDateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second) {
  const long days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                    DaysFromCivil(1899, 12, 30);
  const double time = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
  // Before 1899-12-30 the time of day counts away from the epoch, as the host's values do.
  COleDateTime value;
  value.m_dt = days >= 0 ? days + time : days - time;
  return value;
}

bool SameTime(const COleDateTime& a, const COleDateTime& b) {
  if (a.m_status == COleDateTime::valid && b.m_status == COleDateTime::valid) {
    return a.m_dt == b.m_dt;
  }
  return a.m_status == COleDateTime::null && b.m_status == COleDateTime::null;
}
