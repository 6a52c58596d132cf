#include "ledger/entry_rules.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "ledger/entry_row.h"
#include "ledger/instalments.h"
#include "ledger/ledger_test_support.h"
#include "ledger/settlement.h"
#include "store/entry_table.h"
#include "store/id_counters.h"
#include "store/table_catalogue.h"
#include "support/book_fixture.h"

namespace coinest {
namespace {

using testing::addNewAsset;
using testing::balanceOf;
using testing::makeEntry;

class EntryRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    accountA = addNewAsset(book(), {.kind = kBankAccountKind, .name = "A", .balance = 100000});
    accountB = addNewAsset(book(), {.kind = kBankAccountKind, .name = "B", .balance = 50000});
    linkedCheck = addNewAsset(book(), {.kind = kCheckCardKind, .name = "linked", .linkOrPayDay = accountA.assetId});
    ownCheck = addNewAsset(book(), {.kind = kCheckCardKind, .name = "own", .balance = 8000});
    credit = addNewAsset(book(), {.kind = kCreditCardKind, .name = "credit", .linkOrPayDay = 25});
  }

  Book& book() { return fx.book(); }

  std::vector<int32_t> balances() {
    return {balanceOf(book(), accountA.assetId), balanceOf(book(), accountB.assetId),
            balanceOf(book(), linkedCheck.assetId), balanceOf(book(), ownCheck.assetId),
            balanceOf(book(), credit.assetId)};
  }

  LedgerEntry add(LedgerEntry e) {
    e.entryId = *newEntryId(book());
    EXPECT_TRUE(addEntry(book(), e));
    return e;
  }

  testing::BookFixture fx;

 public:
  Asset accountA, accountB, linkedCheck, ownCheck, credit;
};

TEST_F(EntryRulesTest, BalanceEffectsAndTheirExactReversal) {
  struct Case {
    const char* what;
    LedgerEntry entry;
    std::vector<int32_t> change;  // A, B, linked check card, own check card, credit card
  };
  auto entry = [](const char* kind, int32_t amount, auto&& adjust) {
    LedgerEntry e = makeEntry("2007-03-05", kind, amount);
    adjust(e);
    return e;
  };
  const Case cases[] = {
      {"account expense", entry("2", 10000, [&](LedgerEntry& e) { e.assetId = accountA.assetId; }),
       {-10000, 0, 0, 0, 0}},
      {"account income", entry("1", 7000, [&](LedgerEntry& e) { e.assetId = accountA.assetId; }), {7000, 0, 0, 0, 0}},
      {"check card drawing on A",
       entry("2", 3000, [&](LedgerEntry& e) { e.assetId = linkedCheck.assetId; e.checkCardFlag = "Y"; }),
       {-3000, 0, 0, 0, 0}},
      {"check card of its own",
       entry("2", 3000, [&](LedgerEntry& e) { e.assetId = ownCheck.assetId; e.checkCardFlag = "Y"; }),
       {0, 0, 0, -3000, 0}},
      {"credit card in 3 instalments",
       entry("2", 30000, [&](LedgerEntry& e) { e.assetId = credit.assetId; e.cardFlag = "Y"; e.instalments = 3; }),
       {0, 0, 0, 0, 0}},
      {"account transfer A to B",
       entry("3", 5000, [&](LedgerEntry& e) { e.assetId = accountA.assetId; e.toAssetId = accountB.assetId; }),
       {-5000, 5000, 0, 0, 0}},
      {"cash deposit into A",
       entry("3", 5000, [&](LedgerEntry& e) { e.minorItem = "현금 입금"; e.toAssetId = accountA.assetId; }),
       {5000, 0, 0, 0, 0}},
      {"cash withdrawal from A",
       entry("3", 5000, [&](LedgerEntry& e) { e.minorItem = "현금 인출"; e.assetId = accountA.assetId; }),
       {-5000, 0, 0, 0, 0}},
      {"cash advance to A",
       entry("3", 20000, [&](LedgerEntry& e) { e.minorItem = "현금서비스"; e.assetId = credit.assetId; e.toAssetId = accountA.assetId; }),
       {20000, 0, 0, 0, 0}},
      {"cash advance to cash",
       entry("3", 20000, [&](LedgerEntry& e) { e.minorItem = "현금서비스"; e.assetId = credit.assetId; }),
       {0, 0, 0, 0, 0}},
      {"mobile phone expense", entry("2", 9000, [&](LedgerEntry& e) { e.phoneFlag = "Y"; }), {0, 0, 0, 0, 0}},
      {"entry naming a deleted asset", entry("2", 9000, [&](LedgerEntry& e) { e.assetId = 424242; }), {0, 0, 0, 0, 0}},
  };
  const std::vector<int32_t> start = balances();
  for (const Case& c : cases) {
    const LedgerEntry e = add(c.entry);
    std::vector<int32_t> expected = start;
    for (std::size_t i = 0; i < expected.size(); ++i) expected[i] += c.change[i];
    EXPECT_EQ(balances(), expected) << c.what;
    EXPECT_TRUE(deleteEntry(book(), e.entryId)) << c.what;
    EXPECT_EQ(balances(), start) << c.what << ": deleting reverses exactly";
    EXPECT_FALSE(findEntry(book(), e.entryId)) << c.what;
  }
  EXPECT_FALSE(deleteEntry(book(), 999999)) << "an absent entry";
  EXPECT_EQ(balances(), start);
}

TEST_F(EntryRulesTest, UpdatingAnAmountMovesTheBalanceByTheNewAmount) {
  const int32_t before = balanceOf(book(), accountA.assetId);
  LedgerEntry e = makeEntry("2007-03-05", "2", 10000);
  e.assetId = accountA.assetId;
  e = add(e);
  e.amount = 12000;
  EXPECT_TRUE(updateEntry(book(), e));
  EXPECT_EQ(balanceOf(book(), accountA.assetId), before - 12000);
  // Moving the expense to account B gives A its money back.
  e.assetId = accountB.assetId;
  EXPECT_TRUE(updateEntry(book(), e));
  EXPECT_EQ(balanceOf(book(), accountA.assetId), before);
  EXPECT_EQ(balanceOf(book(), accountB.assetId), 50000 - 12000);
  EXPECT_EQ(findEntry(book(), e.entryId)->assetId, accountB.assetId);
}

TEST_F(EntryRulesTest, InstalmentRowsFollowTheEntry) {
  LedgerEntry e = makeEntry("2007-01-31", "2", 100000);
  e.cardFlag = "Y";
  e.assetId = credit.assetId;
  e.instalments = 3;
  e = add(e);
  auto rowsOf = [&](int32_t entryId) {
    std::vector<std::string> out;
    for (const InstalmentRow& r : instalmentsInRange(book(), "2000-01-01", "2050-12-31")) {
      if (r.entryId == entryId) {
        out.push_back(r.instDate + " #" + std::to_string(r.instNo) + " card " + std::to_string(r.cardId == credit.assetId));
      }
    }
    return out;
  };
  EXPECT_EQ(rowsOf(e.entryId), (std::vector<std::string>{"2007-02-31 #2 card 1", "2007-03-31 #3 card 1"}));

  // Five instalments from a new date replace the rows.
  e.entryDate = "2007-11-30";
  e.instalments = 5;
  EXPECT_TRUE(updateEntry(book(), e));
  EXPECT_EQ(rowsOf(e.entryId), (std::vector<std::string>{"2007-12-30 #2 card 1", "2008-01-30 #3 card 1",
                                                         "2008-02-30 #4 card 1", "2008-03-30 #5 card 1"}));
  // A lump sum and a card expense without a card have no rows.
  e.instalments = 1;
  EXPECT_TRUE(updateEntry(book(), e));
  EXPECT_TRUE(rowsOf(e.entryId).empty());
  LedgerEntry noCard = makeEntry("2007-03-05", "2", 5000);
  noCard.cardFlag = "Y";
  noCard.instalments = 4;
  noCard = add(noCard);
  EXPECT_TRUE(rowsOf(noCard.entryId).empty());

  e.instalments = 2;
  EXPECT_TRUE(updateEntry(book(), e));
  EXPECT_EQ(rowsOf(e.entryId).size(), 1u);
  deleteEntry(book(), e.entryId);
  EXPECT_TRUE(rowsOf(e.entryId).empty());
}

TEST(Instalments, AmountsAndDates) {
  struct Case {
    int32_t amount, count, k, expected;
  };
  for (const Case& c : {Case{100000, 3, 1, 33333}, Case{100000, 3, 2, 33333}, Case{100000, 3, 3, 33334},
                        Case{10000, 3, 3, 3334}, Case{5000, 1, 1, 5000}, Case{5000, 0, 1, 5000},
                        Case{99999999, 24, 24, 99999999 - 4166666 * 23}}) {
    EXPECT_EQ(instalmentAmount(c.amount, c.count, c.k), c.expected) << c.amount << "/" << c.count << "#" << c.k;
  }
  EXPECT_EQ(instalmentDate("2007-01-31", 2), "2007-02-31");
  EXPECT_EQ(instalmentDate("2007-11-15", 3), "2008-01-15");
  EXPECT_EQ(instalmentDate("2007-12-31", 24), "2009-11-31");
}

// No count the program stores lies above 24; one read from elsewhere bills as 24, so nothing
// walks its instalments for minutes.
TEST(Instalments, CountsAboveTheBoundBillAsTheLastCount) {
  for (const int32_t stored : {25, 1000, 2000000000, INT32_MAX}) {
    EXPECT_EQ(billedInstalments(stored), 24) << stored;
    EXPECT_EQ(instalmentDate("2007-12-31", stored), "2009-11-31") << stored;
  }
  for (const int32_t stored : {INT32_MIN, -1, 0, 1, 2, 24}) EXPECT_EQ(billedInstalments(stored), stored) << stored;
}

TEST_F(EntryRulesTest, ChangeFilesOfEntries) {
  fx.enableExchange();
  fx.sink.changes.clear();
  LedgerEntry cash = add(makeEntry("2007-03-05", "2", 1000));
  LedgerEntry account = makeEntry("2007-03-05", "2", 2000);
  account.assetId = accountA.assetId;
  account = add(account);
  LedgerEntry card = makeEntry("2007-03-05", "2", 3000);
  card.cardFlag = "Y";
  card.assetId = credit.assetId;
  card.instalments = 3;
  card = add(card);
  const std::string c = std::to_string(cash.entryId), a = std::to_string(account.entryId),
                    k = std::to_string(card.entryId);
  // Only entry files: no asset file for the balance, no file for instalment rows.
  EXPECT_EQ(fx.sink.names(), (std::vector<std::string>{"A1 " + c, "A1 " + a, "A1 " + k}));

  fx.sink.changes.clear();
  account.amount = 2500;
  EXPECT_TRUE(updateEntry(book(), account));
  cash.content = "changed";
  EXPECT_TRUE(updateEntry(book(), cash));
  deleteEntry(book(), card.entryId);
  EXPECT_EQ(fx.sink.names(), (std::vector<std::string>{"A2 " + a, "A2 " + c, "A3 " + k}));
  const ChangeRecord& modify = fx.sink.changes[1];
  ASSERT_EQ(modify.fields.size(), 15u);
  EXPECT_EQ(modify.fields[5].text, "changed");

  // An update of a missing entry still tells the desktop; under an import nothing is written.
  fx.sink.changes.clear();
  LedgerEntry ghost = makeEntry("2007-03-05", "1", 10);
  ghost.entryId = 777777;
  EXPECT_TRUE(updateEntry(book(), ghost));
  EXPECT_FALSE(findEntry(book(), 777777));
  {
    ModeScope importing(book().modes.applyingImport);
    add(makeEntry("2007-03-05", "1", 10));
  }
  EXPECT_EQ(fx.sink.names(), (std::vector<std::string>{"A2 777777"}));

  book().modes.exchangeEnabled = false;
  fx.sink.changes.clear();
  add(makeEntry("2007-03-05", "1", 10));
  EXPECT_TRUE(fx.sink.changes.empty());
}

TEST_F(EntryRulesTest, RestoringAndImportingModes) {
  const std::vector<int32_t> start = balances();
  {
    ModeScope restoring(book().modes.restoringBackup);
    LedgerEntry e = makeEntry("2007-03-05", "2", 4000);
    e.assetId = accountA.assetId;
    add(e);
    LedgerEntry card = makeEntry("2007-03-05", "2", 4000);
    card.cardFlag = "Y";
    card.assetId = credit.assetId;
    card.instalments = 6;
    add(card);
  }
  EXPECT_EQ(balances(), start) << "a restore carries its balances itself";
  EXPECT_TRUE(instalmentsInRange(book(), "2000-01-01", "2050-12-31").empty());

  {
    ModeScope importing(book().modes.applyingImport);
    LedgerEntry e = makeEntry("2007-03-05", "1", 1);
    e.entryId = 20000;
    EXPECT_TRUE(addEntry(book(), e));
    e.entryId = 600000;
    EXPECT_TRUE(addEntry(book(), e));
  }
  EXPECT_EQ(*newEntryId(book()), 20001) << "a desktop id below 500000 raises the counter, one above does not";
}

TEST_F(EntryRulesTest, AFailureInTheMiddleLeavesTheBookAsItWas) {
  fx.enableExchange();
  // Make every write of an instalment row fail, as a full disk would.
  {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(fx.store().path().c_str(), &db), SQLITE_OK);
    const std::string sql =
        "SELECT id FROM store_tables WHERE name = '" + std::string(kInstalmentsTable) + "'";
    sqlite3_stmt* stmt = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
    const std::string table = "rec_" + std::to_string(sqlite3_column_int64(stmt, 0));
    sqlite3_finalize(stmt);
    const std::string trigger =
        "CREATE TRIGGER fail BEFORE INSERT ON " + table + " BEGIN SELECT RAISE(ABORT, 'disk full'); END;";
    ASSERT_EQ(sqlite3_exec(db, trigger.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
  }
  const IdCounters countersBefore = readCounters(book().store);
  fx.sink.changes.clear();
  LedgerEntry card = makeEntry("2007-03-05", "2", 30000);
  card.cardFlag = "Y";
  card.assetId = credit.assetId;
  card.instalments = 3;
  card.entryId = 55555;
  const Status added = addEntry(book(), card);
  EXPECT_FALSE(added);
  EXPECT_NE(added.reason().find("disk full"), std::string::npos) << added.reason();
  EXPECT_FALSE(findEntry(book(), 55555)) << "the entry went with its failed instalment rows";
  EXPECT_EQ(readCounters(book().store).instCounter, countersBefore.instCounter);
  EXPECT_TRUE(fx.sink.changes.empty()) << "no change file for a change that did not happen";

  // The same failure inside an update keeps the old entry.
  LedgerEntry plain = makeEntry("2007-03-05", "2", 1000);
  plain.assetId = accountA.assetId;
  plain = add(plain);
  const int32_t balance = balanceOf(book(), accountA.assetId);
  LedgerEntry changed = plain;
  changed.cardFlag = "Y";
  changed.assetId = credit.assetId;
  changed.instalments = 2;
  EXPECT_FALSE(updateEntry(book(), changed));
  ASSERT_TRUE(findEntry(book(), plain.entryId));
  EXPECT_EQ(findEntry(book(), plain.entryId)->cardFlag, "N");
  EXPECT_EQ(balanceOf(book(), accountA.assetId), balance);
}

TEST_F(EntryRulesTest, CashBalanceCountsOnlyCash) {
  struct Item {
    const char* kind;
    int32_t amount;
    void (*adjust)(LedgerEntry&, const EntryRulesTest&);
  };
  auto none = [](LedgerEntry&, const EntryRulesTest&) {};
  const Item items[] = {
      {"1", 500000, none},                                                                  // cash income
      {"2", 320000, none},                                                                  // cash expense
      {"2", 11111, [](LedgerEntry& e, const EntryRulesTest& t) { e.cardFlag = "Y"; e.assetId = t.credit.assetId; }},
      {"2", 22222, [](LedgerEntry& e, const EntryRulesTest&) { e.phoneFlag = "Y"; }},
      {"2", 33333, [](LedgerEntry& e, const EntryRulesTest& t) { e.assetId = t.accountA.assetId; }},
      {"1", 44444, [](LedgerEntry& e, const EntryRulesTest& t) { e.assetId = t.accountA.assetId; }},
      {"3", 7000, [](LedgerEntry& e, const EntryRulesTest& t) { e.assetId = t.accountA.assetId; }},     // withdrawal +
      {"3", 2000, [](LedgerEntry& e, const EntryRulesTest& t) { e.toAssetId = t.accountA.assetId; }},   // deposit -
      {"3", 9999, [](LedgerEntry& e, const EntryRulesTest& t) { e.assetId = t.accountA.assetId; e.toAssetId = t.accountB.assetId; }},
  };
  for (const Item& item : items) {
    LedgerEntry e = makeEntry("2007-02-10", item.kind, item.amount);
    item.adjust(e, *this);
    add(e);
  }
  add(makeEntry("2007-01-31", "1", 1000000));  // outside the range
  add(makeEntry("2007-03-01", "1", 1000000));
  EXPECT_EQ(cashBalance(book(), "2007-02-01", "2007-02-28"), 500000 - 320000 + 7000 - 2000);
  EXPECT_EQ(cashBalance(book(), "2007-02-11", "2007-02-28"), 0);
}

// The program writes "Y" or "N", but a desktop file may leave a card flag empty or make one up.
// Every rule reads such a flag as "not a card": the account pays and is paid back on delete,
// cash is spent, and the texts, the rows and the settlement all say so.
TEST_F(EntryRulesTest, ACardFlagOtherThanYesIsNoCardInEveryRule) {
  int month = 1;
  for (const char* flag : {"N", "", "X"}) {
    SCOPED_TRACE(std::string("card flag \"") + flag + "\"");
    const std::string date = formatDateText(2007, month, 10);
    const int32_t before = balanceOf(book(), accountA.assetId);
    LedgerEntry account = makeEntry(date, "2", 10000);
    account.assetId = accountA.assetId;
    account.cardFlag = flag;
    account = add(account);
    LedgerEntry cash = makeEntry(date, "2", 3000);
    cash.cardFlag = flag;
    add(cash);

    EXPECT_EQ(balanceOf(book(), accountA.assetId), before - 10000);
    EXPECT_EQ(cashBalance(book(), date, date), -3000);
    EXPECT_EQ(entryText(account), "10,000원(계좌지출)");
    EXPECT_EQ(entryText(cash), "3,000원(현금지출)");
    EXPECT_EQ(prefixedContent(account), "[계]test");
    EXPECT_EQ(prefixedContent(cash), "test");
    const SettlementTotals totals = settleMonth(book(), YearMonth{2007, month}, 1, SettlementOptions{}).totals;
    EXPECT_EQ(totals.accountExpense, 10000);
    EXPECT_EQ(totals.cashExpense, 3000);
    EXPECT_EQ(totals.cardExpense, 0);

    ASSERT_TRUE(deleteEntry(book(), account.entryId));
    EXPECT_EQ(balanceOf(book(), accountA.assetId), before);
    ++month;
  }
}

TEST(EntryText, EveryKindOfEntry) {
  struct Case {
    const char* kind;
    int32_t assetId;
    const char* card;
    const char* phone;
    const char* check;
    int32_t instalments;
    const char* expected;
  };
  const Case cases[] = {
      {"1", 5, "N", "N", "N", 0, "12,345원(계좌수입)"},
      {"1", 0, "N", "N", "N", 0, "12,345원(현금수입)"},
      {"2", 0, "N", "Y", "N", 0, "12,345원(휴대폰결제 지출)"},
      {"2", 0, "Y", "Y", "N", 3, "12,345원(휴대폰결제 지출)"},
      {"2", 0, "N", "N", "N", 0, "12,345원(현금지출)"},
      {"2", 5, "N", "N", "N", 0, "12,345원(계좌지출)"},
      {"2", 5, "N", "N", "Y", 0, "12,345원(체크카드지출)"},
      {"2", 5, "Y", "N", "N", 0, "12,345원(카드지출)"},
      {"2", 5, "Y", "N", "N", 1, "12,345원(카드지출-일시불)"},
      {"2", 5, "Y", "N", "N", 12, "12,345원(카드지출-12개월할부)"},
      {"3", 5, "N", "N", "N", 0, "12,345원(이체:현금-계좌 이동)"},
  };
  for (const Case& c : cases) {
    LedgerEntry e = makeEntry("2007-03-05", c.kind, 12345);
    e.assetId = c.assetId;
    e.cardFlag = c.card;
    e.phoneFlag = c.phone;
    e.checkCardFlag = c.check;
    e.instalments = c.instalments;
    EXPECT_EQ(entryText(e), c.expected);
  }
}

}  // namespace
}  // namespace coinest
