#include "dialogs/query_books.h"

#include <gtest/gtest.h>

#include "dialogs/query_page_state.h"
#include "ledger/entry_rules.h"
#include "ledger/ledger_test_support.h"
#include "store/entry_table.h"
#include "support/book_fixture.h"

namespace coinest {
namespace {

using testing::makeEntry;

class BooksQueryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    account = testing::addNewAsset(book(), {.kind = kBankAccountKind, .name = "A", .balance = 100000}).assetId;
    criteria.queryFrom = "2007-03-01";
    criteria.queryTo = "2007-03-31";
  }

  int32_t add(LedgerEntry e) {
    e.entryId = *newEntryId(book());
    EXPECT_TRUE(addEntry(book(), e));
    return e.entryId;
  }

  Book& book() { return fx.book(); }
  testing::BookFixture fx;
  int32_t account = 0;
  BooksCriteria criteria;
  QueryRowCache cache;
};

TEST_F(BooksQueryTest, RowsAreSortedAndWrittenAsTheListShowsThem) {
  LedgerEntry salary = makeEntry("2007-03-10", "1", 30000);
  salary.assetId = account;
  salary.reserveId = 5;
  const int32_t salaryId = add(salary);
  const int32_t lunchId = add(makeEntry("2007-03-04", "2", 10000));
  LedgerEntry move = makeEntry("2007-03-04", "3", 5000);
  move.minorItem = "현금 입금";
  move.toAssetId = account;
  const int32_t moveId = add(move);
  const int32_t earlierLunchId = add(makeEntry("2007-03-04", "2", 2000));
  add(makeEntry("2007-02-28", "2", 999));  // outside the period
  add(makeEntry("2007-04-01", "1", 999));

  const BooksQueryView view = buildBooksQuery(book(), criteria, cache, earlierLunchId);
  EXPECT_EQ(view.rows, (std::vector<EntryListRow>{{"03/04", "test", "-10,000", lunchId},
                                                  {"03/04", "test", "-2,000", earlierLunchId},
                                                  {"03/04", "[이]test", "5,000", moveId},
                                                  {"03/10", "@[계]test", "+30,000", salaryId}}));
  EXPECT_EQ(view.selected, std::optional<std::size_t>(1));
  // A transfer counts in neither total.
  EXPECT_EQ(view.incomeText, "30,000");
  EXPECT_EQ(view.expenseText, "12,000");
}

TEST_F(BooksQueryTest, FieldGroupNamesTheCriteria) {
  struct Case {
    const char* code;
    const char* major;
    const char* minor;
    const char* codeName;
    const char* majorText;
    const char* minorText;
  };
  const Case cases[] = {
      {"2", "식비", "외식", "지출", "식비", "외식"},
      {"2", "전체", "외식", "지출", "전체", ""},
      {"B", "식비", "외식", "현금전체", "", ""},
      {"5", "식비", "외식", "카드대금", "", ""},
      {"A", "통신", "전체", "휴대폰결제 지출", "통신", "전체"},
  };
  for (const Case& c : cases) {
    criteria.filterCode = c.code;
    criteria.majorFilter = c.major;
    criteria.minorFilter = c.minor;
    const BooksQueryView view = buildBooksQuery(book(), criteria, cache);
    EXPECT_EQ(view.codeName, c.codeName) << c.code;
    EXPECT_EQ(view.majorText, c.majorText) << c.code;
    EXPECT_EQ(view.minorText, c.minorText) << c.code;
    EXPECT_EQ(view.fromText, "2007-03-01");
    EXPECT_EQ(view.toText, "~ 2007-03-31");
    EXPECT_EQ(view.incomeText, "0");
  }
}

TEST_F(BooksQueryTest, RowsAreReadAgainOnlyWhenQueryRereadIsSetOrThePeriodChanges) {
  QueryPageState page = startQueryPageState(fx.book().clock);
  page.criteria.books = criteria;
  const int32_t first = add(makeEntry("2007-03-04", "2", 1000));
  EXPECT_TRUE(page.booksRows.queryReread);
  EXPECT_EQ(buildBooksQuery(book(), page.criteria.books, page.booksRows).rows.size(), 1u);
  EXPECT_FALSE(page.booksRows.queryReread);

  // A new entry unseen until the rows are marked stale; the filter still applies to what was read.
  const int32_t second = add(makeEntry("2007-03-05", "1", 2000));
  page.criteria.books.filterCode = "1";
  EXPECT_TRUE(buildBooksQuery(book(), page.criteria.books, page.booksRows).rows.empty());
  page.criteria.books.filterCode = "0";
  EXPECT_EQ(buildBooksQuery(book(), page.criteria.books, page.booksRows).rows.size(), 1u);

  page.entriesChanged();
  EXPECT_TRUE(page.accountRows.queryReread);
  BooksQueryView view = buildBooksQuery(book(), page.criteria.books, page.booksRows);
  ASSERT_EQ(view.rows.size(), 2u);
  EXPECT_EQ(view.rows[0].entryId, first);
  EXPECT_EQ(view.rows[1].entryId, second);

  // Another period is another read.
  add(makeEntry("2007-03-06", "2", 3000));
  page.criteria.books.queryTo = "2007-03-05";
  EXPECT_EQ(buildBooksQuery(book(), page.criteria.books, page.booksRows).rows.size(), 2u);
  page.criteria.books.queryTo = "2007-03-31";
  EXPECT_EQ(buildBooksQuery(book(), page.criteria.books, page.booksRows).rows.size(), 3u);
}

TEST_F(BooksQueryTest, StartCriteriaCoverTheMonthSoFar) {
  const QueryCriteria start = startQueryCriteria(fx.book().clock);
  EXPECT_EQ(start.books.queryFrom, "2007-03-01");
  EXPECT_EQ(start.books.queryTo, "2007-03-05");
  EXPECT_EQ(start.books.filterCode, "0");
  EXPECT_EQ(start.books.majorFilter, "전체");
  EXPECT_EQ(start.books.minorFilter, "전체");
  EXPECT_EQ(start.books.assetFilter, 0);
  EXPECT_EQ(start.card.year, 2007);
  EXPECT_EQ(start.card.month, 3);
  EXPECT_EQ(start.card.cardFilter, 0);
  EXPECT_EQ(start.card.cardText, "전체");
  EXPECT_EQ(start.account.accountFrom, "2007-03-01");
  EXPECT_EQ(start.account.accountTo, "2007-03-05");
  EXPECT_EQ(start.account.accountFilter, 0);
}

}  // namespace
}  // namespace coinest
