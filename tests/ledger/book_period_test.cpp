#include "ledger/book_period.h"

#include <gtest/gtest.h>

#include "calendar/day_number.h"

namespace coinest {
namespace {

constexpr BookViewMode D = BookViewMode::Day;
constexpr BookViewMode W = BookViewMode::Week;
constexpr BookViewMode M = BookViewMode::Month;

DateText dayAfter(const DateText& date) {
  const DateFields f = readDateText(date);
  const DateTime t = addDays(f.year, f.month, f.day, 1);
  return formatDateText(t.year, t.month, t.day);
}

TEST(BookPeriodTest, RangeOfEachModeIsCutToTheMonth) {
  struct Case {
    const char* date;
    BookViewMode mode;
    const char* start;
    const char* end;
  };
  const Case cases[] = {
      {"2007-03-05", D, "2007-03-05", "2007-03-05"},
      // Wednesday the 3rd, the 1st a Monday: the Sunday before belongs to December.
      {"2007-01-03", W, "2007-01-01", "2007-01-06"},
      {"2007-03-04", W, "2007-03-04", "2007-03-10"},  // a Sunday starts its own week
      {"2007-03-28", W, "2007-03-25", "2007-03-31"},
      {"2007-04-30", W, "2007-04-29", "2007-04-30"},  // cut at the month's end
      {"2007-05-02", W, "2007-05-01", "2007-05-05"},  // cut at the month's start
      {"2008-12-31", W, "2008-12-28", "2008-12-31"},
      {"2009-01-01", W, "2009-01-01", "2009-01-03"},
      {"2008-02-14", M, "2008-02-01", "2008-02-29"},
      {"2007-12-31", M, "2007-12-01", "2007-12-31"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(bookPeriodOf(c.date, c.mode), (BookPeriod{c.date, c.start, c.end}))
        << c.date << " " << static_cast<char>(c.mode);
  }
}

TEST(BookPeriodTest, PreviousAndNextPeriodAcrossMonthAndYearEnds) {
  struct Case {
    BookViewMode mode;
    const char* from;  // the current date; the range is its mode's range
    int step;          // -1 previous (10110), +1 next (10111)
    BookPeriod want;
  };
  const Case cases[] = {
      {D, "2008-01-01", -1, {"2007-12-31", "2007-12-31", "2007-12-31"}},
      {D, "2007-12-31", +1, {"2008-01-01", "2008-01-01", "2008-01-01"}},
      {D, "2008-02-28", +1, {"2008-02-29", "2008-02-29", "2008-02-29"}},
      {D, "2007-03-01", -1, {"2007-02-28", "2007-02-28", "2007-02-28"}},
      {W, "2007-03-28", +1, {"2007-04-01", "2007-04-01", "2007-04-07"}},  // from the month's last week
      {W, "2007-04-01", -1, {"2007-03-25", "2007-03-25", "2007-03-31"}},  // from the month's first week
      {W, "2007-03-07", -1, {"2007-03-01", "2007-03-01", "2007-03-03"}},  // into the cut first week
      {W, "2007-03-01", +1, {"2007-03-04", "2007-03-04", "2007-03-10"}},
      {W, "2007-03-14", -1, {"2007-03-04", "2007-03-04", "2007-03-10"}},  // the date goes to the week's Sunday
      {W, "2007-04-25", +1, {"2007-04-29", "2007-04-29", "2007-04-30"}},  // into the cut last week
      {W, "2008-12-30", +1, {"2009-01-01", "2009-01-01", "2009-01-03"}},
      {W, "2009-01-02", -1, {"2008-12-28", "2008-12-28", "2008-12-31"}},
      {M, "2007-03-31", -1, {"2007-02-28", "2007-02-01", "2007-02-28"}},
      {M, "2007-03-31", +1, {"2007-04-30", "2007-04-01", "2007-04-30"}},
      {M, "2008-01-30", +1, {"2008-02-29", "2008-02-01", "2008-02-29"}},
      {M, "2007-12-31", +1, {"2008-01-31", "2008-01-01", "2008-01-31"}},
      {M, "2008-01-15", -1, {"2007-12-15", "2007-12-01", "2007-12-31"}},
  };
  for (const Case& c : cases) {
    const BookPeriod current = bookPeriodOf(c.from, c.mode);
    const BookPeriod moved = c.step < 0 ? previousBookPeriod(current, c.mode) : nextBookPeriod(current, c.mode);
    EXPECT_EQ(moved, c.want) << c.from << " " << static_cast<char>(c.mode) << " " << c.step;
  }
}

// The page recomputes a range from its date after most commands, and takes the moved range after
// the period moves: the two must agree, and stepping through a year must cover every day once.
TEST(BookPeriodTest, MovesTileTheYearsAndAgreeWithTheRangeOfTheirDate) {
  for (BookViewMode mode : {D, W, M}) {
    for (int direction : {-1, +1}) {
      BookPeriod p = bookPeriodOf(direction > 0 ? "2007-01-01" : "2009-12-31", mode);
      std::vector<BookPeriod> seen{p};
      for (int guard = 0; guard < 1200; ++guard) {
        const BookPeriod next = direction > 0 ? nextBookPeriod(p, mode) : previousBookPeriod(p, mode);
        ASSERT_EQ(next, bookPeriodOf(next.date, mode)) << "from " << p.date << " " << static_cast<char>(mode);
        ASSERT_EQ(next.start.substr(0, 7), next.end.substr(0, 7)) << next.start;
        if (direction > 0) {
          ASSERT_EQ(next.start, dayAfter(p.end)) << "gap or overlap after " << p.end;
        } else {
          ASSERT_EQ(p.start, dayAfter(next.end)) << "gap or overlap before " << p.start;
        }
        p = next;
        seen.push_back(p);
        if (direction > 0 ? p.end == "2009-12-31" : p.start == "2007-01-01") break;
      }
      EXPECT_EQ(direction > 0 ? p.end : p.start, direction > 0 ? "2009-12-31" : "2007-01-01");
      if (mode == M) {
        EXPECT_EQ(seen.size(), 36u);
      } else if (mode == D) {
        EXPECT_EQ(seen.size(), 1096u);
      }
    }
  }
}

TEST(BookPeriodTest, MonthButtonsGoToTheSeventh) {
  EXPECT_EQ(previousBookMonth("2007-01-31"), "2006-12-07");
  EXPECT_EQ(previousBookMonth("2007-03-31"), "2007-02-07");
  EXPECT_EQ(nextBookMonth("2007-12-01"), "2008-01-07");
  EXPECT_EQ(nextBookMonth("2008-01-31"), "2008-02-07");
}

TEST(BookPeriodTest, CalendarDayPick) {
  struct Case {
    int year, month, day, row;
    std::optional<DateText> want;
  };
  const Case cases[] = {
      {2007, 3, 5, 1, "2007-03-05"},
      {2007, 3, 29, 4, "2007-03-29"},   // 15 or more in the last rows: still the shown month
      {2007, 2, 1, 4, "2007-03-01"},    // below 15 in row 4: the month after
      {2007, 2, 10, 5, "2007-03-10"},
      {2007, 12, 3, 5, "2008-01-03"},   // December runs on into January
      {2007, 3, 14, 2, "2007-03-14"},
      {2007, 2, 30, 4, std::nullopt},   // no such day
      {2007, 3, 5, 6, std::nullopt},    // no such row
      {2007, 3, 5, -1, std::nullopt},
      {2007, 13, 5, 1, std::nullopt},
      {2007, 3, 0, 0, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(calendarDayPick(c.year, c.month, c.day, c.row), c.want) << c.year << "-" << c.month << " " << c.day
                                                                        << " row " << c.row;
  }
}

}  // namespace
}  // namespace coinest
