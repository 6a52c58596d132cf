#include "ledger/reservation_posting.h"

#include <gtest/gtest.h>

#include "ledger/entry_rules.h"
#include "store/entry_table.h"
#include "store/id_counters.h"
#include "store/posting_date.h"
#include "store/reservation_tables.h"
#include "support/book_fixture.h"
#include "support/record_builders.h"

namespace coinest {
namespace {

class PostingTest : public ::testing::Test {
 protected:
  // A reservation written as it is stored, with the start date given.
  int32_t reserve(int32_t day, const std::string& content, const std::string& startDate = "2007-01-01") {
    const Reservation r = testing::makeReservation({.id = *takeId(fx.store(), CounterNo::Reservation),
                                                    .dayOfMonth = day,
                                                    .content = content,
                                                    .amount = 1000 * day,
                                                    .startDate = startDate,
                                                    .note = "note " + content});
    EXPECT_TRUE(addReservation(fx.book(), r));
    return r.reserveId;
  }

  // "date content" of every entry, in date order.
  std::vector<std::string> posted() {
    std::vector<std::string> out;
    for (const LedgerEntry& e : entriesInRange(fx.book(), "2000-01-01", "2050-12-31")) {
      out.push_back(e.entryDate + " " + e.content);
    }
    return out;
  }

  void postOn(CalendarDate day) {
    fx.setToday(day);
    EXPECT_TRUE(postDueReservations(fx.book()));
  }

  testing::BookFixture fx{{2007, 1, 1}};
};

TEST_F(PostingTest, MonthEndsServeTheDaysTheMonthLacks) {
  for (int32_t day : {31, 29, 28, 30}) reserve(day, "day" + std::to_string(day), "2007-02-01");
  postOn({2007, 2, 27});
  EXPECT_TRUE(posted().empty());
  postOn({2007, 2, 28});
  EXPECT_EQ(posted(), (std::vector<std::string>{"2007-02-28 day28", "2007-02-28 day29", "2007-02-28 day30",
                                                "2007-02-28 day31"}))
      << "the 28th of a 28-day February serves days 28 to 31";
  postOn({2007, 4, 30});
  const std::vector<std::string> all = posted();
  const std::vector<std::string> april(all.end() - 4, all.end());
  EXPECT_EQ(april, (std::vector<std::string>{"2007-04-28 day28", "2007-04-29 day29", "2007-04-30 day30",
                                             "2007-04-30 day31"}));
  EXPECT_EQ(all.size(), 12u) << "March and April too, each once";
}

// An older book or a foreign file can hold any count: posting writes the rows of the 24
// instalments the program bills, at once, and keeps the count as stored.
TEST_F(PostingTest, AHostileInstalmentCountPostsTheRowsOfTwentyFourInstalments) {
  const Asset card = testing::addNewAsset(fx.book(), {.kind = "2", .name = "card"});
  EXPECT_TRUE(addReservation(fx.book(), testing::makeReservation({.id = *takeId(fx.store(), CounterNo::Reservation),
                                                                  .dayOfMonth = 10,
                                                                  .content = "lessons",
                                                                  .amount = 240000,
                                                                  .cardFlag = "Y",
                                                                  .assetId = card.assetId,
                                                                  .instalments = 2000000000})));

  postOn({2007, 1, 10});
  const std::vector<LedgerEntry> entries = entriesInRange(fx.book(), "2007-01-10", "2007-01-10");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].instalments, 2000000000);
  const std::vector<InstalmentRow> rows = instalmentsInRange(fx.book(), "2000-01-01", "2050-12-31");
  ASSERT_EQ(rows.size(), 23u);
  EXPECT_EQ(rows.back().instNo, 24);
  EXPECT_EQ(rows.back().instDate, "2008-12-10");
}

TEST_F(PostingTest, MissedMonthsArePostedOnceEachAndNothingTwice) {
  const int32_t rent = reserve(10, "rent");
  reserve(20, "late", "2007-03-20");
  postOn({2007, 3, 15});
  EXPECT_EQ(posted(), (std::vector<std::string>{"2007-01-10 rent", "2007-02-10 rent", "2007-03-10 rent"}));
  postOn({2007, 3, 15});
  EXPECT_EQ(posted().size(), 3u) << "a second run on the same day posts nothing";
  EXPECT_EQ(readPostingDate(fx.store()), "2007-03-15");

  // Editing a reservation posted this month does not post it again, even on a later day.
  Reservation edited = *findReservation(fx.book(), rent);
  edited.dayOfMonth = 25;
  EXPECT_TRUE(replaceReservation(fx.book(), edited));
  postOn({2007, 3, 31});
  EXPECT_EQ(posted(), (std::vector<std::string>{"2007-01-10 rent", "2007-02-10 rent", "2007-03-10 rent",
                                                "2007-03-20 late"}));

  // The posted entry carries the reservation's fields and id.
  const std::vector<LedgerEntry> entries = entriesInRange(fx.book(), "2007-01-10", "2007-01-10");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].reserveId, rent);
  EXPECT_EQ(entries[0].amount, 10000);
  EXPECT_EQ(entries[0].note, "note rent");
  EXPECT_EQ(entries[0].toAssetId, 0);
  EXPECT_TRUE(linkExists(fx.book(), rent, "200701"));
}

TEST_F(PostingTest, ARunBeforeTheLastPostingDateDoesNothingAndABadDateStartsIn2000) {
  reserve(5, "five", "2000-01-01");
  postOn({2006, 12, 31});  // the clock went back
  EXPECT_TRUE(posted().empty());
  EXPECT_EQ(readPostingDate(fx.store()), "2007-01-01");

  writePostingDate(fx.store(), "1999-12-31");  // ten characters, but not a usable date
  postOn({2000, 3, 6});
  EXPECT_EQ(posted(), (std::vector<std::string>{"2000-01-05 five", "2000-02-05 five", "2000-03-05 five"}));
}

TEST_F(PostingTest, ThePostingDateGoesToTheDesktop) {
  reserve(3, "three");
  fx.enableExchange();
  fx.sink.changes.clear();
  postOn({2007, 1, 3});
  std::vector<std::string> names = fx.sink.names();
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names[0].substr(0, 2), "A1");
  EXPECT_EQ(names[1].substr(0, 2), "C1");
  EXPECT_EQ(names[2], "G2 1");
  EXPECT_EQ(fx.sink.changes[2].fields[0].text, "2007-01-03");
  EXPECT_FALSE(fx.book().modes.importBusy);
}

}  // namespace
}  // namespace coinest
