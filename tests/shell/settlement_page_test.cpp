#include "shell/settlement_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ledger/entry_rules.h"
#include "store/entry_table.h"
#include "support/record_builders.h"
#include "support/shell_fixture.h"

namespace coinest {
namespace {

using testing::makeEntry;

// The settlement page of a book with a few entries of March 2007, showing only categories with
// entries so the lists stay short.
class SettlementPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fx.state().settings.showUsedOnly = kYes;
    fx.showPage(PageSettlement);
  }

  int32_t add(const char* date, const char* kind, const char* major, const char* minor, int32_t amount,
              const char* cardFlag = kNo) {
    LedgerEntry e = makeEntry({.date = date, .kind = kind, .major = major, .minor = minor, .amount = amount,
                               .cardFlag = cardFlag});
    e.entryId = *newEntryId(fx.book());
    e.content = "c" + std::to_string(e.entryId);
    EXPECT_TRUE(addEntry(fx.book(), e));
    return e.entryId;
  }

  // "group|name|total" of each row of a list, the hidden column left out.
  std::vector<std::string> rows(int listId) {
    std::vector<std::string> lines;
    for (const ListRowCells& r : screen().at(listId).rows) lines.push_back(r[0] + "|" + r[1] + "|" + r[2]);
    return lines;
  }
  Screen& screen() { return fx.screen(); }
  ShellContext& context() { return fx.context(); }
  int rowNamed(const std::string& name) {
    const auto& all = screen().at(kSettlementList).rows;
    for (std::size_t i = 0; i < all.size(); ++i) {
      if (all[i][1] == name) return static_cast<int>(i);
    }
    return -1;
  }

  testing::ShellContextFixture fx;
};

TEST_F(SettlementPageTest, RowsMonthHeadingAndTheTenTotals) {
  add("2007-03-01", kIncomeKind, "전월이월", "전월이월", 7000);
  add("2007-03-02", kIncomeKind, "고정수입", "급여", 100000);
  add("2007-03-04", kExpenseKind, "식비", "외식", 3000);
  add("2007-03-06", kExpenseKind, "식비", "외식", 30000, kYes);
  add("2007-04-01", kExpenseKind, "주거/통신", "월세", 777);  // the next month

  rebuildSettlementList(context());

  EXPECT_EQ(rows(kSettlementList), (std::vector<std::string>{"수입|고정수입|100,000", "지출|식비|33,000"}));
  EXPECT_EQ(screen().cell(kSettlementList, 1, 3), "2\t식비");
  EXPECT_EQ(screen().at(21066).text, "2007년 3월 (3/1~3/31)");
  // 전월이월, 수입계, 지출계, 잔액, 현금수입, 계좌수입, 현금지출, 계좌지출, 카드지출, 기타지출.
  const int fields[] = {21055, 21057, 21059, 21061, 21094, 21096, 21063, 21090, 21065, 21092};
  const char* expected[] = {"7,000", "100,000", "33,000", "+67,000", "100,000", "0", "3,000", "0", "30,000", "0"};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(screen().at(fields[i]).text, expected[i]) << fields[i];
  EXPECT_EQ(screen().selectedRow(kSettlementList), 0);
  EXPECT_EQ(context().settlement.selectedName, "고정수입");
  EXPECT_EQ(context().settlement.periodKey, "2007-03-01");

  settlementSelectionChanged(context(), 1);
  EXPECT_EQ(context().settlement.selectedName, "식비");
  EXPECT_EQ(context().settlement.selectedKey, "2\t식비");
  EXPECT_EQ(fx.state().selectedRow[static_cast<int>(ListPage::Settlement)], 1);
}

TEST_F(SettlementPageTest, MonthMovesCrossTheYearEndAndTodayHonoursTheStartDay) {
  add("2008-01-10", kExpenseKind, "식비", "외식", 1200);
  struct Case {
    YearMonth shown;
    int step;
    const char* startDay;
    YearMonth expected;
    const char* heading;
  };
  const Case cases[] = {
      {{2007, 12}, +1, "1", {2008, 1}, "2008년 1월 (1/1~1/31)"},
      {{2008, 1}, -1, "1", {2007, 12}, "2007년 12월 (12/1~12/31)"},
      {{2007, 12}, +1, "25", {2008, 1}, "2008년 1월 (1/25~2/24)"},
      // Today is 2007-03-05: before the 25th the settlement month is still February.
      {{2005, 7}, 0, "25", {2007, 2}, "2007년 2월 (2/25~3/24)"},
      {{2005, 7}, 0, "1", {2007, 3}, "2007년 3월 (3/1~3/31)"},
  };
  for (const Case& c : cases) {
    fx.state().settings.settlementStartDay = c.startDay;
    fx.state().settlementYear = c.shown.year;
    fx.state().settlementMonth = c.shown.month;
    screen().focus = 0;
    moveSettlementMonth(context(), c.step);
    EXPECT_EQ((YearMonth{fx.state().settlementYear, fx.state().settlementMonth}), c.expected) << c.heading;
    EXPECT_EQ(screen().at(21066).text, c.heading);
    EXPECT_EQ(context().settlement.periodKey, firstOfMonthText(c.expected.year, c.expected.month));
    EXPECT_EQ(screen().focus, kSettlementList);
  }
  // The year-month dialog's month, with start day 1: January 2008 holds the entry of the 10th.
  fx.state().settings.settlementStartDay = "1";
  showSettlementMonth(context(), 2008, 1);
  EXPECT_EQ(screen().at(21066).text, "2008년 1월 (1/1~1/31)");
  EXPECT_EQ(rows(kSettlementList), (std::vector<std::string>{"지출|식비|1,200"}));
  EXPECT_EQ(screen().at(21059).text, "1,200");
}

TEST_F(SettlementPageTest, SwitchTwiceReturnsTheListKeepsTheRowAndReusesTheRead) {
  add("2007-03-02", kIncomeKind, "고정수입", "급여", 100000);
  add("2007-03-04", kExpenseKind, "식비", "외식", 3000);
  add("2007-03-05", kExpenseKind, "식비", "주식", 2000);
  rebuildSettlementList(context());
  const std::vector<std::string> majors = rows(kSettlementList);
  settlementSelectionChanged(context(), rowNamed("식비"));

  toggleSettlementMinorRows(context());
  EXPECT_TRUE(screen().commandBar.minorRowsPressed);
  EXPECT_EQ(rows(kSettlementList), (std::vector<std::string>{"수입|고정수입|100,000", "| - 급여|100,000",
                                                             "지출|식비|5,000", "| - 주식|2,000", "| - 외식|3,000"}));
  EXPECT_EQ(screen().selectedRow(kSettlementList), rowNamed("식비"));

  // A minor row selected while the switch goes off leaves its major selected.
  settlementSelectionChanged(context(), rowNamed(" - 외식"));
  // The switch shows the kept read: an entry added meanwhile appears only once the read is forgotten.
  add("2007-03-07", kExpenseKind, "교통/차량", "대중교통", 900);
  toggleSettlementMinorRows(context());
  EXPECT_FALSE(screen().commandBar.minorRowsPressed);
  EXPECT_EQ(rows(kSettlementList), majors);
  EXPECT_EQ(screen().selectedRow(kSettlementList), rowNamed("식비"));
  EXPECT_EQ(screen().focus, kSettlementList);

  forgetSettlementRead(context());
  rebuildSettlementList(context());
  EXPECT_NE(rowNamed("교통/차량"), -1);
  EXPECT_EQ(screen().at(21059).text, "5,900");
}

TEST_F(SettlementPageTest, DetailListShowsTheSelectedRowsEntriesAndFollowsTheSelection) {
  const int32_t lunch = add("2007-03-04", kExpenseKind, "식비", "외식", 3000);
  const int32_t dinner = add("2007-03-06", kExpenseKind, "식비", "외식", 30000, kYes);
  const int32_t salary = add("2007-03-02", kIncomeKind, "고정수입", "급여", 100000);
  rebuildSettlementList(context());
  settlementSelectionChanged(context(), rowNamed("식비"));

  showSettlementDetail(context());
  EXPECT_EQ(fx.state().settlementPanel, PanelMode::Detail);
  EXPECT_EQ(screen().commandBar.visibleSet, 7);
  EXPECT_TRUE(screen().at(kSettlementDetailList).visible);
  EXPECT_FALSE(screen().at(21059).visible);
  const std::vector<ListRowCells> food = {{"03/04", "c" + std::to_string(lunch), "-3,000", std::to_string(lunch)},
                                          {"03/06", "[카]c" + std::to_string(dinner), "-30,000", std::to_string(dinner)}};
  EXPECT_EQ(screen().at(kSettlementDetailList).rows, food);

  settlementSelectionChanged(context(), rowNamed("고정수입"));
  ASSERT_EQ(screen().rowCount(kSettlementDetailList), 1);
  EXPECT_EQ(screen().cell(kSettlementDetailList, 0, 3), std::to_string(salary));
  EXPECT_EQ(screen().cell(kSettlementDetailList, 0, 2), "+100,000");

  hideSettlementDetail(context());
  EXPECT_EQ(fx.state().settlementPanel, PanelMode::List);
  EXPECT_EQ(screen().commandBar.visibleSet, 6);
  EXPECT_FALSE(screen().at(kSettlementDetailList).visible);
  EXPECT_TRUE(screen().at(21059).visible);
  EXPECT_EQ(screen().focus, kSettlementList);
}

TEST_F(SettlementPageTest, DetailNeedsRows) {
  rebuildSettlementList(context());  // March has no entries: nothing shows
  ASSERT_EQ(screen().rowCount(kSettlementList), 0);
  showSettlementDetail(context());
  EXPECT_EQ(fx.state().settlementPanel, PanelMode::List);
  EXPECT_EQ(screen().commandBar.visibleSet, 6);
}

TEST_F(SettlementPageTest, RestoreSelectsTheRememberedRowAgain) {
  add("2007-03-02", kIncomeKind, "고정수입", "급여", 100000);
  add("2007-03-04", kExpenseKind, "식비", "외식", 3000);
  rebuildSettlementList(context());
  settlementSelectionChanged(context(), 1);
  screen().selectRow(kSettlementList, 0);  // the window lost it meanwhile
  restoreSettlementList(context());
  EXPECT_EQ(screen().selectedRow(kSettlementList), 1);
  EXPECT_EQ(context().settlement.selectedName, "식비");
}

}  // namespace
}  // namespace coinest
