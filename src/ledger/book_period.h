#pragma once

// The periods of the books page: the date range each view mode covers around the current date,
// and the moves of the current date (previous and next period, previous and next month, a tap on
// a day of the month calendar). Pure date rules; nothing here reads the book.
//
// Every date given is a real calendar date "YYYY-MM-DD" (REQUIRES); every date returned is one.

#include <optional>
#include <string_view>

#include "calendar/date_text.h"

namespace coinest {

// The view mode of the books page, by the letter the shell keeps.
enum class BookViewMode : char { Day = 'D', Week = 'W', Month = 'M' };

// The mode of a letter 'D', 'W' or 'M'; nothing for any other.
std::optional<BookViewMode> bookViewModeOf(char letter);

// The current date of the books page and the range its list covers (both ends included).
struct BookPeriod {
  DateText date;
  DateText start;
  DateText end;

  friend bool operator==(const BookPeriod&, const BookPeriod&) = default;
};

// The range of `mode` around `date`. Day: the date itself. Week: Sunday to Saturday, cut to the
// date's month where the week crosses a month end. Month: the 1st to the last day of the month.
// The range always lies within the date's month.
BookPeriod bookPeriodOf(std::string_view date, BookViewMode mode);

// The previous / next period of the books page. Day: the day before / after the range start.
// Week: the week before / after, cut to the month; from the first week of a month back to the
// last week of the month before, from the last week on to the first week of the next, the date
// then being the new range start. Month: the same day of the month before / after (the last day
// of a shorter month), with that whole month as the range.
// REQUIRES: `current` is bookPeriodOf(current.date, mode), as the page keeps it.
BookPeriod previousBookPeriod(const BookPeriod& current, BookViewMode mode);
BookPeriod nextBookPeriod(const BookPeriod& current, BookViewMode mode);

// The month buttons of the books page: the 7th of the month before / after the date's month.
DateText previousBookMonth(std::string_view date);
DateText nextBookMonth(std::string_view date);

// The month calendar has six rows of seven days, Sunday first. The month's 1st stands in row 0
// under its weekday (the cells before it are blank); after the month's last day the rows run on
// with the days of the next month.
inline constexpr int kCalendarRows = 6;

// The date of a tapped calendar cell, the calendar showing `shownYear`-`shownMonth`: a day below
// 15 in row 4 or 5 belongs to the next month, any other day to the shown month. Nothing when the
// row is outside 0 to 5, the shown month outside 1 to 12, or that month has no such day.
std::optional<DateText> calendarDayPick(int shownYear, int shownMonth, int day, int row);

}  // namespace coinest
