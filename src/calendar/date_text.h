// Dates as the book stores them: fixed-width "YYYY-MM-DD" texts, whose text order is the date
// order, plus the small calendar rules (leap years, month lengths, month steps) and today's date.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace coinest {

class Clock;

// A stored date: "%04d-%02d-%02d", ten characters.
using DateText = std::string;
inline constexpr std::size_t kDateTextLength = 10;

// The years a typed date may fall in: those of the lunar table, whose captions and holidays the
// books page shows for every day.
inline constexpr int kFirstCalendarYear = 1841;
inline constexpr int kLastCalendarYear = 2050;

// A calendar date with time of day. Field order is fixed (other code lays records out by it).
struct DateTime {
  std::uint16_t year = 0;
  std::uint16_t month = 0;      // 1 to 12
  std::uint16_t dayOfWeek = 0;  // 0 Sunday to 6 Saturday
  std::uint16_t day = 0;
  std::uint16_t hour = 0;
  std::uint16_t minute = 0;
  std::uint16_t second = 0;
  std::uint16_t millisecond = 0;

  friend bool operator==(const DateTime&, const DateTime&) = default;
};

// "%04d-%02d-%02d".
std::string formatDateText(int year, int month, int day);
// "%04d%02d", the key of a month.
std::string formatMonthKey(int year, int month);
// "%04d-%02d-01".
std::string firstOfMonthText(int year, int month);

// The numbers read from a date text, and how many of them could be read (0 to 3). Fields that
// were not read are 0.
struct DateFields {
  int count = 0;
  int year = 0;
  int month = 0;
  int day = 0;

  bool complete() const { return count == 3; }
};

// Reads "Y-M-D" the way the book always has: up to four digits of year, '-', up to two digits of
// month, '-', up to two digits of day. Reading stops at the first thing that does not fit; what
// follows the day is ignored. So "2007-3-5" gives 2007, 3, 5 and "2007/03/05" gives only the year.
// Only decimal digits are taken as numbers (no signs, no spaces).
DateFields readDateText(std::string_view text);

// True when the text is a usable stored date: exactly "DDDD-DD-DD" in digits, year 2000 to 2050,
// month 1 to 12, day 1 to 31. The day is not checked against the month's length.
bool isValidDateText(std::string_view text);

bool isLeapYear(int year);

// 28 or 29 for month 2, 30 for months 4, 6, 9 and 11, and 31 for every other value of month
// (also for values outside 1 to 12).
int daysInMonth(int year, int month);

struct YearMonth {
  int year = 0;
  int month = 0;

  friend bool operator==(const YearMonth&, const YearMonth&) = default;
};

// The month before / after, with the year carried at January / December.
YearMonth previousMonth(int year, int month);
YearMonth nextMonth(int year, int month);

struct TodayDate {
  DateText text;
  int year = 0;
  int month = 0;
  int day = 0;
};

// The clock's current local date.
TodayDate today(const Clock& clock);

}  // namespace coinest
