#include "ledger/card_statement.h"

#include <gtest/gtest.h>

#include "calendar/date_text.h"
#include "ledger/entry_rules.h"
#include "ledger/ledger_test_support.h"
#include "store/card_month_sums.h"
#include "store/entry_table.h"
#include "store/id_counters.h"
#include "store/record_layout.h"
#include "store/table_catalogue.h"
#include "support/book_fixture.h"

namespace coinest {
namespace {

TEST(BillingPeriodTest, MonthsCarryIntoThePreviousYearAndDaysAreWrittenAsSet) {
  struct Case {
    int32_t fromMonth, fromDay, toMonth, toDay;
    int year, month;
    std::optional<DateRange> expected;
  };
  const Case cases[] = {
      {2, 1, 2, 32, 2007, 5, DateRange{"2007-04-01", "2007-04-32"}},    // 전월 1일 ~ 전월 말일
      {1, 26, 2, 25, 2007, 1, DateRange{"2006-11-26", "2006-12-25"}},   // m = -1 and m = 0
      {2, 1, 2, 32, 2007, 1, DateRange{"2006-12-01", "2006-12-32"}},    // January covers December
      {1, 15, 3, 14, 2007, 2, DateRange{"2006-12-15", "2007-02-14"}},
      {3, 1, 3, 32, 2007, 12, DateRange{"2007-12-01", "2007-12-32"}},
      {2, 1, 2, 0, 2007, 5, std::nullopt},  // incomplete
      {0, 1, 2, 32, 2007, 5, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.year << "-" << c.month << " " << c.fromMonth << "/" << c.fromDay);
    const Asset card = testing::cardWithPeriod(c.fromMonth, c.fromDay, c.toMonth, c.toDay);
    EXPECT_EQ(billingPeriod(card, c.year, c.month), c.expected);
    EXPECT_EQ(hasCompleteBillingPeriod(card), c.expected.has_value());
  }
}

// A card's period months are stored data: any value lands in a real month at once, the valid
// ones where they always did, and nothing overflows on the way (the year stops at the ends of int).
TEST(BillingPeriodTest, AnyStoredPeriodMonthGivesARealMonth) {
  struct Case {
    int year, month;
    int32_t periodMonth;
    YearMonth expected;
  };
  const Case cases[] = {
      {2007, 5, 1, {2007, 3}},
      {2007, 1, 1, {2006, 11}},
      {2007, 12, 3, {2007, 12}},
      {2007, 1, 0, {2006, 10}},
      {2007, 12, 15, {2008, 12}},
      {2007, 5, INT32_MAX, {178958977, 9}},
      {2007, 5, INT32_MIN, {-178954964, 6}},
      {INT32_MAX, 12, INT32_MAX, {INT32_MAX, 4}},
      {INT32_MAX, 12, 3, {INT32_MAX, 12}},
      {INT32_MIN, 1, INT32_MIN, {INT32_MIN, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.year << "-" << c.month << " " << c.periodMonth);
    const YearMonth got = billingPeriodMonth(c.year, c.month, c.periodMonth);
    EXPECT_EQ(got.year, c.expected.year);
    EXPECT_EQ(got.month, c.expected.month);
  }
}

class CardStatementTest : public ::testing::Test {
 protected:
  Asset addCard(const std::string& name, int32_t fromMonth, int32_t fromDay, int32_t toMonth, int32_t toDay) {
    Asset card = testing::cardWithPeriod(fromMonth, fromDay, toMonth, toDay);
    card.assetId = *takeId(book().store, CounterNo::Reservation);
    card.assetName = name;
    EXPECT_TRUE(addAsset(book(), card));
    return card;
  }

  // A card expense; `id` 0 takes the next id.
  int32_t buy(const Asset& card, const char* date, int32_t amount, int32_t instalments, int32_t id = 0,
              const char* content = "buy") {
    LedgerEntry e = testing::makeEntry(date, "2", amount);
    e.entryId = id != 0 ? id : *newEntryId(book());
    e.cardFlag = "Y";
    e.assetId = card.assetId;
    e.instalments = instalments;
    e.content = content;
    EXPECT_TRUE(addEntry(book(), e));
    return e.entryId;
  }

  struct Line {
    std::string date;
    std::string content;
    Amount amount;
    int32_t entryId;
    bool operator==(const Line&) const = default;
  };
  static std::vector<Line> linesOf(const CardStatement& s) {
    std::vector<Line> out;
    for (const StatementLine& l : s.lines) out.push_back({l.date, l.content, l.amount, l.entryId});
    return out;
  }

  Book& book() { return fx.book(); }
  testing::BookFixture fx;
  const DateRange noFallback{"2000-01-01", "2000-01-01"};
};

TEST_F(CardStatementTest, InstalmentsAreBilledMonthByMonthWithTheRestToCome) {
  const Asset card = addCard("monthly", 2, 1, 2, 32);  // 전월 1일 ~ 전월 말일
  // Bought in December: the January statement reads December of the year before.
  const int32_t id = buy(card, "2006-12-15", 10000, 3, 0, "tv");
  struct Case {
    int year, month;
    const char* content;
    Amount billed;
    TotalAmount toCome;
  };
  const Case cases[] = {
      {2007, 1, "[1/3]tv", 3333, 6667},
      {2007, 2, "[2/3]tv", 3333, 3334},
      {2007, 3, "[3/3]tv", 3334, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.month);
    const CardStatement s = buildCardStatement(book(), c.year, c.month, card.assetId, noFallback);
    EXPECT_EQ(linesOf(s), (std::vector<Line>{{"2006-12-15", c.content, c.billed, id}}));
    EXPECT_EQ(s.billed, c.billed);
    EXPECT_EQ(s.toCome, c.toCome);
  }
  // The month before the purchase's statement: all of it is still to come.
  const CardStatement before = buildCardStatement(book(), 2006, 12, card.assetId, noFallback);
  EXPECT_TRUE(before.lines.empty());
  EXPECT_EQ(before.toCome, 10000);
  EXPECT_EQ(buildCardStatement(book(), 2007, 4, card.assetId, noFallback).lines.size(), 0u);
}

TEST_F(CardStatementTest, AnInstalmentDatedTheThirtyFirstIsBilledWhereItsMonthEnds) {
  const Asset monthly = addCard("monthly", 2, 1, 2, 32);  // 전월 1일 ~ 전월 말일
  const Asset midMonth = addCard("mid", 1, 26, 2, 25);    // 전전월 26일 ~ 전월 25일
  buy(monthly, "2007-01-31", 5001, 2, 0, "coat");
  buy(midMonth, "2007-01-31", 5001, 2, 0, "shoes");
  // The second instalment is dated "2007-02-31": inside February for the first card, inside
  // 02-26 .. 03-25 for the second.
  const CardStatement march = buildCardStatement(book(), 2007, 3, monthly.assetId, noFallback);
  EXPECT_EQ(linesOf(march), (std::vector<Line>{{"2007-01-31", "[2/2]coat", 2501, march.lines.at(0).entryId}}));
  EXPECT_EQ(march.toCome, 0);
  const CardStatement april = buildCardStatement(book(), 2007, 4, midMonth.assetId, noFallback);
  ASSERT_EQ(april.lines.size(), 1u);
  EXPECT_EQ(april.lines[0].content, "[2/2]shoes");
  EXPECT_EQ(april.lines[0].amount, 2501);
  // Its March statement (01-26 .. 02-25) bills the purchase itself, not the second instalment.
  const CardStatement midMarch = buildCardStatement(book(), 2007, 3, midMonth.assetId, noFallback);
  ASSERT_EQ(midMarch.lines.size(), 1u);
  EXPECT_EQ(midMarch.lines[0].content, "[1/2]shoes");
  EXPECT_EQ(midMarch.toCome, 2501);
}

TEST_F(CardStatementTest, EveryCardOverItsOwnPeriodSortedTogether) {
  const Asset a = addCard("A", 2, 1, 2, 32);   // March statement: 02-01 .. 02-32
  const Asset b = addCard("B", 1, 26, 2, 25);  // 01-26 .. 02-25
  const Asset c = addCard("C", 0, 0, 0, 0);    // no period: the fallback range
  const DateRange fallback{"2007-03-01", "2007-03-05"};

  const int32_t aBread = buy(a, "2007-02-10", 5000, 1, 20005, "bread");  // lump sum: no prefix
  const int32_t bBook = buy(b, "2007-02-10", 1500, 0, 20001, "book");    // same day, lower id
  const int32_t bSofa = buy(b, "2007-01-28", 12000, 3, 0, "sofa");       // 4,000 now, 8,000 to come
  const int32_t aLamp = buy(a, "2007-02-27", 3000, 0, 0, "lamp");
  buy(b, "2007-02-27", 7000, 0, 0, "after B's end");             // all of it to come
  buy(a, "2007-03-02", 9000, 3, 0, "after A's end");             // whole amount to come
  const int32_t cFuel = buy(c, "2007-03-03", 2000, 1, 0, "fuel");
  buy(c, "2007-02-10", 1000, 1, 0, "before the fallback");
  buy(a, "2007-01-31", 800, 1, 0, "before A's start");
  LedgerEntry cash = testing::makeEntry("2007-02-10", "2", 400);  // not a card expense
  cash.entryId = *newEntryId(book());
  EXPECT_TRUE(addEntry(book(), cash));

  const CardStatement all = buildCardStatement(book(), 2007, 3, 0, fallback);
  EXPECT_EQ(linesOf(all), (std::vector<Line>{{"2007-01-28", "[1/3]sofa", 4000, bSofa},
                                             {"2007-02-10", "book", 1500, bBook},
                                             {"2007-02-10", "bread", 5000, aBread},
                                             {"2007-02-27", "lamp", 3000, aLamp},
                                             {"2007-03-03", "fuel", 2000, cFuel}}));
  EXPECT_EQ(all.billed, 15500);
  EXPECT_EQ(all.toCome, 8000 + 7000 + 9000);
  EXPECT_EQ(statementMonthText(all.year, all.month), "2007년 3월");

  const CardStatement onlyA = buildCardStatement(book(), 2007, 3, a.assetId, fallback);
  EXPECT_EQ(linesOf(onlyA), (std::vector<Line>{{"2007-02-10", "bread", 5000, aBread},
                                               {"2007-02-27", "lamp", 3000, aLamp}}));
  EXPECT_EQ(onlyA.toCome, 9000);

  // An id that is no credit card lists nothing.
  const CardStatement none = buildCardStatement(book(), 2007, 3, 424242, fallback);
  EXPECT_TRUE(none.lines.empty());
  EXPECT_EQ(none.billed + none.toCome, 0);
}

// Periods far apart (a card without a period read over a range a year later): the statement reads
// whole only what each card bills in its own period, yet every later purchase of a card, in the
// gap or inside another card's period, still counts to come. Refunds (negative amounts) count as
// they are.
TEST_F(CardStatementTest, PeriodsFarApartBillOnlyTheirOwnDaysAndLeaveEveryLaterPurchaseToCome) {
  const Asset a = addCard("A", 2, 1, 2, 32);  // March 2007 statement: 2007-02-01 .. 2007-02-32
  const Asset c = addCard("C", 0, 0, 0, 0);   // over the fallback range
  const DateRange fallback{"2008-03-01", "2008-03-31"};

  const int32_t aStart = buy(a, "2007-02-01", 1000, 1, 0, "first day");
  const int32_t aLast = buy(a, "2007-02-28", 6000, 3, 0, "last day");  // 2,000 now, 4,000 to come
  const int32_t aRefund = buy(a, "2007-02-20", -500, 0, 0, "refund");
  const int32_t aRows = buy(a, "2006-12-20", 3000, 3, 0, "rows");      // [3/3] on 2007-02-20
  buy(a, "2007-01-31", 800, 1, 0, "before A");
  buy(a, "2007-03-01", 100, 1, 0, "day after A");                     // to come
  buy(a, "2007-12-10", 4000, 4, 0, "in the gap");                     // to come; its rows in C's range bill nothing
  buy(a, "2008-03-05", 700, 0, 0, "in C's range");                    // to come
  buy(a, "2008-05-01", -200, 0, 0, "late refund");                    // to come, negative
  buy(c, "2007-02-15", 500, 1, 0, "in A's period, before C");         // nothing
  const int32_t cRows = buy(c, "2008-01-05", 3000, 3, 0, "c rows");   // [3/3] on 2008-03-05
  const int32_t cBuy = buy(c, "2008-03-31", 9000, 3, 0, "c buy");     // 3,000 now, 6,000 to come
  buy(c, "2008-04-01", 300, 0, 0, "after C");                         // to come

  const std::vector<Line> aLines{{"2006-12-20", "[3/3]rows", 1000, aRows},
                                 {"2007-02-01", "first day", 1000, aStart},
                                 {"2007-02-20", "refund", -500, aRefund},
                                 {"2007-02-28", "[1/3]last day", 2000, aLast}};
  const std::vector<Line> cLines{{"2008-01-05", "[3/3]c rows", 1000, cRows},
                                 {"2008-03-31", "[1/3]c buy", 3000, cBuy}};
  const TotalAmount aToCome = 4000 + 100 + 4000 + 700 - 200;
  const TotalAmount cToCome = 6000 + 300;

  const CardStatement onlyA = buildCardStatement(book(), 2007, 3, a.assetId, fallback);
  EXPECT_EQ(linesOf(onlyA), aLines);
  EXPECT_EQ(onlyA.billed, 3500);
  EXPECT_EQ(onlyA.toCome, aToCome);

  const CardStatement onlyC = buildCardStatement(book(), 2007, 3, c.assetId, fallback);
  EXPECT_EQ(linesOf(onlyC), cLines);
  EXPECT_EQ(onlyC.billed, 4000);
  EXPECT_EQ(onlyC.toCome, cToCome);

  // Every card: the two statements together, nothing read twice or left out.
  std::vector<Line> both = aLines;
  both.insert(both.end(), cLines.begin(), cLines.end());
  const CardStatement all = buildCardStatement(book(), 2007, 3, 0, fallback);
  EXPECT_EQ(linesOf(all), both);
  EXPECT_EQ(all.billed, 7500);
  EXPECT_EQ(all.toCome, aToCome + cToCome);
}

// A period that ends before it starts (당월 15일 ~ 전월 10일) holds no day: nothing is billed, and
// what is to come is what the walk from its start finds, the days between its end and its start
// left out, for the card alone and beside another card alike.
TEST_F(CardStatementTest, APeriodEndingBeforeItStartsBillsNothing) {
  const Asset inverted = addCard("inverted", 3, 15, 2, 10);  // May 2007: 2007-05-15 .. 2007-04-10
  const Asset other = addCard("other", 2, 1, 2, 32);         // 2007-04-01 .. 2007-04-32
  buy(inverted, "2007-04-05", 1000, 1);   // before the end
  buy(inverted, "2007-04-20", 2000, 1);   // between the end and the start, inside the other's period
  buy(inverted, "2007-05-10", 4000, 1);   // between the end and the start, after the other's period
  buy(inverted, "2007-05-15", 8000, 1);   // on the start: to come
  buy(inverted, "2007-06-10", 16000, 3);  // to come
  const int32_t billed = buy(other, "2007-04-20", 400, 1);

  const CardStatement alone = buildCardStatement(book(), 2007, 5, inverted.assetId, noFallback);
  EXPECT_TRUE(alone.lines.empty());
  EXPECT_EQ(alone.toCome, 24000);
  const CardStatement all = buildCardStatement(book(), 2007, 5, 0, noFallback);
  EXPECT_EQ(linesOf(all), (std::vector<Line>{{"2007-04-20", "buy", 400, billed}}));
  EXPECT_EQ(all.toCome, 24000);
}

// A count the program never writes (an older book, a foreign file) bills as the 24 instalments
// the rules write rows for: a twenty-fourth each month, none past the last.
TEST_F(CardStatementTest, ACountAboveTheBoundBillsAsTwentyFourInstalments) {
  const Asset card = addCard("this month", 3, 1, 3, 32);
  LedgerEntry e = testing::makeEntry("2007-01-10", "2", 24000);
  e.entryId = *newEntryId(book());
  e.cardFlag = "Y";
  e.assetId = card.assetId;
  e.instalments = 2000000000;
  ASSERT_TRUE(writeEntryRecord(book(), e));  // as stored, without the rows the rules would add

  const CardStatement first = buildCardStatement(book(), 2007, 1, 0, noFallback);
  EXPECT_EQ(linesOf(first), (std::vector<Line>{{"2007-01-10", "[1/24]test", 1000, e.entryId}}));
  EXPECT_EQ(first.toCome, 23000);

  EXPECT_TRUE(addInstalmentRow(
      book(), InstalmentRow{*takeId(book().store, CounterNo::Instalment), "2008-12-10", e.entryId, 24, card.assetId}));
  EXPECT_TRUE(addInstalmentRow(
      book(), InstalmentRow{*takeId(book().store, CounterNo::Instalment), "2009-01-10", e.entryId, 25, card.assetId}));
  const CardStatement last = buildCardStatement(book(), 2008, 12, 0, noFallback);
  EXPECT_EQ(linesOf(last), (std::vector<Line>{{"2007-01-10", "[24/24]test", 1000, e.entryId}}));
  EXPECT_EQ(last.toCome, 0);
  EXPECT_TRUE(buildCardStatement(book(), 2009, 1, 0, noFallback).lines.empty());
}

// The book keeps the card purchases' sums by card and month, so that an early month's statement
// need not walk every later entry. Kept through every add, change and delete, and built again
// where another writer left them stale, they must give every statement exactly what the walk over
// the whole table gives: odd dates, a record without a date, refunds, instalments and periods
// that end before they start included.
TEST_F(CardStatementTest, TheKeptSumsGiveEveryStatementWhatTheWholeWalkGives) {
  const Asset a = addCard("A", 2, 1, 2, 32);
  const Asset b = addCard("B", 1, 26, 2, 25);
  const Asset inverted = addCard("inverted", 3, 15, 2, 10);
  const Asset c = addCard("C", 0, 0, 0, 0);  // over the fallback range
  const DateRange fallback{"2007-06-01", "2007-06-30"};

  // Foreign records, written past the rules: a card purchase without a date, odd date texts.
  {
    LedgerEntry undated = testing::makeEntry("2007-02-10", "2", 999);
    undated.entryId = 990001;
    undated.cardFlag = "Y";
    undated.assetId = a.assetId;
    std::vector<PropValue> props = propsOf(undated);
    std::erase_if(props, [](const PropValue& p) { return p.id == makePropId(2, PropType::Text); });
    ASSERT_EQ(props.size(), fieldsOf<LedgerEntry>().size() - 1);
    ASSERT_NE(book().store.openTable(kBooksTable, 0).writeRecord(props), 0);
  }
  buy(a, "2007-02-32", 320, 1);
  buy(b, "2007-1", 71, 1);
  buy(b, "2008", 2008, 1);
  EXPECT_FALSE(cardMonthSumsCurrent(book().store));
  ASSERT_TRUE(rebuildCardMonthSums(book().store));
  ASSERT_TRUE(cardMonthSumsCurrent(book().store));

  const Asset* cards[] = {&a, &b, &inverted, &c};
  std::vector<int32_t> ids;
  for (int i = 0; i < 60; ++i) {
    const Asset& card = *cards[i % 4];
    const std::string date = formatDateText(2006 + i / 24, 1 + (i * 7) % 12, 1 + (i * 11) % 28);
    ids.push_back(buy(card, date.c_str(), (i % 9 == 0 ? -1 : 1) * (1000 + 37 * i), i % 5 == 0 ? 3 : 1));
  }
  LedgerEntry cash = testing::makeEntry("2007-03-03", "2", 5000);
  cash.entryId = *newEntryId(book());
  cash.assetId = a.assetId;  // a card's id, but not a card purchase
  ASSERT_TRUE(addEntry(book(), cash));
  // Changes through the rules keep the sums current.
  ASSERT_TRUE(deleteEntry(book(), ids[7]));
  std::optional<LedgerEntry> moved = findEntry(book(), ids[12]);
  ASSERT_TRUE(moved);
  moved->entryDate = "2008-11-03";
  moved->assetId = b.assetId;
  moved->amount = 123456;
  ASSERT_TRUE(updateEntry(book(), *moved));
  ASSERT_TRUE(cardMonthSumsCurrent(book().store));

  struct Seen {
    std::vector<Line> lines;
    TotalAmount billed;
    TotalAmount toCome;
    bool operator==(const Seen&) const = default;
  };
  auto everyStatement = [&] {
    std::vector<Seen> seen;
    for (int month = 0; month < 40; ++month) {
      for (const int32_t cardId : {0, a.assetId, b.assetId, inverted.assetId, c.assetId}) {
        const CardStatement s = buildCardStatement(book(), 2005 + month / 12, 1 + month % 12, cardId, fallback);
        seen.push_back({linesOf(s), s.billed, s.toCome});
      }
    }
    return seen;
  };
  const std::vector<Seen> fromSums = everyStatement();

  // A write past the rules (outside any transaction) leaves the sums stale: the statements walk.
  LedgerEntry other = cash;
  other.entryId = *newEntryId(book());
  ASSERT_TRUE(writeEntryRecord(book(), other));
  ASSERT_FALSE(cardMonthSumsCurrent(book().store));
  const std::vector<Seen> walked = everyStatement();
  ASSERT_EQ(walked.size(), fromSums.size());
  for (std::size_t i = 0; i < walked.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(fromSums[i], walked[i]);
  }

  ASSERT_TRUE(rebuildCardMonthSums(book().store));
  ASSERT_TRUE(cardMonthSumsCurrent(book().store));
  EXPECT_TRUE(everyStatement() == walked);
}

TEST_F(CardStatementTest, AnInstalmentWhoseEntryIsGoneOrShorterBillsNothing) {
  const Asset card = addCard("monthly", 2, 1, 2, 32);
  const int32_t id = buy(card, "2007-01-15", 9000, 3);
  // Rows of numbers the entry no longer has, and a row whose entry is gone, as foreign data may hold.
  EXPECT_TRUE(addInstalmentRow(book(), {900001, "2007-02-15", id, 4, card.assetId}));
  EXPECT_TRUE(addInstalmentRow(book(), {900002, "2007-02-15", 777777, 2, card.assetId}));
  const CardStatement march = buildCardStatement(book(), 2007, 3, card.assetId, noFallback);
  EXPECT_EQ(linesOf(march), (std::vector<Line>{{"2007-01-15", "[2/3]buy", 3000, id}}));
  EXPECT_EQ(march.toCome, 3000);
}

}  // namespace
}  // namespace coinest
