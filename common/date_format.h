#pragma once

#include <string>

#include "common/date_time.h"

// Expands a strftime-style pattern over the calendar fields of a date-time value.
// A null pointer or a null value gives ""; an invalid value, or one that is no calendar
// date, gives "Invalid DateTime". Results longer than 255 characters give "".
std::string FormatDateTime(const COleDateTime* value, const char* pattern);

// The expansion itself, C locale. Supported conversions: %a %A %b %B %c %d %H %I %j %m %M
// %p %S %U %w %W %x %X %y %Y %%; any other is copied as it stands.
std::string FormatCalendarTime(const CalendarTime& time, const char* pattern);
