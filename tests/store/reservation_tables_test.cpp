#include "store/reservation_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "store/id_counters.h"
#include "store/record_layout.h"
#include "store/table_catalogue.h"
#include "support/book_fixture.h"
#include "support/record_builders.h"

namespace coinest {
namespace {

using testing::BookFixture;
using testing::makeReservation;

std::vector<int32_t> sorted(std::vector<int32_t> ids) {
  std::sort(ids.begin(), ids.end());
  return ids;
}

TEST(ReservationTables, StartDateIsTheFirstDayFromTodayOnWhenTheReservationFalls) {
  struct Case {
    CalendarDate today;
    int32_t day;
    const char* expected;
  };
  const std::vector<Case> cases = {
      {{2007, 4, 15}, 31, "2007-04-30"},  // cut to the month's last day
      {{2007, 4, 15}, 10, "2007-05-10"},  // already past this month
      {{2007, 4, 15}, 15, "2007-04-15"},  // today counts
      {{2007, 12, 31}, 31, "2007-12-31"},
      {{2007, 12, 20}, 5, "2008-01-05"},  // the year carries
      {{2008, 1, 31}, 30, "2008-02-29"},  // next month, cut, leap year
      {{2007, 1, 30}, 29, "2007-02-28"},
      {{2007, 3, 5}, 1, "2007-04-01"},
  };
  BookFixture f;
  int32_t id = 10000;
  for (const Case& c : cases) {
    const TodayDate today{formatDateText(c.today.year, c.today.month, c.today.day), c.today.year, c.today.month,
                          c.today.day};
    EXPECT_EQ(reservationStartDate(c.day, today), c.expected) << today.text << " day " << c.day;

    // Saving computes the same date from the book's clock, whatever start date it was given.
    f.setToday(c.today);
    EXPECT_TRUE(saveNewReservation(f.book(), makeReservation({.id = ++id, .dayOfMonth = c.day})));
    const std::optional<Reservation> saved = findReservation(f.book(), id);
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->startDate, c.expected) << today.text << " day " << c.day;
  }
}

TEST(ReservationTables, FindReadsEveryFieldAndPresetsWhatOlderRecordsLack) {
  BookFixture f;
  Book& book = f.book();
  Reservation full = makeReservation({.id = 10001, .dayOfMonth = 25, .note = "집주인", .assetId = 10003});
  full.phoneFlag = "Y";
  full.checkCardFlag = "Y";
  full.instalments = 3;
  EXPECT_TRUE(addReservation(book, full));
  const std::optional<Reservation> read = findReservation(book, 10001);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(propsOf(*read).size(), 14u);
  for (std::size_t i = 0; i < 14; ++i) {
    const PropValue a = propsOf(*read)[i];
    const PropValue b = propsOf(full)[i];
    EXPECT_EQ(a.intValue, b.intValue) << "property " << i + 1;
    EXPECT_EQ(a.text, b.text) << "property " << i + 1;
  }

  // A record written before the last four properties existed.
  {
    TableHandle t = f.store().openTable(kReservationsTable, 0);
    std::vector<PropValue> props =
        propsOf(makeReservation({.id = 10002, .dayOfMonth = 3, .note = "집주인", .assetId = 10003}));
    props.resize(10);
    ASSERT_NE(t.writeRecord(props), 0);
  }
  const std::optional<Reservation> old = findReservation(book, 10002);
  ASSERT_TRUE(old.has_value());
  EXPECT_EQ(old->note, "집주인");
  EXPECT_EQ(old->assetId, 0);
  EXPECT_EQ(old->instalments, 0);
  EXPECT_EQ(old->phoneFlag, "N");
  EXPECT_EQ(old->checkCardFlag, "N");

  EXPECT_FALSE(findReservation(book, 10003).has_value());
  EXPECT_FALSE(reservationIdFree(book, 10002));
  EXPECT_TRUE(reservationIdFree(book, 10003));
}

TEST(ReservationTables, DayListsHoldOnlyTheirDay) {
  BookFixture f;
  Book& book = f.book();
  const std::vector<std::pair<int32_t, int32_t>> stored = {{10001, 10}, {10002, 5}, {10003, 10}, {10004, 31},
                                                           {10005, 11}, {10006, 10}};
  for (const auto& [id, day] : stored)
    EXPECT_TRUE(addReservation(book, makeReservation({.id = id, .dayOfMonth = day})));

  struct Case {
    int32_t day;
    std::vector<int32_t> ids;
  };
  const std::vector<Case> cases = {
      {10, {10001, 10003, 10006}}, {5, {10002}}, {31, {10004}}, {1, {}}, {30, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(sorted(reservationsOnDay(book, c.day)), c.ids) << "day " << c.day;
}

TEST(ReservationTables, ADayListStopsAtItsCapacity) {
  BookFixture f;
  {
    TransactionGuard tx(f.store());
    for (int32_t i = 1; i <= static_cast<int32_t>(kDayListCapacity) + 5; ++i)
      EXPECT_TRUE(addReservation(f.book(), makeReservation({.id = 10000 + i, .dayOfMonth = 7})));
    ASSERT_TRUE(tx.commit());
  }
  EXPECT_EQ(reservationsOnDay(f.book(), 7).size(), kDayListCapacity);
}

TEST(ReservationTables, LinksAreFoundByReservationAndMonthAndDeletedPerReservation) {
  BookFixture f;
  Book& book = f.book();
  const std::vector<ReservationLink> links = {
      {10001, "200701", 10001, 20001}, {10002, "200702", 10001, 20002}, {10003, "200701", 10002, 20003},
      {10004, "200702", 10002, 20004}, {10005, "200701", 10003, 20005},
  };
  for (const ReservationLink& l : links) EXPECT_TRUE(addReservationLink(book, l));

  EXPECT_TRUE(deleteLinksOfReservation(book, 10002));

  struct Case {
    int32_t reserveId;
    const char* month;
    bool exists;
  };
  const std::vector<Case> cases = {
      {10001, "200701", true},  {10001, "200702", true},  {10001, "200703", false},
      {10002, "200701", false}, {10002, "200702", false}, {10003, "200701", true},
      {10003, "200702", false}, {9999, "200701", false},
  };
  for (const Case& c : cases) EXPECT_EQ(linkExists(book, c.reserveId, c.month), c.exists) << c.reserveId << " " << c.month;
  EXPECT_EQ(f.store().recordCount(kReservationLinksTable), 3u);

  EXPECT_TRUE(deleteReservationLink(book, 10002));
  EXPECT_FALSE(linkExists(book, 10001, "200702"));
  EXPECT_FALSE(deleteReservationLink(book, 10002));
}

TEST(ReservationTables, ReplacingRecomputesTheStartAndKeepsTheLinks) {
  BookFixture f({2007, 3, 20});
  Book& book = f.book();
  f.enableExchange();
  EXPECT_TRUE(addReservation(book, makeReservation({.id = 10001, .dayOfMonth = 10})));
  EXPECT_TRUE(addReservationLink(book, {10001, "200703", 10001, 20001}));
  f.sink.changes.clear();

  Reservation edited = makeReservation({.id = 10001, .dayOfMonth = 25});
  edited.content = "관리비 포함 월세";
  edited.startDate = "2001-01-01";  // not kept
  EXPECT_TRUE(replaceReservation(book, edited));

  const std::optional<Reservation> read = findReservation(book, 10001);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->dayOfMonth, 25);
  EXPECT_EQ(read->content, "관리비 포함 월세");
  EXPECT_EQ(read->startDate, "2007-03-25");
  EXPECT_TRUE(linkExists(book, 10001, "200703"));
  EXPECT_EQ(f.store().recordCount(kReservationsTable), 1u);
  ASSERT_EQ(f.sink.names(), std::vector<std::string>{"B2 10001"});
  ASSERT_EQ(f.sink.changes[0].fields.size(), 14u);
  EXPECT_EQ(f.sink.changes[0].fields[8].text, "2007-03-25");  // field 9, the new start date
  EXPECT_FALSE(book.modes.journalSuppressed);

  // Deleting the reservation leaves its links to the page, which removes them itself.
  EXPECT_TRUE(deleteReservation(book, 10001));
  EXPECT_TRUE(reservationIdFree(book, 10001));
  EXPECT_TRUE(linkExists(book, 10001, "200703"));
}

TEST(ReservationTables, EachOperationWritesItsChangeFile) {
  struct Case {
    const char* what;
    std::function<void(Book&)> run;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"save new",
       [](Book& b) { EXPECT_TRUE(saveNewReservation(b, makeReservation({.id = 10002, .dayOfMonth = 5}))); },
       {"B1 10002"}},
      {"add",
       [](Book& b) { EXPECT_TRUE(addReservation(b, makeReservation({.id = 10002, .dayOfMonth = 5}))); },
       {"B1 10002"}},
      {"replace",
       [](Book& b) { EXPECT_TRUE(replaceReservation(b, makeReservation({.id = 10001, .dayOfMonth = 7}))); },
       {"B2 10001"}},
      {"replace absent",
       [](Book& b) { EXPECT_TRUE(replaceReservation(b, makeReservation({.id = 777, .dayOfMonth = 7}))); },
       {"B2 777"}},
      {"delete", [](Book& b) { deleteReservation(b, 10001); }, {"B3 10001"}},
      {"delete absent", [](Book& b) { deleteReservation(b, 777); }, {"B3 777"}},
      {"add link",
       [](Book& b) {
         EXPECT_TRUE(addReservationLink(b, {10002, "200703", 10001, 20002}));
       },
       {"C1 10002"}},
      {"delete link", [](Book& b) { deleteReservationLink(b, 10001); }, {"C3 10001"}},
      {"delete absent link", [](Book& b) { deleteReservationLink(b, 777); }, {"C3 777"}},
      {"delete links of a reservation", [](Book& b) { EXPECT_TRUE(deleteLinksOfReservation(b, 10001)); }, {}},
  };
  for (const Case& c : cases) {
    for (const bool exchange : {false, true}) {
      BookFixture f;
      EXPECT_TRUE(addReservation(f.book(), makeReservation({.id = 10001, .dayOfMonth = 10})));
      EXPECT_TRUE(addReservationLink(f.book(), {10001, "200703", 10001, 20001}));
      if (exchange) f.enableExchange();
      c.run(f.book());
      EXPECT_EQ(f.sink.names(), exchange ? c.expected : std::vector<std::string>{})
          << c.what << (exchange ? "" : " with exchange off");
    }
  }
  // A replacement of an absent reservation adds nothing.
  BookFixture f;
  EXPECT_TRUE(replaceReservation(f.book(), makeReservation({.id = 777, .dayOfMonth = 7})));
  EXPECT_TRUE(reservationIdFree(f.book(), 777));
}

TEST(ReservationTables, AppliedDesktopChangesRaiseCountersAndWriteNoChangeFiles) {
  BookFixture f;
  Book& book = f.book();
  f.enableExchange();
  book.modes.applyingImport = true;

  EXPECT_TRUE(addReservation(book, makeReservation({.id = 20000, .dayOfMonth = 10})));
  EXPECT_TRUE(
      addReservation(book, makeReservation({.id = 600000, .dayOfMonth = 11})));  // desktop ids leave the counters alone
  EXPECT_TRUE(addReservationLink(book, {30000, "200703", 20000, 1}));
  EXPECT_TRUE(addReservationLink(book, {600001, "200703", 600000, 2}));
  deleteReservationLink(book, 30000);
  deleteReservation(book, 20000);

  EXPECT_TRUE(f.sink.changes.empty());
  const IdCounters counters = readCounters(f.store());
  EXPECT_EQ(counters.reserveCounter, 20000);
  EXPECT_EQ(counters.linkCounter, 30000);
  EXPECT_EQ(counters.instCounter, 10000);
  EXPECT_FALSE(reservationIdFree(book, 600000));

  book.modes.applyingImport = false;
  EXPECT_TRUE(addReservation(book, makeReservation({.id = 40000, .dayOfMonth = 12})));
  EXPECT_EQ(readCounters(f.store()).reserveCounter, 20000);
  EXPECT_EQ(f.sink.names(), std::vector<std::string>{"B1 40000"});
}

TEST(ReservationTables, ThePageListIsByDayFromTheFirstAndDeletesWithItsLinksAsOne) {
  BookFixture f;
  Book& book = f.book();
  for (auto [id, day] : {std::pair{10003, 20}, {10001, 0}, {10002, 3}}) {
    EXPECT_TRUE(addReservation(book, makeReservation({.id = id, .dayOfMonth = day})));
  }
  std::vector<int32_t> ids;
  for (const Reservation& r : loadReservations(book)) ids.push_back(r.reserveId);
  EXPECT_EQ(ids, (std::vector<int32_t>{10002, 10003}));  // a day below 1 is no day of a month

  EXPECT_TRUE(addReservationLink(book, {10010, "200703", 10002, 1}));
  EXPECT_TRUE(addReservationLink(book, {10011, "200703", 10003, 2}));
  f.enableExchange();
  EXPECT_TRUE(deleteReservationAndLinks(book, 10002));
  EXPECT_FALSE(findReservation(book, 10002));
  EXPECT_FALSE(linkExists(book, 10002, "200703"));
  EXPECT_TRUE(linkExists(book, 10003, "200703"));
  EXPECT_EQ(f.sink.names(), std::vector<std::string>{"B3 10002"});
  // One already gone is no failure: the desktop's copy may still hold it.
  EXPECT_TRUE(deleteReservationAndLinks(book, 10002));
}

}  // namespace
}  // namespace coinest
