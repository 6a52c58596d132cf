#include "store/holiday_table.h"

#include <gtest/gtest.h>

#include "calendar/lunar_calendar.h"
#include "store/book_tables.h"
#include "store/record_layout.h"
#include "store/table_access.h"
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
      {"2005-04-05", "식목일"},  {"2009-12-25", "성탄절"},  {"2007-03-05", std::nullopt},
      // The stored years hold only their rows: the elections of those years were never stored.
      {"2006-05-31", std::nullopt}, {"2007-12-19", std::nullopt}, {"2008-04-09", std::nullopt},
      // Other years by rule.
      {"2010-01-01", "신정"},    {"2004-12-25", "성탄절"}, {"2004-04-15", "국회의원선거"},
      {"2024-02-12", "대체공휴일"}, {"2024-02-13", std::nullopt}, {"not a date", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(holidayNameOf(fx.book(), c.date), c.name) << c.date;
  // Two holidays on one day: either name.
  const auto both = holidayNameOf(fx.book(), "2006-05-05");
  ASSERT_TRUE(both);
  EXPECT_TRUE(*both == "석가탄신일" || *both == "어린이날") << *both;
}

// The years 2005 to 2009 list exactly the stored rows, one per date, whatever the rules or the
// user's days say of them.
TEST(HolidayTable, StoredYearsListTheirRows) {
  testing::BookFixture fx;
  fx.book().holidays.setUserDays({{"2007-05-01", "근로자의 날"}, {"2010-05-01", "근로자의 날"}});
  std::size_t listed = 0;
  for (int year = 2005; year <= 2009; ++year) {
    TableHandle table = fx.store().openTable(kHolidaysTable, makePropId(1, PropType::Text));
    ASSERT_TRUE(table);
    std::vector<HolidayDay> rows;
    for (RecordId at = table.seek(SeekMode::SeekFromFirst, 0); at != 0; at = table.seek(SeekMode::SeekFromCurrent, 1)) {
      Holiday row;
      readRecord(table, row);
      if (row.holidayDate.starts_with(std::to_string(year)) && (rows.empty() || rows.back().date != row.holidayDate)) {
        rows.push_back({row.holidayDate, row.holidayName});
      }
    }
    EXPECT_EQ(holidaysOfYear(fx.book(), year), rows) << year;
    listed += rows.size();
  }
  EXPECT_EQ(listed, 74u);  // 76 rows, two dates with two rows each
  EXPECT_EQ(holidayNameOf(fx.book(), "2007-05-01"), std::nullopt);
  EXPECT_EQ(holidayNameOf(fx.book(), "2010-05-01"), "근로자의 날");
}

// Which years the table holds is read again once the store changed: a table dropped leaves every
// year to the rules, a table filled again with other years takes those.
TEST(HolidayTable, FollowsTheTableWhenItIsMadeAgain) {
  testing::BookFixture fx;
  EXPECT_EQ(holidayNameOf(fx.book(), "2006-05-31"), std::nullopt);
  fx.store().dropTable(kHolidaysTable);
  EXPECT_EQ(holidayNameOf(fx.book(), "2006-05-31"), "지방선거");
  EXPECT_EQ(holidayNameOf(fx.book(), "2005-02-09"), "설날");

  ASSERT_TRUE(createBookTable(fx.store(), kHolidaysTable));
  ASSERT_TRUE(writeNew(fx.store(), kHolidaysTable, Holiday{1, "2024-07-17", "제헌절", ""}));
  EXPECT_EQ(holidayNameOf(fx.book(), "2024-07-17"), "제헌절");
  EXPECT_EQ(holidayNameOf(fx.book(), "2024-01-01"), std::nullopt);
  EXPECT_EQ(holidaysOfYear(fx.book(), 2024), (std::vector<HolidayDay>{{"2024-07-17", "제헌절"}}));
  EXPECT_EQ(holidayNameOf(fx.book(), "2006-05-31"), "지방선거");
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
