#pragma once

#include <string>

#include "common/date_time.h"

// Expands a strftime-style pattern over the calendar fields of a date-time value.
// - A null value pointer, a null status or a null pattern give "".
// - An invalid status, any status value other than valid and null, and a value that is no
//   calendar date (see ToCalendarTime; NaN and infinities included) give "Invalid DateTime".
// - The text has at most 255 characters; a longer expansion gives "", as the platform's
//   strftime into a 256-byte buffer does.
std::string FormatDateTime(const COleDateTime* value, const char* pattern);

// The expansion itself, C locale. Supported conversions: %a %A %b %B %c (%m/%d/%y %H:%M:%S)
// %d %H %I %j %m %M %p %S %U %w %W %x (%m/%d/%y) %X (%H:%M:%S) %y %Y %%; any other, and a
// lone % at the end, is copied as it stands. Fields out of range never read out of bounds.
std::string FormatCalendarTime(const CalendarTime& time, const char* pattern);
