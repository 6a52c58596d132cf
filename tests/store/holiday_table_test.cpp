#include "store/holiday_table.h"

#include <gtest/gtest.h>

#include "calendar/lunar_calendar.h"
#include "store/table_catalogue.h"
#include "support/book_fixture.h"

namespace coinest {
namespace {

TEST(HolidayTable, NamesOfHolidays) {
  testing::BookFixture fx;
  struct Case {
    const char* date;
    std::optional<std::string> name;
  };
  const Case cases[] = {
      {"2005-02-08", ""},        {"2005-02-09", "설날"}, {"2005-02-10", ""},  {"2006-04-05", std::nullopt},
      {"2005-04-05", "식목일"},  {"2010-01-01", std::nullopt}, {"2004-12-25", std::nullopt},
      {"2009-12-25", "성탄절"},  {"2007-03-05", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(holidayNameOf(fx.book(), c.date), c.name) << c.date;
  // Two holidays on one day: either name.
  const auto both = holidayNameOf(fx.book(), "2006-05-05");
  ASSERT_TRUE(both);
  EXPECT_TRUE(*both == "석가탄신일" || *both == "어린이날") << *both;

  fx.store().dropTable(kHolidaysTable);
  EXPECT_FALSE(holidayNameOf(fx.book(), "2005-02-09"));
}

// The lunar holidays of the table fall on lunar 1/1, 4/8 and 8/15.
TEST(HolidayTable, LunarHolidaysAgreeWithTheLunarCalendar) {
  struct Case {
    const char* date;
    int month, day;
  };
  const Case cases[] = {{"2005-02-09", 1, 1}, {"2006-01-29", 1, 1}, {"2007-02-18", 1, 1}, {"2008-02-07", 1, 1},
                        {"2009-01-26", 1, 1}, {"2005-05-15", 4, 8}, {"2006-05-05", 4, 8}, {"2007-05-24", 4, 8},
                        {"2008-05-12", 4, 8}, {"2009-05-02", 4, 8}, {"2005-09-18", 8, 15}, {"2006-10-06", 8, 15},
                        {"2007-09-25", 8, 15}, {"2008-09-14", 8, 15}, {"2009-10-03", 8, 15}};
  for (const Case& c : cases) {
    const std::string d = c.date;
    const auto lunar = solarToLunar(std::stoi(d.substr(0, 4)), std::stoi(d.substr(5, 2)), std::stoi(d.substr(8, 2)));
    ASSERT_TRUE(lunar) << c.date;
    EXPECT_EQ(lunar->month, c.month) << c.date;
    EXPECT_EQ(lunar->day, c.day) << c.date;
    EXPECT_FALSE(lunar->leap) << c.date;
  }
}

}  // namespace
}  // namespace coinest
