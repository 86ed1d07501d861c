#include "common/date_time.h"

#include <cmath>
#include <cstdint>

namespace {

// Day numbers of the first and last calendar days the platform converts: 0100-01-01 and
// 9999-12-31. Values up to one day beyond either (exclusive) still convert.
constexpr double kFirstDay = -657434.0;
constexpr double kLastDay = 2958465.0;

// The platform adds this much to the time of day before cutting it into fields, so that
// values just below a whole second are not cut down. It decides which values round up.
constexpr double kNudge = 1e-11;

// Days since 1970-01-01 of a proleptic Gregorian date. Any input is defined behaviour.
constexpr int64_t DaysFromCivil(int64_t y, uint32_t m, uint32_t d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const uint32_t yoe = static_cast<uint32_t>(y - era * 400);
  const uint32_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const uint32_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int* year, int* month, int* day) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const uint32_t doe = static_cast<uint32_t>(z - era * 146097);
  const uint32_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const uint32_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const uint32_t mp = (5 * doy + 2) / 153;
  *day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  *month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  *year = static_cast<int>(yoe + era * 400 + (*month <= 2));
}

constexpr int64_t kEpoch = DaysFromCivil(1899, 12, 30);

// Cuts a time of day (0 <= fraction < 1) into hours, minutes and seconds step by step in
// doubles, exactly as the platform does, and rounds up when the rest of a second exceeds one
// half. Returns true when the rounding reached the next day.
// The 32-bit build must not keep extra precision in between, hence SSE arithmetic there.
#if defined(__i386__)
__attribute__((target("sse2,fpmath=sse"), used))
#endif
bool SplitTimeOfDay(double fraction, CalendarTime* t) {
  double rest = fraction + kNudge;
  if (rest >= 1.0) rest -= kNudge;
  rest *= 24.0;
  t->hour = static_cast<int>(rest);
  rest -= t->hour;
  rest *= 60.0;
  t->minute = static_cast<int>(rest);
  rest -= t->minute;
  rest *= 60.0;
  t->second = static_cast<int>(rest);
  rest -= t->second;
  if (!(rest > 0.5)) return false;
  if (++t->second < 60) return false;
  t->second = 0;
  if (++t->minute < 60) return false;
  t->minute = 0;
  if (++t->hour < 24) return false;
  t->hour = 0;
  return true;
}

}  // namespace

bool ToCalendarTime(double date, CalendarTime* out) {
  if (!out || !(date > kFirstDay - 1.0 && date < kLastDay + 1.0)) return false;  // NaN fails too

  // The whole part counts days towards zero; the time of day is the distance from it, so
  // before the epoch it counts backwards from the day's end.
  const double whole = std::trunc(date);
  const int64_t civil = kEpoch + static_cast<int64_t>(whole);
  CalendarTime t;
  CivilFromDays(civil, &t.year, &t.month, &t.day);
  t.dayOfWeek = static_cast<int>(((civil + 4) % 7 + 7) % 7);  // 1970-01-01 was a Thursday
  t.dayOfYear = static_cast<int>(civil - DaysFromCivil(t.year, 1, 1)) + 1;
  if (SplitTimeOfDay(std::fabs(date - whole), &t)) {
    // Rounded into the next day: the platform moves the date (even into the year 10000) but
    // keeps the day of week and day of year of the day before.
    CivilFromDays(civil + 1, &t.year, &t.month, &t.day);
  }
  *out = t;
  return true;
}

COleDateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second) {
  const int64_t days =
      DaysFromCivil(year, static_cast<uint32_t>(month), static_cast<uint32_t>(day)) - kEpoch;
  const double time = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
  // Before 1899-12-30 the time of day counts away from the epoch, as the host's values do.
  COleDateTime value;
  value.m_dt = days >= 0 ? static_cast<double>(days) + time : static_cast<double>(days) - time;
  return value;
}

bool SameTime(const COleDateTime& a, const COleDateTime& b) {
  if (a.m_status == COleDateTime::valid && b.m_status == COleDateTime::valid) {
    return a.m_dt == b.m_dt;
  }
  return a.m_status == COleDateTime::null && b.m_status == COleDateTime::null;
}
