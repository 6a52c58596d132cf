#include <gtest/gtest.h>

#include <fstream>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

TEST(CalendarCommands, LunarAndHoliday) {
  testing::TempDir dir;
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* out;
  };
  const std::string root = (dir / "root").string();
  const Case cases[] = {
      {{"lunar", "2007-01-01"}, 0, "2006\t11\t13\t0\t(음11/13)\n"},
      {{"lunar", "2006-08-24"}, 0, "2006\t7\t1\t1\t(음윤7/1)\n"},
      {{"lunar", "1841-01-22"}, 1, ""},
      {{"lunar", "2007-02-30"}, 2, ""},
      {{"holiday", "2005-02-09"}, 0, "yes\t설날\n"},
      {{"holiday", "2005-02-08"}, 0, "yes\t\n"},
      {{"holiday", "2006-04-05"}, 0, "no\n"},
      {{"holiday", "tomorrow"}, 2, ""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"--root", root};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const testing::CliRun run = testing::runCli(args, dir.path());
    EXPECT_EQ(run.status, c.status) << c.args[1] << ": " << run.err;
    EXPECT_EQ(run.out, c.out) << c.args[1];
  }
}

// A year's holidays as DATE<TAB>NAME lines, the user's file read by the holiday commands with a bad
// line reported by its number, and the single-date lookup agreeing with the list.
TEST(CalendarCommands, HolidaysOfAYear) {
  testing::TempDir dir;
  const std::filesystem::path root = dir / "root";
  std::filesystem::create_directories(root);
  { std::ofstream(root / "holidays.txt") << "2026-05-01\t근로자의 날\n2026-13-01\t잘못\n"; }
  const std::vector<std::string> base = {"--root", root.string()};
  auto run = [&](std::vector<std::string> args) {
    args.insert(args.begin(), base.begin(), base.end());
    return testing::runCli(args, dir.path());
  };
  const testing::CliRun year = run({"holidays", "2026"});
  EXPECT_EQ(year.status, 0) << year.err;
  EXPECT_EQ(year.out,
            "2026-01-01\t신정\n2026-02-16\t\n2026-02-17\t설날\n2026-02-18\t\n2026-03-01\t삼일절\n"
            "2026-03-02\t대체공휴일\n2026-05-01\t근로자의 날\n2026-05-05\t어린이날\n2026-05-24\t부처님오신날\n"
            "2026-05-25\t대체공휴일\n2026-06-03\t지방선거\n2026-06-06\t현충일\n2026-08-15\t광복절\n"
            "2026-08-17\t대체공휴일\n2026-09-24\t\n2026-09-25\t추석\n2026-09-26\t\n2026-10-03\t개천절\n"
            "2026-10-05\t대체공휴일\n2026-10-09\t한글날\n2026-12-25\t성탄절\n");
  EXPECT_EQ(year.err, "holidays.txt: line 2: \"2026-13-01\" is not a date of the form YYYY-MM-DD\n");

  const testing::CliRun stored = run({"holidays", "2009"});
  EXPECT_EQ(stored.status, 0) << stored.err;
  EXPECT_NE(stored.out.find("2009-10-03\t추석\n"), std::string::npos) << stored.out;
  EXPECT_EQ(stored.out.find("2009-10-03\t개천절"), std::string::npos) << stored.out;

  const testing::CliRun day = run({"holiday", "2026-05-01"});
  EXPECT_EQ(day.out, "yes\t근로자의 날\n");
  EXPECT_EQ(day.err, year.err);
  // The commands that show no holidays leave the file alone.
  const testing::CliRun lunar = run({"lunar", "2026-05-01"});
  EXPECT_EQ(lunar.status, 0) << lunar.err;
  EXPECT_EQ(lunar.err, "");
  EXPECT_EQ(run({"holiday", "2026-10-05"}).out, "yes\t대체공휴일\n");
  EXPECT_EQ(run({"holidays", "1840"}).status, 2);
  EXPECT_EQ(run({"holidays", "next"}).status, 2);
}

}  // namespace
}  // namespace coinest
