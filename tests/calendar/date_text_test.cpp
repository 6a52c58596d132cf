#include "calendar/date_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/clock.h"

namespace coinest {
namespace {

TEST(DateTextTest, FormatsZeroPadded) {
  EXPECT_EQ(formatDateText(2007, 3, 5), "2007-03-05");
  EXPECT_EQ(formatDateText(2050, 12, 31), "2050-12-31");
  EXPECT_EQ(formatMonthKey(2007, 3), "200703");
  EXPECT_EQ(formatMonthKey(2008, 11), "200811");
  EXPECT_EQ(firstOfMonthText(2007, 3), "2007-03-01");
  EXPECT_EQ(firstOfMonthText(2008, 12), "2008-12-01");
}

TEST(DateTextTest, TextOrderIsDateOrder) {
  // Stored dates are compared as texts; padding keeps that equal to date order.
  EXPECT_LT(formatDateText(2007, 9, 30), formatDateText(2007, 10, 1));
  EXPECT_LT(formatDateText(2007, 12, 9), formatDateText(2007, 12, 10));
  EXPECT_LT(formatDateText(2007, 12, 31), formatDateText(2008, 1, 1));
}

struct ReadCase {
  const char* text;
  int count;
  int year;
  int month;
  int day;
};

TEST(DateTextTest, ReadsLikeTheFixedPattern) {
  const std::vector<ReadCase> cases = {
      {"2007-03-05", 3, 2007, 3, 5},
      {"2007-3-5", 3, 2007, 3, 5},         // unpadded month and day still read right
      {"2007-12-5", 3, 2007, 12, 5},
      {"2007-03-05 extra", 3, 2007, 3, 5},  // what follows the day is ignored
      {"2007-03-051", 3, 2007, 3, 5},       // two digits of day at most
      {"7-1-2", 3, 7, 1, 2},
      {"20071-03-05", 1, 2007, 0, 0},  // four digits of year, then no hyphen
      {"2007-003-05", 2, 2007, 0, 0},  // month "00", then no hyphen
      {"2007/03/05", 1, 2007, 0, 0},
      {"2007-03", 2, 2007, 3, 0},
      {"2007-03-", 2, 2007, 3, 0},
      {"2007-", 1, 2007, 0, 0},
      {"", 0, 0, 0, 0},
      {"-2007-03-05", 0, 0, 0, 0},
      {" 2007-03-05", 0, 0, 0, 0},
      {"abcd-ef-gh", 0, 0, 0, 0},
  };
  for (const ReadCase& c : cases) {
    const DateFields f = readDateText(c.text);
    EXPECT_EQ(f.count, c.count) << c.text;
    EXPECT_EQ(f.year, c.year) << c.text;
    EXPECT_EQ(f.month, c.month) << c.text;
    EXPECT_EQ(f.day, c.day) << c.text;
    EXPECT_EQ(f.complete(), c.count == 3) << c.text;
  }
}

TEST(DateTextTest, ReadsOnlyInsideTheView) {
  // A view into a longer buffer must not be read past its end.
  const std::string buffer = "2007-03-0599";
  const DateFields f = readDateText(std::string_view(buffer).substr(0, 9));
  EXPECT_EQ(f.count, 3);
  EXPECT_EQ(f.day, 0);
}

struct ValidCase {
  const char* text;
  bool valid;
};

TEST(DateTextTest, ValidStoredDates) {
  const std::vector<ValidCase> cases = {
      {"2007-03-05", true},
      {"2000-01-01", true},
      {"2050-12-31", true},
      {"2007-02-31", true},  // the day is not compared with the month's length
      {"2007-3-05", false},  // nine characters, unpadded month
      {"2007-03-5", false},
      {"2007/03/05", false},
      {"1999-12-31", false},
      {"2051-01-01", false},
      {"2007-00-05", false},
      {"2007-13-05", false},
      {"2007-03-00", false},
      {"2007-03-32", false},
      {"2007-03-05 ", false},
      {" 2007-03-05", false},
      {"2007-0a-05", false},
      {"2007-+3-05", false},
      {"", false},
  };
  for (const ValidCase& c : cases) {
    EXPECT_EQ(isValidDateText(c.text), c.valid) << c.text;
  }
}

TEST(DateTextTest, LeapYearsAndMonthLengths) {
  struct Case {
    int year;
    int month;
    int days;
  };
  const std::vector<Case> cases = {
      {2000, 2, 29}, {1900, 2, 28}, {2100, 2, 28}, {2008, 2, 29}, {2007, 2, 28},
      {2004, 2, 29}, {2007, 1, 31}, {2007, 4, 30}, {2007, 6, 30}, {2007, 7, 31},
      {2007, 8, 31}, {2007, 9, 30}, {2007, 11, 30}, {2007, 12, 31},
      {2007, 13, 31}, {2007, 0, 31},  // every other month value gives 31
  };
  for (const Case& c : cases) {
    EXPECT_EQ(daysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
  }
  EXPECT_TRUE(isLeapYear(2000));
  EXPECT_TRUE(isLeapYear(2008));
  EXPECT_FALSE(isLeapYear(1900));
  EXPECT_FALSE(isLeapYear(2007));
}

TEST(DateTextTest, MonthStepsCarryTheYear) {
  EXPECT_EQ(previousMonth(2008, 1), (YearMonth{2007, 12}));
  EXPECT_EQ(previousMonth(2008, 3), (YearMonth{2008, 2}));
  EXPECT_EQ(nextMonth(2007, 12), (YearMonth{2008, 1}));
  EXPECT_EQ(nextMonth(2007, 2), (YearMonth{2007, 3}));
  // Twelve steps forward and back return to the start.
  YearMonth ym{2007, 5};
  for (int i = 0; i < 12; ++i) ym = nextMonth(ym.year, ym.month);
  EXPECT_EQ(ym, (YearMonth{2008, 5}));
  for (int i = 0; i < 24; ++i) ym = previousMonth(ym.year, ym.month);
  EXPECT_EQ(ym, (YearMonth{2006, 5}));
}

TEST(DateTextTest, TodayComesFromTheClock) {
  const TodayDate t = today(FixedDateClock(2007, 3, 5));
  EXPECT_EQ(t.text, "2007-03-05");
  EXPECT_EQ(t.year, 2007);
  EXPECT_EQ(t.month, 3);
  EXPECT_EQ(t.day, 5);
  EXPECT_TRUE(isValidDateText(t.text));
}

}  // namespace
}  // namespace coinest
