// coinest-cli book on a small book written with the library.

#include <gtest/gtest.h>

#include "ledger/entry_rules.h"
#include "platform/clock.h"
#include "platform/device_root.h"
#include "store/asset_table.h"
#include "store/book_tables.h"
#include "support/book_fixture.h"
#include "support/cli_runner.h"
#include "support/record_builders.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

using testing::makeEntry;

void writeSmallBook(const std::filesystem::path& root) {
  testing::RootBook rootBook(root);
  Book& book = rootBook.book();
  const Asset account = testing::makeAsset({.id = 10001, .name = "급여"});
  EXPECT_TRUE(addAsset(book, account));
  const Asset card = testing::makeAsset({.id = 10002, .kind = "2", .name = "급여"});
  EXPECT_TRUE(addAsset(book, card));

  const LedgerEntry withdrawal = makeEntry({.id = 20003,
                                            .date = "2007-03-05",
                                            .kind = "3",
                                            .content = "인출",
                                            .amount = 100000,
                                            .assetId = account.assetId});
  LedgerEntry phoneBill = makeEntry({.id = 20004,
                                     .date = "2007-03-08",
                                     .content = "통신비",
                                     .amount = 45000,
                                     .cardFlag = "Y",
                                     .assetId = card.assetId});
  phoneBill.reserveId = 10005;
  const LedgerEntry salary = makeEntry({.id = 20002,
                                        .date = "2007-03-05",
                                        .kind = "1",
                                        .content = "월급",
                                        .amount = 1500000,
                                        .assetId = account.assetId});
  for (const LedgerEntry& e :
       {makeEntry({.id = 20001, .date = "2007-03-02", .content = "점심", .amount = 3000}), salary, withdrawal,
        phoneBill, makeEntry({.id = 20005, .date = "2007-04-01", .content = "다음달", .amount = 1000})}) {
    EXPECT_TRUE(addEntry(book, e));
  }
}

TEST(BookCommand, PrintsTheListTotalsAndSelection) {
  testing::TempDir dir;
  const std::filesystem::path root = dir / "root";
  writeSmallBook(root);

  struct Case {
    std::vector<std::string> args;
    int status;
    const char* out;
  };
  const Case cases[] = {
      {{"book", "2007-03-05"},
       0,
       "range\t2007-03-05\t2007-03-05\n"
       "row\t03/05\t[계]월급\t+1,500,000\t20002\n"
       "row\t03/05\t[이]인출\t100,000\t20003\n"
       "income\t1,500,000\nexpense\t0\ncash\t+100,000\nselected\t\n"},
      {{"book", "2007-03-05", "--mode", "W"},
       0,
       "range\t2007-03-04\t2007-03-10\n"
       "row\t03/05\t[계]월급\t+1,500,000\t20002\n"
       "row\t03/05\t[이]인출\t100,000\t20003\n"
       "row\t03/08\t@[카]통신비\t-45,000\t20004\n"
       "income\t1,500,000\nexpense\t45,000\ncash\t+100,000\nselected\t20003\n"},
      {{"book", "2007-03-31", "--mode", "M"},
       0,
       "range\t2007-03-01\t2007-03-31\n"
       "row\t03/02\t점심\t-3,000\t20001\n"
       "row\t03/05\t[계]월급\t+1,500,000\t20002\n"
       "row\t03/05\t[이]인출\t100,000\t20003\n"
       "row\t03/08\t@[카]통신비\t-45,000\t20004\n"
       "income\t1,500,000\nexpense\t48,000\ncash\t+97,000\nselected\t20004\n"},
      {{"book", "2007-06-15", "--mode", "M"},
       0,
       "range\t2007-06-01\t2007-06-30\nincome\t0\nexpense\t0\ncash\t0\nselected\t\n"},
      {{"book", "2007-02-30"}, 2, ""},
      {{"book", "1800-01-01"}, 2, ""},
      {{"book", "2007-3-5"}, 2, ""},
      {{"book", "2007-03-05", "--mode", "L"}, 2, ""},
      {{"book"}, 2, ""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"--root", root.string()};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const testing::CliRun run = testing::runCli(args, dir.path());
    const std::string label = c.args.size() > 1 ? c.args[1] + (c.args.size() > 3 ? " " + c.args[3] : "") : "none";
    EXPECT_EQ(run.status, c.status) << label << ": " << run.err;
    EXPECT_EQ(run.out, c.out) << label;
  }
}

// A content with line breaks, TABs and backslashes of its own stays inside its one row line: a
// reader of the output cannot be handed a second "income" line by what someone typed.
TEST(BookCommand, TextsCannotAddLinesOrFields) {
  testing::TempDir dir;
  const std::filesystem::path root = dir / "root";
  {
    testing::RootBook rootBook(root);
    EXPECT_TRUE(addEntry(rootBook.book(),
                         testing::makeEntry({.id = 20001, .content = "점심\nincome\t999\r\\n", .amount = 3000})));
  }
  const std::string row = "row\t03/05\t점심\\nincome\\t999\\r\\\\n\t-3,000\t20001\n";
  struct Case {
    std::vector<std::string> args;
    std::string out;
  };
  const Case cases[] = {
      {{"book", "2007-03-05"},
       "range\t2007-03-05\t2007-03-05\n" + row + "income\t0\nexpense\t3,000\ncash\t-3,000\nselected\t\n"},
      {{"query", "books", "--from", "2007-03-01", "--to", "2007-03-31"}, row + "income\t0\nexpense\t3,000\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"--root", root.string()};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const testing::CliRun run = testing::runCli(args, dir.path());
    EXPECT_EQ(run.status, 0) << c.args[0] << ": " << run.err;
    EXPECT_EQ(run.out, c.out) << c.args[0];
  }
}

}  // namespace
}  // namespace coinest
