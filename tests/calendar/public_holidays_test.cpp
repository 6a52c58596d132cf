#include "calendar/public_holidays.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calendar/holiday_calendar.h"
#include "calendar/lunar_calendar.h"

namespace coinest {
namespace {

// Days of the published government calendars, one row per rule or overlap worth seeing.
TEST(PublicHolidays, DaysOfThePublishedCalendars) {
  struct Case {
    const char* date;
    std::optional<std::string> name;
  };
  const Case cases[] = {
      // 설날 or 추석 on a Sunday: the first weekday after the three days.
      {"2014-09-07", ""}, {"2014-09-10", "대체공휴일"}, {"2015-09-27", "추석"}, {"2015-09-29", "대체공휴일"},
      {"2016-02-10", "대체공휴일"}, {"2023-01-24", "대체공휴일"}, {"2025-10-08", "대체공휴일"},
      // A Saturday gives no substitute to 설날 and 추석, nor to anything before its rule began.
      {"2014-02-03", std::nullopt}, {"2019-09-16", std::nullopt}, {"2020-08-31", std::nullopt},
      {"2016-10-10", std::nullopt}, {"2019-05-13", std::nullopt}, {"2022-12-26", std::nullopt},
      // 설날 on Saturday with its next day a Sunday.
      {"2017-01-30", "대체공휴일"}, {"2020-01-27", "대체공휴일"}, {"2024-02-12", "대체공휴일"},
      // 추석's eve on 개천절: the name is 개천절, the substitute follows the three days.
      {"2017-10-03", "개천절"}, {"2017-10-06", "대체공휴일"}, {"2017-10-02", "임시공휴일"},
      // 어린이날 on Saturday, on Sunday, and sharing its day with 부처님오신날 (one substitute).
      {"2018-05-07", "대체공휴일"}, {"2019-05-06", "대체공휴일"}, {"2025-05-05", "부처님오신날"},
      {"2025-05-06", "대체공휴일"}, {"2025-05-07", std::nullopt},
      // National days from 광복절 2021: not before.
      {"2021-08-16", "대체공휴일"}, {"2021-10-04", "대체공휴일"}, {"2021-10-11", "대체공휴일"},
      {"2020-03-02", std::nullopt}, {"2025-03-03", "대체공휴일"}, {"2026-03-02", "대체공휴일"},
      {"2026-08-17", "대체공휴일"}, {"2026-10-05", "대체공휴일"}, {"2026-06-08", std::nullopt},
      // 부처님오신날 and 성탄절 from May 2023.
      {"2022-05-09", std::nullopt}, {"2023-05-29", "대체공휴일"}, {"2026-05-25", "대체공휴일"},
      // Declared days.
      {"2024-04-10", "국회의원선거"}, {"2025-06-03", "대통령선거"}, {"2026-06-03", "지방선거"},
      {"2024-10-01", "임시공휴일"}, {"2025-01-27", "임시공휴일"}, {"2020-08-17", "임시공휴일"},
      // Rules that start, end or change.
      {"1998-01-02", ""}, {"1999-01-02", std::nullopt}, {"1990-10-01", "국군의날"}, {"1991-10-01", std::nullopt},
      {"1990-10-09", "한글날"}, {"2012-10-09", std::nullopt}, {"2013-10-09", "한글날"},
      {"2005-04-05", "식목일"}, {"2006-04-05", std::nullopt}, {"2007-07-17", "제헌절"}, {"2008-07-17", std::nullopt},
      {"2017-05-03", "석가탄신일"}, {"2018-05-22", "부처님오신날"},
      // 추석 on 개천절: one name, always 추석.
      {"1990-10-03", "추석"}, {"2028-10-03", "추석"},
  };
  HolidayCalendar calendar;
  for (const Case& c : cases) EXPECT_EQ(calendar.nameOf(c.date), c.name) << c.date;
}

std::string listOf(int year) {
  std::string text;
  for (const HolidayDay& day : publicHolidaysOf(year)) text += day.date.substr(5) + " " + day.name + "\n";
  return text;
}

// Whole years, so that no day beyond the published ones is off.
TEST(PublicHolidays, WholeYearsAsPublished) {
  EXPECT_EQ(listOf(2017),
            "01-01 신정\n01-27 \n01-28 설날\n01-29 \n01-30 대체공휴일\n03-01 삼일절\n05-03 석가탄신일\n"
            "05-05 어린이날\n05-09 대통령선거\n06-06 현충일\n08-15 광복절\n10-02 임시공휴일\n10-03 개천절\n"
            "10-04 추석\n10-05 \n10-06 대체공휴일\n10-09 한글날\n12-25 성탄절\n");
  EXPECT_EQ(listOf(2025),
            "01-01 신정\n01-27 임시공휴일\n01-28 \n01-29 설날\n01-30 \n03-01 삼일절\n03-03 대체공휴일\n"
            "05-05 부처님오신날\n05-06 대체공휴일\n06-03 대통령선거\n06-06 현충일\n08-15 광복절\n10-03 개천절\n"
            "10-05 \n10-06 추석\n10-07 \n10-08 대체공휴일\n10-09 한글날\n12-25 성탄절\n");
  EXPECT_EQ(listOf(2026),
            "01-01 신정\n02-16 \n02-17 설날\n02-18 \n03-01 삼일절\n03-02 대체공휴일\n05-05 어린이날\n"
            "05-24 부처님오신날\n05-25 대체공휴일\n06-03 지방선거\n06-06 현충일\n08-15 광복절\n08-17 대체공휴일\n"
            "09-24 \n09-25 추석\n09-26 \n10-03 개천절\n10-05 대체공휴일\n10-09 한글날\n12-25 성탄절\n");
}

// Every year of the rules: thirteen to twenty-two days, in date order, the lunar days on their
// lunar dates; nothing outside the rules' years.
TEST(PublicHolidays, EveryYearOfTheRules) {
  for (int year = 1990; year <= 2050; ++year) {
    const std::vector<HolidayDay> days = publicHolidaysOf(year);
    EXPECT_GE(days.size(), 13u) << year;
    EXPECT_LE(days.size(), 22u) << year;
    for (std::size_t i = 1; i < days.size(); ++i) EXPECT_LT(days[i - 1].date, days[i].date) << year;
    int lunarDays = 0;
    for (const HolidayDay& day : days) {
      if (day.name != "설날" && day.name != "추석" && day.name != "석가탄신일" && day.name != "부처님오신날") continue;
      const DateFields f = readDateText(day.date);
      const std::optional<LunarDate> lunar = solarToLunar(f.year, f.month, f.day);
      ASSERT_TRUE(lunar) << day.date;
      EXPECT_FALSE(lunar->leap) << day.date;
      EXPECT_EQ(lunar->day, day.name == "설날" ? 1 : day.name == "추석" ? 15 : 8) << day.date;
      ++lunarDays;
    }
    // 추석 may share its day with 개천절 and keep the name; 부처님오신날 with 어린이날.
    EXPECT_EQ(lunarDays, 3) << year;
  }
  EXPECT_TRUE(publicHolidaysOf(1989).empty());
  EXPECT_TRUE(publicHolidaysOf(2051).empty());
}

}  // namespace
}  // namespace coinest
