#include "calendar/day_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace coinest {
namespace {

DateTime dateOf(int year, int month, int day) {
  DateTime t;
  t.year = static_cast<std::uint16_t>(year);
  t.month = static_cast<std::uint16_t>(month);
  t.day = static_cast<std::uint16_t>(day);
  return t;
}

struct KnownDay {
  int year;
  int month;
  int day;
  double number;
  int dayOfWeek;
};

// OLE Automation dates and weekdays of known days.
const std::vector<KnownDay> kKnownDays = {
    {1800, 1, 1, -36522, 3},  {1899, 12, 29, -1, 5},   {1899, 12, 30, 0, 6},
    {1899, 12, 31, 1, 0},     {1900, 1, 1, 2, 1},      {1900, 2, 28, 60, 3},
    {1900, 3, 1, 61, 4},      {1970, 1, 1, 25569, 4},  {2000, 1, 1, 36526, 6},
    {2000, 2, 29, 36585, 2},  {2007, 3, 5, 39146, 1},  {2008, 2, 29, 39507, 5},
    {2050, 12, 31, 55153, 6}, {2100, 12, 31, 73415, 5},
};

TEST(DayNumberTest, KnownDaysBothWays) {
  for (const KnownDay& k : kKnownDays) {
    SCOPED_TRACE(formatDateText(k.year, k.month, k.day));
    EXPECT_EQ(toDayNumber(dateOf(k.year, k.month, k.day)), k.number);
    const DateTime t = fromDayNumber(k.number);
    EXPECT_EQ(t.year, k.year);
    EXPECT_EQ(t.month, k.month);
    EXPECT_EQ(t.day, k.day);
    EXPECT_EQ(t.dayOfWeek, k.dayOfWeek);
    EXPECT_EQ(t.hour + t.minute + t.second + t.millisecond, 0);
  }
}

TEST(DayNumberTest, EveryDayFrom1800To2100RoundTrips) {
  // Walk the calendar by month lengths: each day is one more than the last, the weekday advances
  // by one, and converting back gives the same date.
  DateTime prev = fromDayNumber(toDayNumber(dateOf(1800, 1, 1)));
  double prevNumber = toDayNumber(prev);
  ASSERT_EQ(prev.dayOfWeek, 3);
  int walked = 0;
  for (int y = 1800; y <= 2100; ++y) {
    for (int m = 1; m <= 12; ++m) {
      for (int d = (y == 1800 && m == 1) ? 2 : 1; d <= daysInMonth(y, m); ++d) {
        const double n = toDayNumber(dateOf(y, m, d));
        ASSERT_EQ(n, prevNumber + 1.0) << formatDateText(y, m, d);
        const DateTime back = fromDayNumber(n);
        ASSERT_EQ(back.year, y);
        ASSERT_EQ(back.month, m);
        ASSERT_EQ(back.day, d);
        ASSERT_EQ(back.dayOfWeek, (prev.dayOfWeek + 1) % 7) << formatDateText(y, m, d);
        prev = back;
        prevNumber = n;
        ++walked;
      }
    }
  }
  EXPECT_EQ(walked, 73415 + 36522);
}

TEST(DayNumberTest, TimeOfDayIsTheFraction) {
  DateTime t = dateOf(2007, 3, 5);
  t.hour = 18;
  EXPECT_EQ(toDayNumber(t), 39146.75);

  t.hour = 13;
  t.minute = 45;
  t.second = 30;
  t.millisecond = 250;
  const DateTime back = fromDayNumber(toDayNumber(t));
  EXPECT_EQ(back.year, 2007);
  EXPECT_EQ(back.day, 5);
  EXPECT_EQ(back.hour, 13);
  EXPECT_EQ(back.minute, 45);
  EXPECT_EQ(back.second, 30);
  EXPECT_EQ(back.millisecond, 250);
  EXPECT_EQ(back.dayOfWeek, 1);

  // Before day 0 the time of day still counts forward from the date's midnight.
  DateTime early = dateOf(1899, 12, 29);
  early.hour = 6;
  EXPECT_EQ(toDayNumber(early), -1.25);
  const DateTime earlyBack = fromDayNumber(-1.25);
  EXPECT_EQ(earlyBack.day, 29);
  EXPECT_EQ(earlyBack.hour, 6);
}

TEST(DayNumberTest, RoundingToMidnightCarriesIntoTheNextDay) {
  const DateTime t = fromDayNumber(39146.0 + 1.0 - 1e-10);
  EXPECT_EQ(t.day, 6);
  EXPECT_EQ(t.dayOfWeek, 2);
  EXPECT_EQ(t.hour + t.minute + t.second + t.millisecond, 0);
}

TEST(DayNumberTest, OutOfRangeValuesGiveNoDate) {
  for (double n : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                   -std::numeric_limits<double>::infinity(), 1e300, -1e300, 2958466.0, -657435.0}) {
    EXPECT_EQ(fromDayNumber(n), DateTime{}) << n;
  }
  EXPECT_EQ(fromDayNumber(2958465.0).year, 9999);
  EXPECT_EQ(fromDayNumber(-657434.0).year, 100);
}

TEST(DayNumberTest, MonthAndDayOverflowCarry) {
  EXPECT_EQ(toDayNumber(dateOf(2007, 2, 30)), toDayNumber(dateOf(2007, 3, 2)));
  EXPECT_EQ(toDayNumber(dateOf(2008, 2, 30)), toDayNumber(dateOf(2008, 3, 1)));
  EXPECT_EQ(toDayNumber(dateOf(2007, 13, 1)), toDayNumber(dateOf(2008, 1, 1)));
  EXPECT_EQ(toDayNumber(dateOf(2007, 3, 0)), toDayNumber(dateOf(2007, 2, 28)));
}

struct AddCase {
  int year, month, day, n;
  int toYear, toMonth, toDay, dayOfWeek;
};

TEST(DayNumberTest, AddDays) {
  const std::vector<AddCase> cases = {
      {2007, 12, 31, 1, 2008, 1, 1, 2},
      {2008, 1, 1, -1, 2007, 12, 31, 1},
      {2008, 2, 28, 1, 2008, 2, 29, 5},
      {2007, 2, 28, 1, 2007, 3, 1, 4},
      {2007, 3, 5, 0, 2007, 3, 5, 1},
      {2007, 3, 5, 7, 2007, 3, 12, 1},
      {2007, 3, 5, 366, 2008, 3, 5, 3},
      {2000, 1, 1, -36526, 1899, 12, 30, 6},
      {2007, 1, 31, 30, 2007, 3, 2, 5},
  };
  for (const AddCase& c : cases) {
    SCOPED_TRACE(formatDateText(c.year, c.month, c.day) + " + " + std::to_string(c.n));
    const DateTime t = addDays(c.year, c.month, c.day, c.n);
    EXPECT_EQ(t.year, c.toYear);
    EXPECT_EQ(t.month, c.toMonth);
    EXPECT_EQ(t.day, c.toDay);
    EXPECT_EQ(t.dayOfWeek, c.dayOfWeek);
    EXPECT_EQ(t.hour + t.minute + t.second + t.millisecond, 0);
  }
  // Far outside the calendar: no date rather than a wrapped year.
  EXPECT_EQ(addDays(2007, 1, 1, std::numeric_limits<int>::max()), DateTime{});
  EXPECT_EQ(addDays(2007, 1, 1, std::numeric_limits<int>::min()), DateTime{});
}

struct SpanCase {
  const char* first;
  const char* last;
  int days;
};

TEST(DayNumberTest, DaySpan) {
  const std::vector<SpanCase> cases = {
      {"2007-03-05", "2007-03-05", 1},
      {"2007-02-28", "2007-03-01", 2},
      {"2008-02-28", "2008-03-01", 3},
      {"2007-01-01", "2007-12-31", 365},
      {"2008-01-01", "2008-12-31", 366},
      {"2007-12-31", "2008-01-01", 2},
      {"2007-03-06", "2007-03-05", 0},  // reversed: 0 or less
      {"2007-03-10", "2007-03-05", -4},
      {"2007-3-5", "2007-03-06", 2},  // unpadded texts still read right
      {"", "2007-03-05", 0},
      {"2007-03-05", "", 0},
      {"garbage", "2007-03-05", 0},
      {"2007-03", "2007-03-05", 0},
  };
  for (const SpanCase& c : cases) {
    EXPECT_EQ(daySpan(c.first, c.last), c.days) << c.first << " .. " << c.last;
  }
}

TEST(DayNumberTest, DayChangedSequence) {
  // Started at noon on 2007-03-05.
  DayChangeDetector detector(39146.5);
  struct Step {
    double now;
    bool changed;
  };
  const std::vector<Step> steps = {
      {39146.5001, true},   // first call after start: missed work is done right away
      {39146.6, false},
      {39146.999, false},
      {39147.00001, true},  // past midnight
      {39147.5, false},
      {39147.99, false},
      {39149.2, true},      // a skipped day (machine asleep) is still one change
      {39149.3, false},
      {39148.9, true},      // clock set back a day
      {39148.95, false},
  };
  for (const Step& s : steps) {
    EXPECT_EQ(detector.dayChanged(s.now), s.changed) << std::fixed << s.now;
  }
}

TEST(DayNumberTest, DayChangedWhenStartedAtMidnight) {
  // A start instant with no time of day is already a whole day: no change until the next one.
  DayChangeDetector detector(39146.0);
  EXPECT_FALSE(detector.dayChanged(39146.4));
  EXPECT_TRUE(detector.dayChanged(39147.1));
}

}  // namespace
}  // namespace coinest
