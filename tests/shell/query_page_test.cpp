#include "shell/query_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ledger/book_view.h"
#include "ledger/entry_rules.h"
#include "store/entry_table.h"
#include "support/record_builders.h"
#include "support/shell_fixture.h"

namespace coinest {
namespace {

using testing::makeEntry;
using Row = std::vector<std::string>;

// Today is 2007-03-05: the books and account queries start on 2007-03-01 to 2007-03-05, the card
// query on March 2007 for every card.
class QueryPageTest : public ::testing::Test {
 protected:
  QueryPageTest() {
    context().query.model = startQueryPageState(f.book().clock);
    account = testing::addNewAsset(f.book(), {.kind = kBankAccountKind, .name = "A", .balance = 100000});
    card = testing::addNewAsset(f.book(), {.kind = kCreditCardKind, .name = "card"});
    salary = add(makeEntry({.date = "2007-03-02", .kind = kIncomeKind, .content = "월급", .amount = 30000}));
    groceries = add(makeEntry({.date = "2007-03-03", .content = "장보기", .amount = 10000, .assetId = account.assetId}));
    withdrawal = add(makeEntry({.date = "2007-03-04", .kind = kTransferKind, .minor = "현금 인출", .content = "인출",
                                .amount = 5000, .assetId = account.assetId}));
    cardExpense = add(makeEntry({.date = "2007-03-04", .content = "카드", .amount = 12000, .cardFlag = kYes,
                                 .assetId = card.assetId, .instalments = 3}));
    add(makeEntry({.date = "2007-02-28", .content = "지난달", .amount = 2000}));
    f.showPage(PageQuery);
  }

  int32_t add(LedgerEntry e) {
    e.entryId = *newEntryId(f.book());
    EXPECT_TRUE(addEntry(f.book(), e));
    return e.entryId;
  }

  ShellContext& context() { return f.context(); }
  Screen& screen() { return f.screen(); }
  std::vector<Row> rows() { return screen().at(kQueryList).rows; }
  const std::string& text(int id) { return screen().at(id).text; }
  int32_t selectedId() {
    return std::stoi(std::string(screen().cell(kQueryList, screen().selectedRow(kQueryList), 3)));
  }
  void select(int row) {
    screen().selectRow(kQueryList, row);
    querySelectionChanged(context(), row);
  }

  testing::ShellContextFixture f;
  Asset account;
  Asset card;
  int32_t salary = 0;
  int32_t groceries = 0;
  int32_t withdrawal = 0;
  int32_t cardExpense = 0;
};

TEST_F(QueryPageTest, TheBooksQueryListsItsPeriodWithTotalsAndReadsAgainOnlyOnRebuild) {
  rebuildQueryList(context());
  const std::vector<Row> expected = {
      {"03/02", "월급", "+30,000", std::to_string(salary)},
      {"03/03", "[계]장보기", "-10,000", std::to_string(groceries)},
      {"03/04", "[카]카드", "-12,000", std::to_string(cardExpense)},
      {"03/04", "[이]인출", "5,000", std::to_string(withdrawal)},
  };
  EXPECT_EQ(rows(), expected);
  EXPECT_EQ(screen().selectedRow(kQueryList), 0);
  EXPECT_EQ(text(21076), "30,000");  // the transfer counts in neither total
  EXPECT_EQ(text(21077), "22,000");
  EXPECT_EQ(text(21068), "2007-03-01");
  EXPECT_EQ(text(21069), "~ 2007-03-05");
  EXPECT_EQ(text(21071), "전체");
  EXPECT_EQ(text(21073), "");
  EXPECT_TRUE(screen().at(21097).pressed);
  EXPECT_FALSE(screen().at(21115).pressed);

  // Shown again, the page refilters what it read; a rebuild (the book changed) reads again.
  add(makeEntry({.date = "2007-03-05", .content = "새것", .amount = 1000}));
  restoreQueryList(context());
  EXPECT_EQ(rows().size(), 4u);
  rebuildQueryList(context());
  EXPECT_EQ(rows().size(), 5u);
  EXPECT_EQ(text(21077), "23,000");
}

TEST_F(QueryPageTest, ShownAgainTheRememberedEntryStaysSelectedThroughAFilterChange) {
  rebuildQueryList(context());
  select(2);
  ASSERT_EQ(selectedId(), cardExpense);

  BooksCriteria& criteria = context().query.model.criteria.books;
  criteria.filterCode = kFilterCardExpense;
  restoreQueryList(context());
  EXPECT_EQ(rows().size(), 1u);
  EXPECT_EQ(selectedId(), cardExpense);
  EXPECT_EQ(text(21071), "카드지출");
  EXPECT_EQ(text(21073), "전체");
  EXPECT_EQ(text(21076), "0");
  EXPECT_EQ(text(21077), "12,000");

  criteria.filterCode = kFilterIncome;
  restoreQueryList(context());
  EXPECT_EQ(selectedId(), salary);
}

TEST_F(QueryPageTest, EachKindShowsItsFieldGroupRowsAndTotals) {
  AccountCriteria& chosen = context().query.model.criteria.account;
  chosen.accountFilter = account.assetId;
  chosen.company = account.company;
  chosen.assetName = account.assetName;

  setQueryKind(context(), QueryKind::Account);
  EXPECT_EQ(rows(), (std::vector<Row>{{"03/03", "장보기", "-10,000", std::to_string(groceries)},
                                      {"03/04", "인출", "-5,000", std::to_string(withdrawal)}}));
  EXPECT_EQ(text(21121), "A bank");
  EXPECT_EQ(text(21123), "A");
  EXPECT_EQ(text(21129), "+85,000");
  EXPECT_EQ(text(21119), "~ 2007-03-05");
  EXPECT_TRUE(screen().at(21129).visible);
  EXPECT_FALSE(screen().at(21076).visible);
  EXPECT_TRUE(screen().at(21115).pressed);
  EXPECT_EQ(context().state.queryKind, QueryKind::Account);
  EXPECT_EQ(screen().focus, kQueryList);

  // The card without a billing period is read over the books query's period.
  setQueryKind(context(), QueryKind::Card);
  EXPECT_EQ(rows(), (std::vector<Row>{{"03/04", "[1/3]카드", "4,000", std::to_string(cardExpense)}}));
  EXPECT_EQ(text(21100), "2007년 3월");
  EXPECT_EQ(text(21102), "전체");
  EXPECT_EQ(text(21108), "4,000");
  EXPECT_EQ(text(21110), "8,000");
  EXPECT_TRUE(screen().at(21100).visible);
  EXPECT_FALSE(screen().at(21129).visible);
  EXPECT_FALSE(screen().at(21097).pressed);
  EXPECT_EQ(context().state.queryKind, QueryKind::Card);
}

TEST_F(QueryPageTest, TheDetailPanelShowsTheSelectedEntryAndFollowsTheSelection) {
  rebuildQueryList(context());
  showQueryDetail(context());
  EXPECT_EQ(context().state.queryPanel, PanelMode::Detail);
  EXPECT_EQ(screen().commandBar.visibleSet, 2);
  EXPECT_TRUE(screen().at(21082).visible);
  EXPECT_FALSE(screen().at(21068).visible);  // the field group is under the panel
  EXPECT_EQ(text(21079), "월급");
  EXPECT_EQ(text(21111), "고정수입 - 급여");

  select(1);
  const std::optional<EntryDetail> detail = entryDetail(f.book(), groceries);
  ASSERT_TRUE(detail.has_value());
  EXPECT_EQ((Row{text(21079), text(21080), text(21081), text(21111), text(21082)}),
            Row(detail->begin(), detail->end()));
  EXPECT_EQ(text(21079), "장보기");
  EXPECT_EQ(text(21081), "A bank A ");

  hideQueryDetail(context());
  EXPECT_EQ(context().state.queryPanel, PanelMode::List);
  EXPECT_EQ(screen().commandBar.visibleSet, 1);
  EXPECT_FALSE(screen().at(21082).visible);
  EXPECT_TRUE(screen().at(21068).visible);
  EXPECT_EQ(screen().focus, kQueryList);

  // An empty list has no detail.
  setQueryKind(context(), QueryKind::Account);  // no account chosen
  ASSERT_EQ(screen().rowCount(kQueryList), 0);
  showQueryDetail(context());
  EXPECT_EQ(context().state.queryPanel, PanelMode::List);
}

}  // namespace
}  // namespace coinest
