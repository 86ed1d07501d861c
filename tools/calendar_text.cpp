#include "tools/calendar_text.h"

namespace {

bool AllDigits(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

int Number(const std::string& text, size_t pos, size_t count) {
  return std::stoi(text.substr(pos, count));
}

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

bool ValidTime(const ClockTime& t) {
  return t.hour < 24 && t.minute < 60 && t.second < 60;
}

}  // namespace

bool ParseCompactDate(const std::string& text, CalendarDate* date) {
  if (text.size() != 8 || !AllDigits(text)) return false;
  const CalendarDate d{Number(text, 0, 4), Number(text, 4, 2), Number(text, 6, 2)};
  if (d.year < 1900 || d.month < 1 || d.month > 12 || d.day < 1 ||
      d.day > DaysInMonth(d.year, d.month)) {
    return false;
  }
  *date = d;
  return true;
}

bool ParseDate(const std::string& text, CalendarDate* date) {
  if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
    return ParseCompactDate(text.substr(0, 4) + text.substr(5, 2) + text.substr(8, 2), date);
  }
  return ParseCompactDate(text, date);
}

bool ParseCompactTime(const std::string& text, ClockTime* time) {
  if ((text.size() != 4 && text.size() != 6) || !AllDigits(text)) return false;
  const ClockTime t{Number(text, 0, 2), Number(text, 2, 2),
                    text.size() == 6 ? Number(text, 4, 2) : 0};
  if (!ValidTime(t)) return false;
  *time = t;
  return true;
}

bool ParseHourMinute(const std::string& text, ClockTime* time) {
  std::string digits = text;
  if (text.size() == 5 && text[2] == ':') digits = text.substr(0, 2) + text.substr(3, 2);
  if ((digits.size() != 2 && digits.size() != 4) || !AllDigits(digits)) return false;
  const ClockTime t{Number(digits, 0, 2), digits.size() == 4 ? Number(digits, 2, 2) : 0, 0};
  if (!ValidTime(t)) return false;
  *time = t;
  return true;
}
