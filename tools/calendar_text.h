#pragma once

#include <string>

// Dates and times as logs and command lines write them.

struct CalendarDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

struct ClockTime {
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// "YYYYMMDD", a real calendar date of the years 1900 to 9999.
bool ParseCompactDate(const std::string& text, CalendarDate* date);
// "YYYYMMDD" or "YYYY-MM-DD".
bool ParseDate(const std::string& text, CalendarDate* date);
// "HHMM" or "HHMMSS".
bool ParseCompactTime(const std::string& text, ClockTime* time);
// "HH", "HHMM" or "HH:MM".
bool ParseHourMinute(const std::string& text, ClockTime* time);
