#include <gtest/gtest.h>

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

}  // namespace
}  // namespace coinest
