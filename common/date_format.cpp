#include "common/date_format.h"

#include "common/string_util.h"

namespace {

constexpr size_t kMaxFormatted = 255;

const char* const kDayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
const char* const kMonthNames[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};

bool FieldsInRange(const CalendarTime& t) {
  return t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31 && t.hour >= 0 &&
         t.hour <= 23 && t.minute >= 0 && t.minute <= 59 && t.second >= 0 && t.second <= 59 &&
         t.dayOfWeek >= 0 && t.dayOfWeek <= 6 && t.dayOfYear >= 1 && t.dayOfYear <= 366;
}

// Week of the year with weeks starting on `firstDay` (0 Sunday, 1 Monday), as strftime's %U/%W.
int WeekOfYear(const CalendarTime& t, int firstDay) {
  const int yday = t.dayOfYear - 1;
  const int wday = (t.dayOfWeek - firstDay + 7) % 7;
  return (yday + 7 - wday) / 7;
}

// Appends one conversion; false where the platform's strftime fails.
bool Expand(char conversion, const CalendarTime& t, std::string* out) {
  const bool twoDigitYear = t.year >= 1900;  // %y, %c and %x refuse earlier years
  switch (conversion) {
    case 'a':
      *out += std::string(kDayNames[t.dayOfWeek]).substr(0, 3);
      return true;
    case 'A':
      *out += kDayNames[t.dayOfWeek];
      return true;
    case 'b':
      *out += std::string(kMonthNames[t.month - 1]).substr(0, 3);
      return true;
    case 'B':
      *out += kMonthNames[t.month - 1];
      return true;
    case 'c':
      *out += FormatText("%02d/%02d/%02d %02d:%02d:%02d", t.month, t.day, t.year % 100, t.hour,
                         t.minute, t.second);
      return twoDigitYear;
    case 'd':
      *out += FormatText("%02d", t.day);
      return true;
    case 'H':
      *out += FormatText("%02d", t.hour);
      return true;
    case 'I':
      *out += FormatText("%02d", t.hour % 12 == 0 ? 12 : t.hour % 12);
      return true;
    case 'j':
      *out += FormatText("%03d", t.dayOfYear);
      return true;
    case 'm':
      *out += FormatText("%02d", t.month);
      return true;
    case 'M':
      *out += FormatText("%02d", t.minute);
      return true;
    case 'p':
      *out += t.hour < 12 ? "AM" : "PM";
      return true;
    case 'S':
      *out += FormatText("%02d", t.second);
      return true;
    case 'U':
      *out += FormatText("%02d", WeekOfYear(t, 0));
      return true;
    case 'w':
      *out += FormatText("%d", t.dayOfWeek);
      return true;
    case 'W':
      *out += FormatText("%02d", WeekOfYear(t, 1));
      return true;
    case 'x':
      *out += FormatText("%02d/%02d/%02d", t.month, t.day, t.year % 100);
      return twoDigitYear;
    case 'X':
      *out += FormatText("%02d:%02d:%02d", t.hour, t.minute, t.second);
      return true;
    case 'y':
      *out += FormatText("%02d", t.year % 100);
      return twoDigitYear;
    case 'Y':
      *out += FormatText("%04d", t.year);
      return t.year >= 0 && t.year <= 9999;
    case '%':
      *out += '%';
      return true;
    default:
      return false;
  }
}

}  // namespace

std::optional<std::string> FormatCalendarTime(const CalendarTime& t, const char* pattern) {
  if (!pattern || !FieldsInRange(t)) return std::nullopt;
  std::string out;
  for (const char* p = pattern; *p; ++p) {
    if (*p != '%') {
      out += *p;
    } else if (!Expand(*++p, t, &out)) {
      return std::nullopt;  // also a lone '%' at the end: p then points at the terminator
    }
  }
  return out;
}

std::string FormatDateTime(const COleDateTime* value, const char* pattern) {
  if (!value || !pattern || value->m_status == COleDateTime::null) return std::string();
  CalendarTime t;
  if (value->m_status != COleDateTime::valid || !ToCalendarTime(value->m_dt, &t)) {
    return "Invalid DateTime";
  }
  const std::optional<std::string> text = FormatCalendarTime(t, pattern);
  if (!text || text->size() > kMaxFormatted) return std::string();
  return *text;
}
