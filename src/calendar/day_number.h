// Day numbers: all date arithmetic in the book goes through them.
#pragma once

#include <string_view>

#include "calendar/date_text.h"

namespace coinest {

// Days since midnight of 1899-12-30, the fraction being the time of day (the OLE Automation date).
// Whole days differ by exactly 1.0. Before 1899-12-30 the value follows the OLE convention: the
// whole part counts days back and the fraction still adds time of day away from zero, so
// 1899-12-29 06:00 is -1.25.
using DayNumber = double;

// Month and day outside their ranges carry over: month 13 is January of the next year, the 30th
// of February is the 1st or 2nd of March, day 0 is the last day of the month before. The day of
// week of `t` is ignored.
DayNumber toDayNumber(const DateTime& t);

// The date and time of `n`, with the day of week filled in; the time of day is rounded to the
// nearest millisecond (carrying into the next day). A value outside years 100 to 9999, or not a
// number, gives an all-zero DateTime (month 0).
DateTime fromDayNumber(DayNumber n);

// The date n days after year-month-day (before it for negative n), at 00:00. Callers use its
// date and day of week. Month and day carry over as in toDayNumber.
DateTime addDays(int year, int month, int day, int n);

// Days from the first date to the last, both included: a date to itself is 1, a first date after
// the last gives 0 or less. Texts are read leniently ("2007-3-5" is fine); an empty text, or one
// that does not give year, month and day, gives 0.
int daySpan(std::string_view firstText, std::string_view lastText);

// Tells the main window when the calendar day has changed.
//
// It starts from the start instant, time of day included. A call compares the whole day of `now`
// with the stored value by inequality, so the first call after start reports a change (the stored
// value still has the start's time of day): reservations missed while the program was closed are
// then posted right after start instead of after the next midnight. After that the stored value
// is a whole day, and the next change is reported after the following midnight (or when the clock
// is set back to an earlier day).
class DayChangeDetector {
 public:
  explicit DayChangeDetector(DayNumber start) : stored_(start) {}

  bool dayChanged(DayNumber now);

 private:
  DayNumber stored_;
};

}  // namespace coinest
