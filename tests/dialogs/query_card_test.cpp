#include "dialogs/query_card.h"

#include <gtest/gtest.h>

#include "calendar/date_text.h"
#include "ledger/entry_rules.h"
#include "ledger/ledger_test_support.h"
#include "store/asset_table.h"
#include "store/entry_table.h"
#include "store/id_counters.h"
#include "support/book_fixture.h"

namespace coinest {
namespace {

TEST(CardQueryTest, PeriodTextNamesRealDays) {
  struct Case {
    int32_t fromMonth, fromDay, toMonth, toDay;
    int year, month;
    const char* expected;
  };
  const Case cases[] = {
      {2, 32, 3, 32, 2007, 3, "2007-03-01 ~ 2007-03-31"},  // February's last day is below 30
      {2, 32, 3, 32, 2007, 5, "2007-05-01 ~ 2007-05-31"},  // the statement reads after all of April
      {1, 26, 2, 25, 2007, 1, "2006-11-26 ~ 2006-12-25"},
      {2, 31, 3, 30, 2007, 3, "2007-03-01 ~ 2007-03-30"},  // no 31st of February
      {2, 1, 2, 31, 2007, 5, "2007-04-01 ~ 2007-04-30"},   // no 31st of April
      {2, 29, 3, 28, 2008, 3, "2008-02-29 ~ 2008-03-28"},
      {2, 1, 2, 32, 2007, 1, "2006-12-01 ~ 2006-12-31"},
      {2, 1, 0, 32, 2007, 1, ""},
  };
  for (const Case& c : cases) {
    const Asset card = testing::cardWithPeriod(c.fromMonth, c.fromDay, c.toMonth, c.toDay);
    EXPECT_EQ(billingPeriodText(card, c.year, c.month), c.expected)
        << c.year << "-" << c.month << " " << c.fromMonth << "/" << c.fromDay << " " << c.toMonth << "/" << c.toDay;
  }
}

// Whatever the settings, the text names exactly the real days the statement reads.
TEST(CardQueryTest, PeriodTextAgreesWithTheStatementsRead) {
  const int32_t days[] = {1, 15, 28, 29, 30, 31, 32};
  for (int32_t fromMonth = 1; fromMonth <= 3; ++fromMonth) {
    for (int32_t toMonth = fromMonth; toMonth <= 3; ++toMonth) {
      for (int32_t fromDay : days) {
        for (int32_t toDay : days) {
          const Asset a = testing::cardWithPeriod(fromMonth, fromDay, toMonth, toDay);
          for (int month = 1; month <= 12; ++month) {
            const std::optional<DateRange> read = billingPeriod(a, 2008, month);
            const std::string text = billingPeriodText(a, 2008, month);
            ASSERT_TRUE(read);
            ASSERT_EQ(text.size(), 23u);
            const std::string shownFrom = text.substr(0, 10);
            const std::string shownTo = text.substr(13);
            for (int y : {2007, 2008}) {
              for (int m = 1; m <= 12; ++m) {
                for (int d = 1; d <= daysInMonth(y, m); ++d) {
                  const std::string day = formatDateText(y, m, d);
                  const bool isRead = read->start <= day && day <= read->end;
                  const bool isShown = shownFrom <= day && day <= shownTo;
                  ASSERT_EQ(isRead, isShown) << day << " for " << text << " / " << read->start << ".." << read->end;
                }
              }
            }
          }
        }
      }
    }
  }
}

TEST(CardQueryTest, ChosenCardSetsItsTextsAndACardWithoutPeriodReadsTheBooksPeriod) {
  testing::BookFixture fx;
  Book& book = fx.book();
  Asset noPeriod = testing::cardWithPeriod(0, 0, 0, 0);
  noPeriod.assetId = *takeId(book.store, CounterNo::Reservation);
  noPeriod.company = "K";
  noPeriod.assetName = "card";
  noPeriod.holder = "me";
  noPeriod.linkOrPayDay = 25;
  EXPECT_TRUE(addAsset(book, noPeriod));
  for (const char* date : {"2007-02-27", "2007-03-02", "2007-03-04"}) {
    LedgerEntry e;
    e.entryId = *newEntryId(book);
    e.entryDate = date;
    e.entryKind = "2";
    e.content = date;
    e.amount = 1000;
    e.cardFlag = "Y";
    e.assetId = noPeriod.assetId;
    EXPECT_TRUE(addEntry(book, e));
  }

  QueryCriteria criteria = startQueryCriteria(book.clock);  // books period 2007-03-01 .. 2007-03-05
  setCardQuery(criteria.card, 2007, 4, &noPeriod);
  EXPECT_EQ(criteria.card.cardFilter, noPeriod.assetId);
  EXPECT_EQ(criteria.card.cardText, "K card me");
  EXPECT_EQ(criteria.card.payDayText, "25일");
  EXPECT_EQ(criteria.card.periodText, "");
  const CardStatement statement = buildCardQuery(book, criteria);
  ASSERT_EQ(statement.lines.size(), 2u);
  EXPECT_EQ(statement.lines[0].content, "2007-03-02");
  EXPECT_EQ(statement.lines[1].content, "2007-03-04");
  EXPECT_EQ(statement.month, 4);

  setCardQuery(criteria.card, 2007, 4, nullptr);
  EXPECT_EQ(criteria.card.cardFilter, 0);
  EXPECT_EQ(criteria.card.cardText, "전체");
  EXPECT_EQ(criteria.card.payDayText, "");
  EXPECT_EQ(buildCardQuery(book, criteria).lines.size(), 2u);
}

}  // namespace
}  // namespace coinest
