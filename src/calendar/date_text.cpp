#include "calendar/date_text.h"

#include <cstdio>

#include "platform/clock.h"

namespace coinest {

std::string formatDateText(int year, int month, int day) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
  return buffer;
}

std::string formatMonthKey(int year, int month) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d%02d", year, month);
  return buffer;
}

std::string firstOfMonthText(int year, int month) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-01", year, month);
  return buffer;
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads up to `width` digits at `pos`; false when there is no digit there.
bool readNumber(std::string_view text, std::size_t& pos, int width, int& value) {
  int digits = 0;
  int result = 0;
  while (digits < width && pos < text.size() && isDigit(text[pos])) {
    result = result * 10 + (text[pos] - '0');
    ++pos;
    ++digits;
  }
  if (digits == 0) return false;
  value = result;
  return true;
}

bool readHyphen(std::string_view text, std::size_t& pos) {
  if (pos < text.size() && text[pos] == '-') {
    ++pos;
    return true;
  }
  return false;
}

}  // namespace

DateFields readDateText(std::string_view text) {
  DateFields fields;
  std::size_t pos = 0;
  if (!readNumber(text, pos, 4, fields.year)) return fields;
  fields.count = 1;
  if (!readHyphen(text, pos) || !readNumber(text, pos, 2, fields.month)) return fields;
  fields.count = 2;
  if (!readHyphen(text, pos) || !readNumber(text, pos, 2, fields.day)) return fields;
  fields.count = 3;
  return fields;
}

bool isValidDateText(std::string_view text) {
  if (text.size() != 10) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool wanted = (i == 4 || i == 7) ? text[i] == '-' : isDigit(text[i]);
    if (!wanted) return false;
  }
  const DateFields f = readDateText(text);
  return f.complete() && f.year >= 2000 && f.year <= 2050 && f.month >= 1 && f.month <= 12 &&
         f.day >= 1 && f.day <= 31;
}

bool isLeapYear(int year) { return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0); }

int daysInMonth(int year, int month) {
  switch (month) {
    case 2:
      return isLeapYear(year) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    default:
      return 31;
  }
}

YearMonth previousMonth(int year, int month) {
  if (month == 1) return {year - 1, 12};
  return {year, month - 1};
}

YearMonth nextMonth(int year, int month) {
  if (month == 12) return {year + 1, 1};
  return {year, month + 1};
}

TodayDate today(const Clock& clock) {
  const LocalTime now = clock.now();
  TodayDate result;
  result.text = formatDateText(now.year, now.month, now.day);
  result.year = now.year;
  result.month = now.month;
  result.day = now.day;
  return result;
}

}  // namespace coinest
