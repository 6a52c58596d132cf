// coinest-cli settle on a small book: the whole output, as the settlement page shows it.

#include <gtest/gtest.h>

#include <cstdlib>

#include "ledger/entry_rules.h"
#include "ledger/ledger_test_support.h"
#include "platform/device_root.h"
#include "store/book_tables.h"
#include "store/entry_table.h"
#include "support/book_fixture.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

class SettleCommandTest : public ::testing::Test {
 protected:
  // Runs the tool on the test's root.
  testing::CliRun settle(std::vector<std::string> args) {
    args.insert(args.begin(), {"--root", (dir / "root").string(), "--today", "2007-03-05"});
    return testing::runCli(args, dir.path());
  }

  testing::TempDir dir;
};

TEST_F(SettleCommandTest, PrintsTheSettlementWithTheBooksSettings) {
  {
    testing::RootBook rootBook(dir / "root");
    Book& book = rootBook.book();
    const int32_t bank = testing::addNewAsset(book, {.kind = kBankAccountKind, .name = "bank"}).assetId;
    const int32_t visa =
        testing::addNewAsset(book, {.kind = kCreditCardKind, .name = "visa", .linkOrPayDay = 25}).assetId;
    auto add = [&](const char* date, const char* kind, const char* major, const char* minor, int32_t amount,
                   int32_t assetId = 0, const char* cardFlag = "N") {
      LedgerEntry e = testing::makeEntry(date, kind, amount);
      e.entryId = *newEntryId(book);
      e.majorItem = major;
      e.minorItem = minor;
      e.assetId = assetId;
      e.cardFlag = cardFlag;
      EXPECT_TRUE(addEntry(book, e));
    };
    add("2007-02-24", "2", "식비", "외식", 1);  // before the 25th
    add("2007-02-25", "1", "고정수입", "급여", 2500000, bank);
    add("2007-02-28", "2", "식비", "주식", 12000);
    add("2007-03-01", "1", "전월이월", "전월이월", 80000);
    add("2007-03-02", "2", "식비", "외식", 30000, visa, "Y");
    add("2007-03-10", "2", "카드대금", "카드대금", 30000, bank);
    add("2007-03-24", "2", "의류비", "신발", 45000, bank);
    add("2007-03-25", "2", "의류비", "신발", 7);  // the next settlement month
  }

  testing::CliRun run = settle({"settle", "2007", "2"});
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "heading\t2007년 2월 (2/1~2/28)\n"
            "row\t수입\t고정수입\t2,500,000\n"
            "row\t\t기타수입\t0\n"
            "row\t지출\t식비\t12,001\n"
            "row\t\t주거/통신\t0\n"
            "row\t\t생활용품\t0\n"
            "row\t\t의류비\t0\n"
            "row\t\t육아/교육\t0\n"
            "row\t\t보건/미용\t0\n"
            "row\t\t문화생활비\t0\n"
            "row\t\t교통/차량\t0\n"
            "row\t\t세금/공과금\t0\n"
            "row\t\t경조사/회비\t0\n"
            "row\t\t용돈/기타\t0\n"
            "row\t\t금융\t0\n"
            "row\t\t저축/보험\t0\n"
            "전월이월\t0\n"
            "수입계\t2,500,000\n"
            "지출계\t12,001\n"
            "잔액\t+2,487,999\n"
            "현금수입\t0\n"
            "계좌수입\t2,500,000\n"
            "현금지출\t12,001\n"
            "계좌지출\t0\n"
            "카드지출\t0\n"
            "기타지출\t0\n");

  ASSERT_EQ(settle({"settings", "--start-day", "25", "--show-used-only", "Y"}).status, 0);
  run = settle({"settle", "2007", "2", "--minor"});
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "heading\t2007년 2월 (2/25~3/24)\n"
            "row\t수입\t고정수입\t2,500,000\n"
            "row\t\t - 급여\t2,500,000\n"
            "row\t지출\t식비\t42,000\n"
            "row\t\t - 주식\t12,000\n"
            "row\t\t - 외식\t30,000\n"
            "row\t\t의류비\t45,000\n"
            "row\t\t - 신발\t45,000\n"
            "전월이월\t80,000\n"
            "수입계\t2,500,000\n"
            "지출계\t87,000\n"
            "잔액\t+2,413,000\n"
            "현금수입\t0\n"
            "계좌수입\t2,500,000\n"
            "현금지출\t12,000\n"
            "계좌지출\t45,000\n"
            "카드지출\t30,000\n"
            "기타지출\t0\n");

  // A month without entries, shown used-only: no rows, every total 0.
  run = settle({"settle", "2006", "12"});
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "heading\t2006년 12월 (12/25~1/24)\n"
            "전월이월\t0\n수입계\t0\n지출계\t0\n잔액\t0\n현금수입\t0\n"
            "계좌수입\t0\n현금지출\t0\n계좌지출\t0\n카드지출\t0\n기타지출\t0\n");
}

TEST_F(SettleCommandTest, WrongArgumentsAreUsageErrors) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"settle", "2007", "13"}, {"settle", "2007", "0"}, {"settle", "2007"}, {"settle", "x", "3"}}) {
    const testing::CliRun run = settle(args);
    EXPECT_EQ(run.status, 2) << args.back();
    EXPECT_EQ(run.out, "") << args.back();
  }
}

}  // namespace
}  // namespace coinest
