#include "shell/statistics_model.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ledger/entry_rules.h"
#include "shell/settlement_page.h"
#include "shell/shell_context.h"
#include "store/asset_kind.h"
#include "store/table_catalogue.h"
#include "store/entry_table.h"
#include "support/book_fixture.h"
#include "support/record_builders.h"
#include "support/shell_fixture.h"

namespace coinest {
namespace {

class StatisticsTest : public ::testing::Test {
 protected:
  Book& book() { return fx.book(); }

  void add(const char* date, const char* kind, const char* major, int32_t amount, bool byCard = false) {
    LedgerEntry e = testing::makeEntry(date, kind, amount);
    e.entryId = *newEntryId(book());
    e.majorItem = major;
    e.minorItem = major;
    if (byCard) {
      e.cardFlag = "Y";
      e.instalments = 3;
    }
    ASSERT_TRUE(addEntry(book(), e));
  }

  static std::vector<std::string> lines(const std::vector<SpendingShare>& shares) {
    std::vector<std::string> out;
    for (const SpendingShare& s : shares) out.push_back(s.name + " " + s.totalText + " " + s.shareText);
    return out;
  }

  testing::BookFixture fx;
};

TEST_F(StatisticsTest, MonthSpendingIsTheSettlementsExpenseRowsLargestFirst) {
  add("2007-03-02", "1", "고정수입", 500000);
  add("2007-03-01", "1", "전월이월", 70000);
  add("2007-03-04", "2", "식비", 30000);
  add("2007-03-06", "2", "식비", 20000, true);     // a card purchase counts once, whole, in its month
  add("2007-03-05", "2", "주거/통신", 120000);
  add("2007-03-07", "2", "생활용품", 50000);        // the same as 식비: the page's order decides
  add("2007-03-25", "2", "카드대금", 90000);        // paying a bill is no spending
  add("2007-03-09", "2", "사라진항목", 5000);       // a deleted category still counts
  add("2007-04-01", "2", "식비", 777);              // the next month

  const SpendingBreakdown month = spendingBreakdown(settleMonth(book(), {2007, 3}, 1, {}));
  EXPECT_EQ(month.period.heading, "2007년 3월 (3/1~3/31)");
  EXPECT_EQ(month.expenseText, "225,000");
  EXPECT_EQ(lines(month.shares), (std::vector<std::string>{"주거/통신 120,000 53.3%", "식비 50,000 22.2%",
                                                           "생활용품 50,000 22.2%", "사라진항목 5,000 2.2%"}));
  TotalAmount sum = 0;
  for (const SpendingShare& s : month.shares) sum += s.total;
  EXPECT_EQ(sum, month.expense);

  // A month without expense has no shares and no division by zero.
  const SpendingBreakdown empty = spendingBreakdown(settleMonth(book(), {2007, 5}, 1, {}));
  EXPECT_TRUE(empty.shares.empty());
  EXPECT_EQ(empty.expense, 0);
}

TEST(PieSlicesTest, TheSmallestSharesBeyondTheLimitBecomeOneSlice) {
  SpendingBreakdown b;
  b.expense = 1000;
  for (int i = 0; i < 5; ++i) b.shares.push_back({"m" + std::to_string(i), 400 - 100 * i, "", 0, ""});  // 400..0
  b.shares.back().total = 50;  // 400, 300, 200, 100, 50 (sum 1050 is fine for the test)

  EXPECT_EQ(pieSlices(b, 5).size(), 5u);  // at the limit: as they are
  const std::vector<SpendingShare> three = pieSlices(b, 3);
  ASSERT_EQ(three.size(), 3u);
  EXPECT_EQ(three[0].name, "m0");
  EXPECT_EQ(three[1].name, "m1");
  EXPECT_EQ(three[2].name, "나머지 3개");
  EXPECT_EQ(three[2].total, 350);
  EXPECT_EQ(three[2].shareText, "35.0%");

  // Which slice each share is drawn in, for the colours of the list beside the pie.
  std::vector<std::size_t> slicesOfShares;
  for (std::size_t i = 0; i < b.shares.size(); ++i) slicesOfShares.push_back(pieSliceOf(i, b.shares.size(), 3));
  EXPECT_EQ(slicesOfShares, (std::vector<std::size_t>{0, 1, 2, 2, 2}));
  EXPECT_EQ(pieSliceOf(4, 5, 5), 4u);
}

TEST_F(StatisticsTest, TrendSumsTwelveSettlementMonthsAsTheSettlementDoes) {
  // Start day 25: the settlement month 2006-12 runs from 12/25 to 1/24.
  add("2006-03-24", "2", "식비", 1);       // before the first month (2006-03 starts on 3/25)
  add("2006-03-25", "1", "고정수입", 100);  // the first month
  add("2006-12-31", "2", "식비", 40);
  add("2007-01-24", "2", "식비", 2, true);
  add("2007-01-25", "1", "고정수입", 300);  // 2007-01
  add("2007-02-26", "2", "카드대금", 999);  // out of both
  add("2007-03-24", "1", "전월이월", 999);
  add("2007-03-24", "2", "식비", 60);       // the last month, 2007-02 (2/25~3/24)
  add("2007-03-25", "2", "식비", 5);        // after it

  const IncomeExpenseTrend trend = incomeExpenseTrend(book(), {2007, 2}, 25);
  EXPECT_EQ(trend.months.front().month, (YearMonth{2006, 3}));
  EXPECT_EQ(trend.months.front().label, "06.3");
  EXPECT_EQ(trend.months[9].label, "12월");
  EXPECT_EQ(trend.months[10].label, "07.1");
  EXPECT_EQ(trend.months.back().label, "2월");
  EXPECT_EQ(trend.months[0].income, 100);
  EXPECT_EQ(trend.months[9].expense, 42);
  EXPECT_EQ(trend.months[10].income, 300);
  EXPECT_EQ(trend.months[11].expense, 60);
  EXPECT_EQ(trend.months[11].difference(), -60);
  EXPECT_EQ(trend.income, 400);
  EXPECT_EQ(trend.expense, 102);
  EXPECT_EQ(trend.difference(), 298);
  for (const MonthTotals& m : trend.months) {
    const Settlement s = settleMonth(book(), m.month, 25, {});
    EXPECT_EQ(m.income, s.totals.income) << m.label;
    EXPECT_EQ(m.expense, s.totals.expense) << m.label;
  }
}

TEST_F(StatisticsTest, ModelMovesAsTheSettlementPageAndReadsAgainAfterAMove) {
  add("2007-02-10", "2", "식비", 10);
  add("2007-03-10", "2", "식비", 30);
  StatisticsModel model(book(), {2007, 3}, 1);
  EXPECT_EQ(model.spending().expense, 30);
  EXPECT_EQ(model.trendHeading(), "2006년 4월 ~ 2007년 3월");
  model.move(SettlementMove::Previous);
  EXPECT_EQ(model.month(), (YearMonth{2007, 2}));
  EXPECT_EQ(model.spending().expense, 10);
  EXPECT_EQ(model.trend().months.back().expense, 10);
  model.move(SettlementMove::Next);
  model.move(SettlementMove::Next);
  EXPECT_EQ(model.month(), (YearMonth{2007, 4}));
  EXPECT_EQ(model.spending().expense, 0);
  model.move(SettlementMove::Current);  // today is 2007-03-05
  EXPECT_EQ(model.month(), (YearMonth{2007, 3}));
  EXPECT_TRUE(model.readStatus());
}

TEST(StatisticsOfShellTest, OpensOnTheSettlementPagesMonthWithTheSettingsStartDay) {
  testing::ShellContextFixture fx;  // today 2007-03-05
  fx.state().settings.settlementStartDay = "25";
  fx.state().settlementMonth = 0;
  // No month shown yet: the settlement month of today, February with start day 25.
  StatisticsModel opened = StatisticsModel::ofShell(fx.context());
  EXPECT_EQ(opened.month(), (YearMonth{2007, 2}));
  EXPECT_EQ(opened.startDay(), 25);
  EXPECT_EQ(opened.spending().period.heading, "2007년 2월 (2/25~3/24)");

  // The page moved back a month: the window follows it.
  fx.state().settlementYear = 2006;
  fx.state().settlementMonth = 12;
  EXPECT_EQ(StatisticsModel::ofShell(fx.context()).month(), (YearMonth{2006, 12}));
  EXPECT_EQ(shownSettlementMonth(fx.context()), (YearMonth{2006, 12}));
}

TEST_F(StatisticsTest, AReadThatFailedIsToldAndReadAgainAtTheNextLook) {
  add("2007-03-03", "2", "식비", 30000);
  StatisticsModel model(book(), {2007, 3}, 1);
  fx.store().dropTable(kBooksTable);
  EXPECT_EQ(model.spending().expense, 0);
  EXPECT_FALSE(model.readStatus());
  EXPECT_FALSE(model.readStatus().reason().empty());

  // The table is back (empty, then with an entry): the next look reads it, nothing stale is kept.
  ASSERT_TRUE(createBookTable(fx.store(), kBooksTable));
  add("2007-03-04", "2", "식비", 1200);
  EXPECT_EQ(model.spending().expense, 1200);
  EXPECT_TRUE(model.readStatus());
}

}  // namespace
}  // namespace coinest
