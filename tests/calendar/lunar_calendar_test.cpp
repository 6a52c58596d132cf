#include "calendar/lunar_calendar.h"

#include <gtest/gtest.h>

#include "calendar/day_number.h"

namespace coinest {
namespace {

TEST(LunarCalendar, KnownDates) {
  struct Case {
    int y, m, d;
    int ly, lm, ld;
    bool leap;
    const char* caption;
  };
  const Case cases[] = {
      {1841, 1, 23, 1841, 1, 1, false, "(음1/1)"},   // the table's first day
      {2005, 2, 9, 2005, 1, 1, false, "(음1/1)"},    {2006, 1, 29, 2006, 1, 1, false, "(음1/1)"},
      {2007, 2, 18, 2007, 1, 1, false, "(음1/1)"},   {2008, 2, 7, 2008, 1, 1, false, "(음1/1)"},
      {2009, 1, 26, 2009, 1, 1, false, "(음1/1)"},   {2005, 5, 15, 2005, 4, 8, false, "(음4/8)"},
      {2009, 5, 2, 2009, 4, 8, false, "(음4/8)"},    {2005, 9, 18, 2005, 8, 15, false, "(음8/15)"},
      {2009, 10, 3, 2009, 8, 15, false, "(음8/15)"}, {2007, 1, 1, 2006, 11, 13, false, "(음11/13)"},
      {2006, 5, 5, 2006, 4, 8, false, "(음4/8)"},     {2006, 10, 6, 2006, 8, 15, false, "(음8/15)"},
      {2007, 5, 24, 2007, 4, 8, false, "(음4/8)"},   {2008, 9, 14, 2008, 8, 15, false, "(음8/15)"},
      // Lunar 2006 has a leap month after month 7; lunar 2009 after month 5.
      {2006, 8, 24, 2006, 7, 1, true, "(음윤7/1)"},  {2006, 8, 23, 2006, 7, 30, false, "(음7/30)"},
      {2009, 6, 23, 2009, 5, 1, true, "(음윤5/1)"},
      {2051, 2, 11, 2050, 12, 30, false, "(음12/30)"},  // the table's last day
  };
  for (const Case& c : cases) {
    const std::optional<LunarDate> lunar = solarToLunar(c.y, c.m, c.d);
    ASSERT_TRUE(lunar) << c.y << "-" << c.m << "-" << c.d;
    EXPECT_EQ(lunar->year, c.ly) << c.y << "-" << c.m << "-" << c.d;
    EXPECT_EQ(lunar->month, c.lm) << c.y << "-" << c.m << "-" << c.d;
    EXPECT_EQ(lunar->day, c.ld) << c.y << "-" << c.m << "-" << c.d;
    EXPECT_EQ(lunar->leap, c.leap) << c.y << "-" << c.m << "-" << c.d;
    EXPECT_EQ(lunarCaption(*lunar), c.caption);
  }
}

TEST(LunarCalendar, OutsideTheTableAndInvalidDatesGiveNothing) {
  for (auto [y, m, d] : {std::tuple{1841, 1, 22}, {2051, 2, 12}, {9999, 12, 31}, {1, 1, 1}, {2007, 2, 29},
                         {2007, 13, 1}, {2007, 0, 10}, {-5, 1, 1}}) {
    EXPECT_FALSE(solarToLunar(y, m, d)) << y << "-" << m << "-" << d;
  }
}

// Every day of the table follows the one before: the day grows by one, or a new month begins.
TEST(LunarCalendar, ConsecutiveDaysAcrossTheWholeTable) {
  std::optional<LunarDate> previous = solarToLunar(1841, 1, 23);
  ASSERT_TRUE(previous);
  int days = 1;
  for (int i = 1;; ++i) {
    const DateTime t = addDays(1841, 1, 23, i);
    const std::optional<LunarDate> now = solarToLunar(t.year, t.month, t.day);
    if (!now) break;
    ++days;
    const bool nextDay = now->year == previous->year && now->month == previous->month &&
                         now->leap == previous->leap && now->day == previous->day + 1;
    const bool newMonth = now->day == 1 && previous->day >= 29;
    ASSERT_TRUE(nextDay || newMonth) << "after " << t.year << "-" << t.month << "-" << t.day;
    previous = now;
  }
  EXPECT_EQ(days, 76721) << "1841-01-23 to 2051-02-11";
}

}  // namespace
}  // namespace coinest
