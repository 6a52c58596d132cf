// coinest-cli export: the file format on standard output or in FILE, and its usage errors.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "ledger/entry_rules.h"
#include "store/entry_table.h"
#include "store/reserved_names.h"
#include "support/book_fixture.h"
#include "support/cli_runner.h"
#include "support/file_checks.h"
#include "support/record_builders.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

namespace fs = std::filesystem;

class ExportCommandTest : public ::testing::Test {
 protected:
  ExportCommandTest() {
    testing::RootBook rootBook(root());
    Book& book = rootBook.book();
    for (LedgerEntry e : {testing::makeEntry({.date = "2007-02-26", .content = "점심, 김밥", .amount = 6000}),
                          testing::makeEntry({.date = "2007-03-01",
                          .kind = kIncomeKind,
                          .major = kCarryOverCategory,
                          .minor = kCarryOverCategory,
                          .content = kCarryOverCategory,
                          .amount = 70000}),
                          testing::makeEntry({.date = "2007-03-02", .content = "=1+1", .amount = 500})}) {
      e.entryId = *newEntryId(book);
      EXPECT_TRUE(addEntry(book, e));
    }
  }

  fs::path root() const { return dir / "root"; }

  testing::CliRun cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--root", root().string(), "--today", "2007-03-05", "export"});
    return testing::runCli(args, dir.path());
  }

  testing::TempDir dir;
};

TEST_F(ExportCommandTest, StandardOutputIsTheFileItself) {
  testing::CliRun run = cli({"--format", "csv", "--to", "2007-02-28"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "\xEF\xBB\xBF일자,구분,대항목,소항목,내용,금액,결제수단,자산,할부,메모,ID\r\n"
            "2007-02-26,지출,식비,외식,\"점심, 김밥\",6000,현금,,,,10001\r\n");

  run = cli({"--format", "journal", "--from", "2007-03-01", "--to", "2007-03-01"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.out.starts_with("; Coinest 가계부 내보내기 2007-03-01~2007-03-01\n")) << run.out;
  EXPECT_TRUE(
      run.out.ends_with("2007-03-01 전월이월  ; id: 10002\n"
                        "    자산:현금           70000 KRW = 70000 KRW\n"
                        "    자본:전월이월      -70000 KRW\n"))
      << run.out;
}

TEST_F(ExportCommandTest, AFileHoldsExactlyWhatStandardOutputWould) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--format", "csv"}, {"--format", "journal"}, {"--format", "journal", "--from", "2007-03-01"}}) {
    const testing::CliRun shown = cli(args);
    ASSERT_EQ(shown.status, 0) << shown.err;
    std::vector<std::string> toFile = args;
    toFile.push_back((dir / "book.out").string());
    const testing::CliRun written = cli(toFile);
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(written.err, "");
    EXPECT_EQ(testing::readFileBytes(dir / "book.out"), shown.out) << args.back();
  }
}

TEST_F(ExportCommandTest, WrongFormatsAndDatesAreUsageErrors) {
  const struct {
    std::vector<std::string> args;
    std::string said;  // a part of the message
  } cases[] = {
      {{}, "--format"},
      {{"--format", "xlsx"}, "xlsx"},
      {{"--format", "CSV "}, "CSV"},
      {{"--format", "csv", "--from", "2007-02-30"}, "2007-02-30"},
      {{"--format", "csv", "--to", "20070301"}, "20070301"},
      {{"--format", "csv", "--from", "2007-3-1"}, "2007-3-1"},
      {{"--format", "journal", "--from", "2007-03-02", "--to", "2007-03-01"},
       "--from 2007-03-02 is after --to 2007-03-01 (시작일이 종료일보다 늦습니다)"},
  };
  for (const auto& c : cases) {
    const testing::CliRun run = cli(c.args);
    EXPECT_EQ(run.status, 2) << c.said;
    EXPECT_EQ(run.out, "") << c.said;
    EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
  }
}

TEST_F(ExportCommandTest, AFileThatCannotBeWrittenFailsWithTheMessageAndLeavesNothing) {
  std::ofstream(dir / "plain") << "a file, not a folder";
  const std::set<std::string> before = testing::namesIn(dir.path());
  for (const fs::path& target : {dir / "missing" / "book.csv", dir / "plain" / "book.csv"}) {
    const testing::CliRun run = cli({"--format", "csv", target.string()});
    EXPECT_EQ(run.status, 1) << target;
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("내보내기에 실패했습니다: "), std::string::npos) << run.err;
    std::set<std::string> after = testing::namesIn(dir.path());
    after.erase("cli-stderr.txt");  // the runner's own
    EXPECT_EQ(after, before) << target;
  }
}

}  // namespace
}  // namespace coinest
