#include "ledger/carry_over.h"

#include <gtest/gtest.h>

#include "ledger/entry_rules.h"
#include "ledger/ledger_test_support.h"
#include "store/card_month_sums.h"
#include "store/entry_table.h"
#include "store/reservation_tables.h"
#include "store/settings_records.h"
#include "store/table_catalogue.h"
#include "support/book_fixture.h"

namespace coinest {
namespace {

using testing::makeEntry;

class CarryOverTest : public ::testing::Test {
 protected:
  void add(LedgerEntry e) {
    e.entryId = *newEntryId(fx.book());
    EXPECT_TRUE(addEntry(fx.book(), e));
  }
  std::vector<LedgerEntry> carried(const std::string& date) {
    std::vector<LedgerEntry> out;
    for (const LedgerEntry& e : entriesInRange(fx.book(), date, date)) {
      if (e.majorItem == "전월이월") out.push_back(e);
    }
    return out;
  }
  std::vector<std::string> messageTexts() {
    std::vector<std::string> out;
    for (const auto& m : fx.ui.messages) out.push_back(m.text);
    return out;
  }

  testing::BookFixture fx{{2007, 4, 2}};
};

TEST_F(CarryOverTest, CarriesThePreviousMonthsCashOnlyWhenThereIsSome) {
  add(makeEntry("2007-02-01", "1", 500000));
  add(makeEntry("2007-02-20", "2", 320000));
  LedgerEntry card = makeEntry("2007-02-21", "2", 99000);
  card.cardFlag = "Y";
  add(card);
  EXPECT_TRUE(carryOverCash(fx.book(), fx.ui, 2007, 3));
  std::vector<LedgerEntry> march = carried("2007-03-01");
  ASSERT_EQ(march.size(), 1u);
  EXPECT_EQ(march[0].amount, 180000);
  EXPECT_EQ(march[0].entryKind, "1");
  EXPECT_EQ(march[0].minorItem, "전월이월");
  EXPECT_EQ(march[0].content, "전월이월");
  EXPECT_EQ(march[0].assetId, 0);
  EXPECT_EQ(march[0].note, "");

  // The next month includes this carry-over as cash income of March.
  add(makeEntry("2007-03-15", "2", 30000));
  EXPECT_TRUE(carryOverCash(fx.book(), fx.ui, 2007, 4));
  ASSERT_EQ(carried("2007-04-01").size(), 1u);
  EXPECT_EQ(carried("2007-04-01")[0].amount, 150000);

  // May: April spent more cash than it had.
  add(makeEntry("2007-04-10", "2", 200000));
  const int32_t idBefore = *newEntryId(fx.book());
  EXPECT_TRUE(carryOverCash(fx.book(), fx.ui, 2007, 5));
  EXPECT_TRUE(carried("2007-05-01").empty());
  EXPECT_EQ(*newEntryId(fx.book()), idBefore + 2) << "the id taken for nothing stays used";
  EXPECT_EQ(messageTexts(), (std::vector<std::string>{"현금잔액을 전월이월 하였습니다", "현금잔액을 전월이월 하였습니다",
                                                      "전월이월할 현금잔액이 없습니다"}));
  EXPECT_EQ(fx.ui.messages.back().caption, MessageCaption::Notice);
}

TEST_F(CarryOverTest, TheOfferComesOnceAMonth) {
  add(makeEntry("2007-03-03", "1", 1000));
  struct Step {
    CalendarDate today;
    bool answer;
    bool asked;
  };
  // Off: never asked.
  fx.setToday({2007, 5, 1});
  EXPECT_TRUE(offerCarryOver(fx.book(), fx.ui));
  EXPECT_TRUE(fx.ui.messages.empty());

  writeCon2Settings(fx.store(), Con2Settings{"Y", 2007, 3});
  const Step steps[] = {
      {{2007, 3, 20}, true, false},   // the month the book was set to
      {{2007, 4, 2}, false, true},    // a new month: asked, declined
      {{2007, 4, 30}, true, false},   // same month again: not asked
      {{2007, 6, 1}, true, true},     // a month was skipped: asked for June, carries May only
  };
  for (const Step& s : steps) {
    fx.setToday(s.today);
    fx.ui.messages.clear();
    fx.ui.answers = {s.answer};
    EXPECT_TRUE(offerCarryOver(fx.book(), fx.ui));
    const bool asked = !fx.ui.messages.empty() && fx.ui.messages[0].text == "지난달 현금잔액을 전월이월 하시겠습니까?";
    EXPECT_EQ(asked, s.asked) << s.today.month << "/" << s.today.day;
  }
  EXPECT_TRUE(carried("2007-04-01").empty()) << "declined";
  EXPECT_EQ(messageTexts().back(), "전월이월할 현금잔액이 없습니다") << "May had no cash of its own";
  Con2Settings stored;
  readCon2Settings(fx.store(), stored);
  EXPECT_EQ(stored.carryYear * 100 + stored.carryMonth, 200706);
  EXPECT_EQ(stored.autoCarryOver, "Y");
}

// The stored month of the last offer is outside data: compared whole, a far future month never
// asks and a far past one asks, with no overflow on the way.
TEST_F(CarryOverTest, AnyStoredMonthIsComparedWhole) {
  struct Case {
    int32_t year, month;
    bool asked;
  };
  const Case cases[] = {
      {2007, 2, true},          {2007, 3, false},        {INT32_MAX, INT32_MAX, false},
      {2007, INT32_MAX, false}, {INT32_MAX, 0, false},   {INT32_MIN, INT32_MIN, true},
      {INT32_MIN, 12, true},    {2007, INT32_MIN, true},
  };
  fx.setToday({2007, 3, 20});
  for (const Case& c : cases) {
    writeCon2Settings(fx.store(), Con2Settings{"Y", c.year, c.month});
    fx.ui.messages.clear();
    fx.ui.answers = {false};
    EXPECT_TRUE(offerCarryOver(fx.book(), fx.ui));
    EXPECT_EQ(!fx.ui.messages.empty(), c.asked) << c.year << "/" << c.month;
  }
}

TEST_F(CarryOverTest, ResetEmptiesTheBookAndKeepsEverythingElse) {
  const Asset account = testing::addNewAsset(fx.book(), {.kind = kBankAccountKind, .name = "A", .balance = 1000});
  const Asset card = testing::addNewAsset(fx.book(), {.kind = kCreditCardKind, .name = "card", .linkOrPayDay = 25});
  LedgerEntry spend = makeEntry("2007-04-01", "2", 300);
  spend.assetId = account.assetId;
  add(spend);
  LedgerEntry instalments = makeEntry("2007-04-01", "2", 3000);
  instalments.cardFlag = "Y";
  instalments.assetId = card.assetId;
  instalments.instalments = 3;
  add(instalments);
  EXPECT_TRUE(addReservationLink(fx.book(), ReservationLink{1, "200704", 2, 3}));
  const uint32_t majors = fx.store().recordCount(kMajorItemsTable);

  fx.ui.answers = {false};
  EXPECT_FALSE(resetBook(fx.book(), fx.ui).confirmed);
  EXPECT_EQ(fx.store().recordCount(kBooksTable), 2u);

  fx.ui.answers = {true};
  const ResetResult reset = resetBook(fx.book(), fx.ui);
  EXPECT_TRUE(reset.confirmed);
  EXPECT_TRUE(reset.status) << reset.status.reason();
  EXPECT_EQ(fx.store().recordCount(kBooksTable), 0u);
  EXPECT_EQ(fx.store().recordCount(kInstalmentsTable), 0u);
  EXPECT_EQ(fx.store().sortOrdersOf(kBooksTable).size(), 3u);
  EXPECT_TRUE(cardMonthSumsCurrent(fx.store())) << "the emptied table's card sums are kept from the start";
  EXPECT_EQ(testing::balanceOf(fx.book(), account.assetId), 700) << "balances keep the removed entries' effects";
  EXPECT_TRUE(linkExists(fx.book(), 2, "200704"));
  EXPECT_EQ(fx.store().recordCount(kMajorItemsTable), majors);
  EXPECT_GT(*newEntryId(fx.book()), 10002) << "the counters go on";
  EXPECT_NE(fx.ui.messages.back().text.find("[중요] 예약,항목,자산등은 삭제되지 않음"), std::string::npos);
}

}  // namespace
}  // namespace coinest
