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

// Converts a date value to calendar fields, rounding to the nearest second.
// Returns false for values outside the years 100 to 9999, NaN and infinities.
bool ToCalendarTime(double date, CalendarTime* out);

// The date-time value of a calendar date and time (proleptic Gregorian, no range check).
COleDateTime MakeDateTime(int year, int month, int day, int hour = 0, int minute = 0,
                          int second = 0);

// Two times are equal when both are valid with the same date value, or both are null.
bool SameTime(const COleDateTime& a, const COleDateTime& b);
