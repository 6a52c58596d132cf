// card and query on a small book, run through the built coinest-cli.

#include <gtest/gtest.h>

#include <cstdlib>

#include "ledger/entry_rules.h"
#include "platform/device_root.h"
#include "store/asset_table.h"
#include "store/book_tables.h"
#include "store/entry_table.h"
#include "store/id_counters.h"
#include "support/book_fixture.h"
#include "support/cli_runner.h"
#include "support/record_builders.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

class QueryCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::RootBook rootBook(dir.path() / "root");
    Book& book = rootBook.book();

    account = addAssetRecord(book, "1", "A", false, 100000);
    monthly = addAssetRecord(book, "2", "K", true, 0);  // 전월 1일 ~ 전월 말일
    noPeriod = addAssetRecord(book, "2", "L", false, 0);
    tv = add(book, "2007-02-10", "2", 9000, "tv", monthly, true, 3);
    bread = add(book, "2007-02-20", "2", 5000, "bread", monthly, true, 1);
    fuel = add(book, "2007-03-02", "2", 2000, "fuel", noPeriod, true, 0);
    late = add(book, "2007-03-03", "2", 4000, "late", monthly, true, 0);
    pay = add(book, "2007-03-01", "1", 30000, "pay", account, false, 0);
    lunch = add(book, "2007-03-02", "2", 10000, "lunch", 0, false, 0);
    atm = add(book, "2007-03-04", "3", 5000, "atm", account, false, 0);
  }

  static int32_t addAssetRecord(Book& book, const char* kind, const char* name, bool monthlyPeriod, int32_t balance) {
    testing::AssetFields fields{.kind = kind, .name = name, .holder = "me", .company = "co", .balance = balance};
    if (monthlyPeriod) {
      fields.periodFromMonth = fields.periodToMonth = 2;
      fields.periodFromDay = 1;
      fields.periodToDay = 32;
    }
    return testing::addNewAsset(book, fields).assetId;
  }

  static int32_t add(Book& book, const char* date, const char* kind, int32_t amount, const char* content,
                     int32_t assetId, bool byCard, int32_t instalments) {
    const LedgerEntry e = testing::makeEntry({.id = *newEntryId(book),
                                              .date = date,
                                              .kind = kind,
                                              .major = *kind == '3' ? "현금" : "식비",
                                              .minor = *kind == '3' ? "현금 인출" : "외식",
                                              .content = content,
                                              .amount = amount,
                                              .cardFlag = byCard ? "Y" : "N",
                                              .assetId = assetId,
                                              .instalments = instalments});
    EXPECT_TRUE(addEntry(book, e));
    return e.entryId;
  }

  testing::CliRun cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--root", (dir.path() / "root").string(), "--today", "2007-03-05"});
    return testing::runCli(args, dir.path());
  }

  static std::string row(const char* date, const char* content, const char* amount, int32_t id) {
    return std::string("row\t") + date + "\t" + content + "\t" + amount + "\t" + std::to_string(id) + "\n";
  }

  testing::TempDir dir;
  int32_t account = 0, monthly = 0, noPeriod = 0;
  int32_t tv = 0, bread = 0, fuel = 0, late = 0, pay = 0, lunch = 0, atm = 0;
};

TEST_F(QueryCommandsTest, CardStatements) {
  struct Case {
    std::vector<std::string> args;
    std::string expected;
  };
  const Case cases[] = {
      // Card L has no billing period: it is read over the month so far (2007-03-01 .. today).
      {{"card", "2007", "3"},
       "month\t2007년 3월\n" + row("02/10", "[1/3]tv", "3,000", tv) + row("02/20", "bread", "5,000", bread) +
           row("03/02", "fuel", "2,000", fuel) + "billed\t10,000\ntocome\t10,000\n"},
      {{"card", "2007", "3", "--card", std::to_string(monthly)},
       "month\t2007년 3월\n" + row("02/10", "[1/3]tv", "3,000", tv) + row("02/20", "bread", "5,000", bread) +
           "billed\t8,000\ntocome\t10,000\n"},
      {{"card", "2007", "4", "--card", std::to_string(monthly)},
       "month\t2007년 4월\n" + row("02/10", "[2/3]tv", "3,000", tv) + row("03/03", "late", "4,000", late) +
           "billed\t7,000\ntocome\t3,000\n"},
      {{"card", "2007", "3", "--from", "2007-03-03", "--to", "2007-03-31"},
       "month\t2007년 3월\n" + row("02/10", "[1/3]tv", "3,000", tv) + row("02/20", "bread", "5,000", bread) +
           "billed\t8,000\ntocome\t10,000\n"},
  };
  for (const Case& c : cases) {
    const testing::CliRun run = cli(c.args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, c.expected) << c.args.size();
  }
}

TEST_F(QueryCommandsTest, BooksAndAccountQueries) {
  struct Case {
    std::vector<std::string> args;
    std::string expected;
  };
  const std::vector<std::string> march = {"--from", "2007-03-01", "--to", "2007-03-31"};
  auto with = [&](std::vector<std::string> head, std::vector<std::string> tail) {
    head.insert(head.end(), march.begin(), march.end());
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
  };
  const Case cases[] = {
      {with({"query", "books"}, {}),
       row("03/01", "[계]pay", "+30,000", pay) + row("03/02", "[카]fuel", "-2,000", fuel) +
           row("03/02", "lunch", "-10,000", lunch) + row("03/03", "[카]late", "-4,000", late) +
           row("03/04", "[이]atm", "5,000", atm) + "income\t30,000\nexpense\t16,000\n"},
      {with({"query", "books"}, {"--code", "4", "--asset", std::to_string(monthly)}),
       row("03/03", "[카]late", "-4,000", late) + "income\t0\nexpense\t4,000\n"},
      {with({"query", "books"}, {"--code", "B"}),
       row("03/02", "lunch", "-10,000", lunch) + row("03/04", "[이]atm", "5,000", atm) + "income\t0\nexpense\t10,000\n"},
      {with({"query", "books"}, {"--code", "2", "--major", "식비", "--minor", "주식"}), "income\t0\nexpense\t0\n"},
      {with({"query", "account"}, {"--account", std::to_string(account)}),
       row("03/01", "pay", "+30,000", pay) + row("03/04", "atm", "-5,000", atm) + "balance\t+125,000\n"},
  };
  for (const Case& c : cases) {
    const testing::CliRun run = cli(c.args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, c.expected) << c.args[1] << " " << c.args.size();
  }
}

TEST_F(QueryCommandsTest, WrongUsageExitsTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {"card", "2007", "13"},
      {"card", "1840", "1"},
      {"card", "2007", "3", "--card", std::to_string(account)},  // not a credit card
      {"card", "2007", "3", "--from", "2007-03-01"},            // --from needs --to
      {"query"},
      {"query", "books", "--from", "2007-03-01"},
      {"query", "books", "--from", "2007-03-01", "--to", "2007-03-31", "--code", "Z"},
      {"query", "books", "--from", "2007-3-1", "--to", "2007-03-31"},
      {"query", "account", "--from", "2007-03-01", "--to", "2007-03-31", "--account", std::to_string(monthly)},
  };
  for (const std::vector<std::string>& args : cases) {
    const testing::CliRun run = cli(args);
    EXPECT_EQ(run.status, 2) << args.back();
    EXPECT_EQ(run.out, "") << args.back();
  }
}

}  // namespace
}  // namespace coinest
