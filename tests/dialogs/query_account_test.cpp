#include "dialogs/query_account.h"

#include <gtest/gtest.h>

#include "ledger/entry_rules.h"
#include "ledger/ledger_test_support.h"
#include "store/entry_table.h"
#include "support/book_fixture.h"

namespace coinest {
namespace {

using testing::makeEntry;

class AccountQueryTest : public ::testing::Test {
 protected:
  int32_t add(LedgerEntry e, int32_t assetId, int32_t toAssetId = 0, const char* minor = nullptr) {
    e.entryId = *newEntryId(book());
    e.assetId = assetId;
    e.toAssetId = toAssetId;
    if (minor) e.minorItem = minor;
    EXPECT_TRUE(addEntry(book(), e));
    return e.entryId;
  }

  Book& book() { return fx.book(); }
  testing::BookFixture fx;
};

TEST_F(AccountQueryTest, EveryMovementOfTheAccountSignedAsItMovesIt) {
  const Asset a = testing::addNewAsset(book(), {.kind = kBankAccountKind, .name = "A", .balance = 100000});
  const Asset b = testing::addNewAsset(book(), {.kind = kBankAccountKind, .name = "B", .balance = 50000});
  const Asset card = testing::addNewAsset(book(), {.kind = kCreditCardKind, .name = "card", .linkOrPayDay = 25});
  const Asset check =
      testing::addNewAsset(book(), {.kind = kCheckCardKind, .name = "check", .linkOrPayDay = a.assetId});

  LedgerEntry salary = makeEntry("2007-03-02", "1", 30000);
  salary.reserveId = 9;
  const int32_t salaryA = add(salary, a.assetId);
  const int32_t rentA = add(makeEntry("2007-03-03", "2", 10000), a.assetId);
  const int32_t moveAB = add(makeEntry("2007-03-04", "3", 5000), a.assetId, b.assetId, "계좌 이동");
  const int32_t depositA = add(makeEntry("2007-03-05", "3", 2000), 0, a.assetId, "현금 입금");
  const int32_t withdrawA = add(makeEntry("2007-03-05", "3", 1000), a.assetId, 0, "현금 인출");
  const int32_t advanceB = add(makeEntry("2007-03-06", "3", 7000), card.assetId, b.assetId, "현금서비스");
  const int32_t expenseB = add(makeEntry("2007-03-06", "2", 400), b.assetId);
  add(makeEntry("2007-03-07", "2", 300), check.assetId);  // the check card's own entry, not the account's
  add(makeEntry("2007-04-01", "2", 300), a.assetId);      // after the period

  struct Case {
    const Asset* account;
    std::vector<EntryListRow> rows;
    const char* balance;
  };
  const Case cases[] = {
      {&a,
       {{"03/02", "@test", "+30,000", salaryA},
        {"03/03", "test", "-10,000", rentA},
        {"03/04", "test", "-5,000", moveAB},
        {"03/05", "test", "+2,000", depositA},
        {"03/05", "test", "-1,000", withdrawA}},
       "+115,400"},  // the stored balance now: also the check card's 300 and April's 300
      {&b,
       {{"03/04", "test", "+5,000", moveAB},
        {"03/06", "test", "-400", expenseB},
        {"03/06", "test", "+7,000", advanceB}},
       "+61,600"},
  };
  for (const Case& c : cases) {
    AccountCriteria criteria;
    criteria.accountFrom = "2007-03-01";
    criteria.accountTo = "2007-03-31";
    criteria.accountFilter = c.account->assetId;
    criteria.company = c.account->company;
    QueryRowCache cache;
    const AccountQueryView view = buildAccountQuery(book(), criteria, cache);
    EXPECT_EQ(view.rows, c.rows) << c.account->assetName;
    EXPECT_EQ(view.balanceText, c.balance) << c.account->assetName;
    EXPECT_EQ(view.company, c.account->company);
    EXPECT_EQ(view.toText, "~ 2007-03-31");
  }

  // No account chosen: nothing listed, a balance of 0.
  AccountCriteria none;
  none.accountFrom = "2007-03-01";
  none.accountTo = "2007-03-31";
  QueryRowCache cache;
  const AccountQueryView empty = buildAccountQuery(book(), none, cache);
  EXPECT_TRUE(empty.rows.empty());
  EXPECT_EQ(empty.balanceText, "0");
}

TEST_F(AccountQueryTest, AnotherAccountIsAnotherReadEvenWithoutQueryReread) {
  const Asset a = testing::addNewAsset(book(), {.kind = kBankAccountKind, .name = "A"});
  const Asset b = testing::addNewAsset(book(), {.kind = kBankAccountKind, .name = "B"});
  add(makeEntry("2007-03-02", "1", 100), a.assetId);
  AccountCriteria criteria;
  criteria.accountFrom = "2007-03-01";
  criteria.accountTo = "2007-03-31";
  criteria.accountFilter = a.assetId;
  QueryRowCache cache;
  EXPECT_EQ(buildAccountQuery(book(), criteria, cache).rows.size(), 1u);
  criteria.accountFilter = b.assetId;
  EXPECT_TRUE(buildAccountQuery(book(), criteria, cache).rows.empty());
}

}  // namespace
}  // namespace coinest
