#include "calendar/user_holidays.h"

#include <gtest/gtest.h>

#include <fstream>

#include "calendar/holiday_calendar.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

TEST(UserHolidays, GoodLinesAreReadAndEachBadLineReportedWithItsNumber) {
  const std::string text =
      "# family days\n"
      "2027-05-01\t근로자의 날\r\n"
      "\n"
      "2027-05-02\n"
      "2027-02-30\t없는 날\n"
      "27-05-03\t짧은 해\n"
      "2027-05-04\t\xff\xfe\n"
      "2027-05-05\ta\tb\n"
      "2027-05-01\t두 번째\n"
      "2027-06-10\t\n"
      "2027-06-12\t" +
      std::string(kUserHolidayLineMaxBytes - 10, 'x') + "\n2027-06-11\t결혼기념일\n" + "2027-07-01" + '\0' + "x\t널" +
      "\n2027-07-02\xff\t깨진 날";
  const UserHolidays read = parseUserHolidays(text);
  const std::vector<HolidayDay> days = {{"2027-05-01", "근로자의 날"}, {"2027-06-10", ""}, {"2027-06-11", "결혼기념일"}};
  EXPECT_EQ(read.days, days);
  const std::vector<std::string> problems = {
      "holidays.txt: line 4: no TAB between the date and the name",
      "holidays.txt: line 5: \"2027-02-30\" is not a date of the form YYYY-MM-DD",
      "holidays.txt: line 6: \"27-05-03\" is not a date of the form YYYY-MM-DD",
      "holidays.txt: line 7: the name is not UTF-8 text",
      "holidays.txt: line 8: the name holds a TAB or another control character",
      "holidays.txt: line 9: 2027-05-01 is named already on line 2",
      "holidays.txt: line 11: longer than 200 bytes",
      // A date with bytes that are no text is not repeated in the report.
      "holidays.txt: line 13: the date is not of the form YYYY-MM-DD",
      "holidays.txt: line 14: the date is not of the form YYYY-MM-DD",
  };
  EXPECT_EQ(read.problems, problems);
}

TEST(UserHolidays, TheFileUnderTheRoot) {
  testing::TempDir root;
  EXPECT_TRUE(loadUserHolidays(root.path()).days.empty());
  EXPECT_TRUE(loadUserHolidays(root.path()).problems.empty());

  { std::ofstream(root / kUserHolidaysFileName) << "2030-01-02\t휴가\nnonsense\n"; }
  UserHolidays read = loadUserHolidays(root.path());
  EXPECT_EQ(read.days, (std::vector<HolidayDay>{{"2030-01-02", "휴가"}}));
  EXPECT_EQ(read.problems, std::vector<std::string>{"holidays.txt: line 2: no TAB between the date and the name"});

  // A folder in the file's place is reported, not read.
  std::filesystem::remove(root / kUserHolidaysFileName);
  std::filesystem::create_directory(root / kUserHolidaysFileName);
  read = loadUserHolidays(root.path());
  EXPECT_TRUE(read.days.empty());
  ASSERT_EQ(read.problems.size(), 1u);
  EXPECT_EQ(read.problems[0].rfind("holidays.txt: ", 0), 0u) << read.problems[0];
}

// The user's days join the public ones; a public holiday keeps its name, and a user's day moves
// no substitute holiday.
TEST(UserHolidays, InTheHolidayCalendar) {
  HolidayCalendar calendar;
  EXPECT_EQ(calendar.nameOf("2026-05-01"), std::nullopt);  // read once before the days arrive
  calendar.setUserDays({{"2026-05-01", "근로자의 날"}, {"2026-05-05", "가족 소풍"}, {"2026-05-04", "연차"},
                        {"2026-05-01", "나중 것"}, {"1985-03-02", "옛날"}});
  EXPECT_EQ(calendar.nameOf("2026-05-01"), "근로자의 날");
  EXPECT_EQ(calendar.nameOf("2026-05-05"), "어린이날");
  EXPECT_EQ(calendar.nameOf("2026-05-04"), "연차");
  EXPECT_EQ(calendar.nameOf("2026-05-06"), std::nullopt);
  EXPECT_EQ(calendar.nameOf("1985-03-02"), "옛날");
  EXPECT_EQ(calendar.nameOf("2026-5-1"), std::nullopt);
  EXPECT_EQ(calendar.holidaysOf(2026).size(), 22u);
}

}  // namespace
}  // namespace coinest
