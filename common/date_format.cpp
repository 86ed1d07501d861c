#include "common/date_format.h"

#include "common/string_util.h"

namespace {

constexpr size_t kMaxFormatted = 255;

const char* const kDayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
const char* const kMonthNames[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};

// The name at `index`, or "?" when the fields were not made by ToCalendarTime.
const char* NameAt(const char* const* names, int count, int index) {
  return index >= 0 && index < count ? names[index] : "?";
}

// Week of the year with weeks starting on `firstDay` (0 Sunday, 1 Monday), as strftime's %U/%W.
int WeekOfYear(const CalendarTime& t, int firstDay) {
  const int yday = t.dayOfYear - 1;
  const int wday = (t.dayOfWeek - firstDay + 7) % 7;
  return (yday + 7 - wday) / 7;
}

}  // namespace

std::string FormatCalendarTime(const CalendarTime& t, const char* pattern) {
  std::string out;
  if (!pattern) return out;
  const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
  for (const char* p = pattern; *p; ++p) {
    if (*p != '%') {
      out += *p;
      continue;
    }
    const char c = *++p;
    switch (c) {
      case 'a':
        out += std::string(NameAt(kDayNames, 7, t.dayOfWeek)).substr(0, 3);
        break;
      case 'A':
        out += NameAt(kDayNames, 7, t.dayOfWeek);
        break;
      case 'b':
        out += std::string(NameAt(kMonthNames, 12, t.month - 1)).substr(0, 3);
        break;
      case 'B':
        out += NameAt(kMonthNames, 12, t.month - 1);
        break;
      case 'c':
        out += FormatText("%02d/%02d/%02d %02d:%02d:%02d", t.month, t.day, t.year % 100, t.hour,
                          t.minute, t.second);
        break;
      case 'd':
        out += FormatText("%02d", t.day);
        break;
      case 'H':
        out += FormatText("%02d", t.hour);
        break;
      case 'I':
        out += FormatText("%02d", hour12);
        break;
      case 'j':
        out += FormatText("%03d", t.dayOfYear);
        break;
      case 'm':
        out += FormatText("%02d", t.month);
        break;
      case 'M':
        out += FormatText("%02d", t.minute);
        break;
      case 'p':
        out += t.hour < 12 ? "AM" : "PM";
        break;
      case 'S':
        out += FormatText("%02d", t.second);
        break;
      case 'U':
        out += FormatText("%02d", WeekOfYear(t, 0));
        break;
      case 'w':
        out += FormatText("%d", t.dayOfWeek);
        break;
      case 'W':
        out += FormatText("%02d", WeekOfYear(t, 1));
        break;
      case 'x':
        out += FormatText("%02d/%02d/%02d", t.month, t.day, t.year % 100);
        break;
      case 'X':
        out += FormatText("%02d:%02d:%02d", t.hour, t.minute, t.second);
        break;
      case 'y':
        out += FormatText("%02d", t.year % 100);
        break;
      case 'Y':
        out += FormatText("%d", t.year);
        break;
      case '%':
        out += '%';
        break;
      case '\0':
        out += '%';
        --p;
        break;  // a lone '%' at the end stays
      default:
        out += '%';
        out += c;
        break;
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
  std::string text = FormatCalendarTime(t, pattern);
  if (text.size() > kMaxFormatted) return std::string();
  return text;
}
