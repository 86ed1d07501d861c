#pragma once

#include <optional>
#include <string>

#include "common/date_time.h"

// Expands a strftime-style pattern over the calendar fields of a date-time value, with the
// results of the platform's route (VarUdateFromDate, then strftime into 256 bytes):
// - A null value pointer, a null status or a null pattern give "".
// - An invalid status, any status value other than valid and null, and a value that is no
//   calendar date (see ToCalendarTime; NaN and infinities included) give "Invalid DateTime".
// - A pattern that FormatCalendarTime cannot expand gives "".
// - The text has at most 255 characters; a longer expansion gives "".
std::string FormatDateTime(const COleDateTime* value, const char* pattern);

// The expansion itself, C locale, as the platform's strftime: %a %A %b %B %c (%m/%d/%y
// %H:%M:%S) %d %H %I %j %m %M %p %S %U %w %W %x (%m/%d/%y) %X (%H:%M:%S) %y %Y (four digits
// at least) %%. Fails, as strftime does, on any other conversion, a lone % at the end, %Y
// beyond 9999, %y %c %x before 1900 and fields out of range; also on a null pattern, and on
// the '#' flag (which the platform's strftime would take: it is not used).
std::optional<std::string> FormatCalendarTime(const CalendarTime& time, const char* pattern);
