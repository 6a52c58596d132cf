#include "ledger/book_period.h"

#include <algorithm>
#include <compare>

#include "calendar/day_number.h"

namespace coinest {

namespace {

struct Ymd {
  int year = 0;
  int month = 0;
  int day = 0;

  friend auto operator<=>(const Ymd&, const Ymd&) = default;
};

Ymd ymdOf(std::string_view text) {
  const DateFields f = readDateText(text);
  return {f.year, f.month, f.day};
}

DateText textOf(const Ymd& d) { return formatDateText(d.year, d.month, d.day); }

Ymd shifted(const Ymd& d, int days) {
  const DateTime t = addDays(d.year, d.month, d.day, days);
  return {t.year, t.month, t.day};
}

int weekdayOf(const Ymd& d) { return addDays(d.year, d.month, d.day, 0).dayOfWeek; }

// The Sunday on or before the date, and the Saturday on or after it.
Ymd weekStart(const Ymd& d) { return shifted(d, -weekdayOf(d)); }
Ymd weekEnd(const Ymd& d) { return shifted(d, 6 - weekdayOf(d)); }

Ymd firstOf(int year, int month) { return {year, month, 1}; }
Ymd lastOf(int year, int month) { return {year, month, daysInMonth(year, month)}; }
Ymd firstOf(const Ymd& d) { return firstOf(d.year, d.month); }
Ymd lastOf(const Ymd& d) { return lastOf(d.year, d.month); }

BookPeriod periodOf(const Ymd& date, const Ymd& start, const Ymd& end) {
  return {textOf(date), textOf(start), textOf(end)};
}

BookPeriod monthPeriod(const Ymd& date) { return periodOf(date, firstOf(date), lastOf(date)); }

// The same day in the month `ym`, or that month's last day when it is shorter.
Ymd sameDayIn(const YearMonth& ym, int day) { return {ym.year, ym.month, std::min(day, daysInMonth(ym.year, ym.month))}; }

}  // namespace

std::optional<BookViewMode> bookViewModeOf(char letter) {
  switch (letter) {
    case 'D':
      return BookViewMode::Day;
    case 'W':
      return BookViewMode::Week;
    case 'M':
      return BookViewMode::Month;
    default:
      return std::nullopt;
  }
}

BookPeriod bookPeriodOf(std::string_view dateText, BookViewMode mode) {
  const Ymd date = ymdOf(dateText);
  switch (mode) {
    case BookViewMode::Day:
      return periodOf(date, date, date);
    case BookViewMode::Week:
      // A week never spans more than one month end, so cutting both sides is the one cut it needs.
      return periodOf(date, std::max(weekStart(date), firstOf(date)), std::min(weekEnd(date), lastOf(date)));
    case BookViewMode::Month:
      break;
  }
  return monthPeriod(date);
}

BookPeriod previousBookPeriod(const BookPeriod& current, BookViewMode mode) {
  const Ymd date = ymdOf(current.date);
  const Ymd start = ymdOf(current.start);
  const Ymd end = ymdOf(current.end);
  switch (mode) {
    case BookViewMode::Day: {
      const Ymd day = shifted(start, -1);
      return periodOf(day, day, day);
    }
    case BookViewMode::Week: {
      if (start.day == 1) {
        const YearMonth before = previousMonth(start.year, start.month);
        const Ymd last = lastOf(before.year, before.month);
        const Ymd first = std::max(weekStart(last), firstOf(last));
        return periodOf(first, first, last);
      }
      return periodOf(std::max(weekStart(shifted(date, -7)), firstOf(date)),
                      std::max(weekStart(shifted(start, -7)), firstOf(start)),
                      std::min(weekEnd(shifted(end, -7)), lastOf(start)));
    }
    case BookViewMode::Month:
      break;
  }
  return monthPeriod(sameDayIn(previousMonth(date.year, date.month), date.day));
}

BookPeriod nextBookPeriod(const BookPeriod& current, BookViewMode mode) {
  const Ymd date = ymdOf(current.date);
  const Ymd start = ymdOf(current.start);
  const Ymd end = ymdOf(current.end);
  switch (mode) {
    case BookViewMode::Day: {
      const Ymd day = shifted(start, 1);
      return periodOf(day, day, day);
    }
    case BookViewMode::Week: {
      if (end == lastOf(end)) {
        const YearMonth after = nextMonth(end.year, end.month);
        const Ymd first = firstOf(after.year, after.month);
        return periodOf(first, first, std::min(weekEnd(first), lastOf(first)));
      }
      return periodOf(weekStart(shifted(date, 7)), weekStart(shifted(start, 7)),
                      std::min(weekEnd(shifted(end, 7)), lastOf(start)));
    }
    case BookViewMode::Month:
      break;
  }
  return monthPeriod(sameDayIn(nextMonth(date.year, date.month), date.day));
}

DateText previousBookMonth(std::string_view dateText) {
  const Ymd date = ymdOf(dateText);
  const YearMonth before = previousMonth(date.year, date.month);
  return formatDateText(before.year, before.month, 7);
}

DateText nextBookMonth(std::string_view dateText) {
  const Ymd date = ymdOf(dateText);
  const YearMonth after = nextMonth(date.year, date.month);
  return formatDateText(after.year, after.month, 7);
}

std::optional<DateText> calendarDayPick(int shownYear, int shownMonth, int day, int row) {
  if (shownMonth < 1 || shownMonth > 12 || row < 0 || row >= kCalendarRows) return std::nullopt;
  const YearMonth month = day < 15 && row >= 4 ? nextMonth(shownYear, shownMonth) : YearMonth{shownYear, shownMonth};
  if (day < 1 || day > daysInMonth(month.year, month.month)) return std::nullopt;
  return formatDateText(month.year, month.month, day);
}

}  // namespace coinest
