#pragma once

#include <cstddef>
#include <cstdint>

// The host's date-time value: days since 1899-12-30 00:00 with the time of day as the
// fraction, and a status. The layout is the host's: the status sits at offset 8.
struct COleDateTime {
  enum DateTimeStatus : int32_t { valid = 0, invalid = 1, null = 2 };

  double m_dt = 0.0;
  int32_t m_status = valid;
};
static_assert(offsetof(COleDateTime, m_status) == 8, "status must sit at offset 8");
static_assert(sizeof(COleDateTime) == 16, "the host passes 16-byte date-time values");

// Calendar fields of a date-time value, as the platform's conversion yields them.
struct CalendarTime {
  int year = 0;
  int month = 0;      // 1..12
  int day = 0;        // 1..31
  int hour = 0;       // 0..23
  int minute = 0;     // 0..59
  int second = 0;     // 0..59
  int dayOfWeek = 0;  // 0 = Sunday
  int dayOfYear = 0;  // 1..366
};

// Converts a date value to calendar fields rounded to the nearest second, with the results
// of the platform's own conversion (VarUdateFromDate), including its odd corners:
// - the whole part counts days towards zero and the fraction is the time of day, so before
//   1899-12-30 the time counts away from the epoch (-1.25 is 1899-12-29 06:00);
// - a time of day that rounds up to the next day moves the date but keeps the day of week
//   and day of year of the day before; 9999-12-31 23:59:59.5 becomes 10000-01-01;
// - values from 0100-01-01 up to 9999-12-31 convert, with up to one day (exclusive) beyond
//   either end: -657434.5 is 0100-01-01 12:00 and -657435 is no date.
// Deliberate differences: NaN gives false (the platform makes up a date for it), and
// 30 November 23:59:59.5 rounds to 1 December (the platform's roll jumps to 1 January of the
// next year). Returns false (and leaves `out` alone) for values that are no date, infinities
// and NaN, and for a null `out`.
bool ToCalendarTime(double date, CalendarTime* out);

// The date-time value of a calendar date and time (proleptic Gregorian, no range check;
// any input is defined behaviour).
COleDateTime MakeDateTime(int year, int month, int day, int hour = 0, int minute = 0,
                          int second = 0);

// Two times are equal when both are valid with the same date value, or both are null.
bool SameTime(const COleDateTime& a, const COleDateTime& b);
