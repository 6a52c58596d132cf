#include "ledger/book_view.h"

#include <gtest/gtest.h>

#include <set>

#include "ledger/entry_rules.h"
#include "ledger/ledger_test_support.h"
#include "store/entry_table.h"
#include "support/book_fixture.h"

namespace coinest {
namespace {

using testing::makeAsset;
using testing::makeEntry;

LedgerEntry entry(int32_t id, const char* date, const char* kind, int32_t amount, int32_t assetId = 0) {
  LedgerEntry e = makeEntry(date, kind, amount);
  e.entryId = id;
  e.assetId = assetId;
  return e;
}

std::vector<int32_t> idsOf(const BookView& view) {
  std::vector<int32_t> ids;
  for (const BookRow& r : view.rows) ids.push_back(r.entryId);
  return ids;
}

std::vector<std::string> datesOf(const BookView& view) {
  std::vector<std::string> dates;
  for (const BookRow& r : view.rows) dates.push_back(r.date);
  return dates;
}

int32_t selectedId(const BookView& view) { return view.selectedRow ? view.rows.at(*view.selectedRow).entryId : 0; }

TEST(BookRowTest, PrefixInRuleOrderReservationMarkAndSign) {
  struct Case {
    const char* what;
    LedgerEntry entry;
    const char* content;
    const char* amount;
  };
  auto with = [](LedgerEntry e, auto change) {
    change(e);
    return e;
  };
  const LedgerEntry expense = entry(1, "2007-03-05", "2", 12000);
  const Case cases[] = {
      {"cash expense", expense, "test", "-12,000"},
      {"cash income", entry(1, "2007-03-05", "1", 1500000), "test", "+1,500,000"},
      {"account expense", entry(1, "2007-03-05", "2", 12000, 7), "[계]test", "-12,000"},
      {"account income", entry(1, "2007-03-05", "1", 900, 7), "[계]test", "+900"},
      {"check card", with(expense, [](auto& e) { e.assetId = 7;
        e.checkCardFlag = "Y"; }), "[체]test", "-12,000"},
      {"phone before the account", with(expense, [](auto& e) { e.assetId = 7;
        e.phoneFlag = "Y"; }), "[폰]test",
       "-12,000"},
      {"card before the phone",
       with(expense, [](auto& e) { e.assetId = 9;
        e.cardFlag = "Y";
        e.phoneFlag = "Y"; }), "[카]test", "-12,000"},
      {"transfer before the card, unsigned",
       with(entry(1, "2007-03-05", "3", 50000, 9), [](auto& e) { e.cardFlag = "Y"; }), "[이]test", "50,000"},
      {"reservation mark in front of the card prefix",
       with(expense, [](auto& e) { e.assetId = 9;
        e.cardFlag = "Y";
        e.reserveId = 10003; }), "@[카]test",
       "-12,000"},
      {"reservation mark on cash", with(expense, [](auto& e) { e.reserveId = 1; }), "@test", "-12,000"},
  };
  for (const Case& c : cases) {
    const BookRow row = bookRowOf(c.entry);
    EXPECT_EQ(row, (BookRow{"03/05", c.content, c.amount, 1})) << c.what;
  }
}

class BookViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    account = makeAsset(book(), "1", "salary");
    credit = makeAsset(book(), "2", "visa", 25);
  }

  Book& book() { return fx.book(); }
  void add(const LedgerEntry& e) { EXPECT_TRUE(addEntry(book(), e)); }
  BookView view(const char* date, BookViewMode mode, int32_t selected = 0) {
    return buildBookView(book(), cache, {date, mode, selected});
  }

  testing::BookFixture fx;
  BookReadCache cache;
  Asset account, credit;
};

TEST_F(BookViewTest, MonthListOrderAndTotals) {
  LedgerEntry cardBill = entry(30003, "2007-03-05", "2", 50000, account.assetId);
  cardBill.majorItem = "카드대금";
  LedgerEntry withdrawal = entry(30002, "2007-03-02", "3", 20000, account.assetId);
  LedgerEntry cardLunch = entry(30001, "2007-03-31", "2", 12000, credit.assetId);
  cardLunch.cardFlag = "Y";
  for (const LedgerEntry& e : {entry(30005, "2007-03-05", "2", 3000), entry(30004, "2007-03-05", "1", 100000),
                               cardBill, withdrawal, cardLunch, entry(30006, "2007-02-28", "2", 1000),
                               entry(30007, "2007-04-01", "1", 5000), entry(30008, "2007-03-10", "1", 7000, account.assetId)}) {
    add(e);
  }

  const BookView v = view("2007-03-05", BookViewMode::Month);
  EXPECT_EQ(v.period, (BookPeriod{"2007-03-05", "2007-03-01", "2007-03-31"}));
  // By date, then kind, then id.
  EXPECT_EQ(idsOf(v), (std::vector<int32_t>{30002, 30004, 30003, 30005, 30008, 30001}));
  EXPECT_EQ(v.income, "107,000");
  EXPECT_EQ(v.expense, "65,000");  // the card expense and the card bill included, the transfer not
  EXPECT_EQ(v.cash, "+117,000");   // cash income, cash expense and the withdrawal
  EXPECT_EQ(selectedId(v), 30005);
}

TEST_F(BookViewTest, EmptyMonthHasZeroTotalsWithoutSign) {
  add(entry(30001, "2007-05-31", "2", 1000));
  add(entry(30002, "2007-07-01", "1", 1000));
  const BookView v = view("2007-06-15", BookViewMode::Month);
  EXPECT_TRUE(v.rows.empty());
  EXPECT_EQ(v.income, "0");
  EXPECT_EQ(v.expense, "0");
  EXPECT_EQ(v.cash, "0");
  EXPECT_FALSE(v.selectedRow);
}

TEST_F(BookViewTest, InstalmentsShowOnlyAsThePurchase) {
  LedgerEntry purchase = entry(30001, "2007-01-15", "2", 300000, credit.assetId);
  purchase.cardFlag = "Y";
  purchase.instalments = 3;
  add(purchase);
  ASSERT_EQ(instalmentsInRange(book(), "2007-02-01", "2007-03-31").size(), 2u);

  const BookView january = view("2007-01-20", BookViewMode::Month);
  ASSERT_EQ(january.rows.size(), 1u);
  EXPECT_EQ(january.rows[0].amount, "-300,000");
  for (const char* date : {"2007-02-15", "2007-03-15"}) {
    const BookView later = view(date, BookViewMode::Month);
    EXPECT_TRUE(later.rows.empty()) << date;
    EXPECT_EQ(later.expense, "0") << date;
  }
}

TEST_F(BookViewTest, WeekListsOnlyTheDaysOfTheCutWeek) {
  struct Case {
    const char* date;
    std::vector<const char*> entryDates;
    std::vector<std::string> rowDates;
  };
  const std::vector<Case> cases = {
      {"2007-01-03", {"2006-12-31", "2007-01-01", "2007-01-06", "2007-01-07"}, {"01/01", "01/06"}},
      {"2007-04-30", {"2007-04-28", "2007-04-29", "2007-05-01"}, {"04/29"}},
  };
  int32_t id = 30000;
  for (const Case& c : cases) {
    for (const char* d : c.entryDates) add(entry(++id, d, "2", 1000));
  }
  for (const Case& c : cases) EXPECT_EQ(datesOf(view(c.date, BookViewMode::Week)), c.rowDates) << c.date;
}

TEST_F(BookViewTest, SelectionInEachMode) {
  add(entry(40001, "2007-03-02", "2", 1000));
  add(entry(40002, "2007-03-05", "2", 1000));
  add(entry(40003, "2007-03-05", "1", 1000));
  add(entry(40004, "2007-03-09", "2", 1000));
  struct Case {
    const char* date;
    BookViewMode mode;
    int32_t selectedEntryId;
    int32_t want;  // 0: no row selected
  };
  const Case cases[] = {
      {"2007-03-05", BookViewMode::Day, 40002, 40002},
      {"2007-03-05", BookViewMode::Day, 40004, 0},  // the selected entry is on another day
      {"2007-03-05", BookViewMode::Day, 0, 0},
      {"2007-03-07", BookViewMode::Week, 0, 40002},  // the last row on or before the date
      {"2007-03-04", BookViewMode::Week, 40003, 0},  // no row on or before the date
      {"2007-03-05", BookViewMode::Month, 0, 40002},
      {"2007-03-31", BookViewMode::Month, 40001, 40004},
      {"2007-03-01", BookViewMode::Month, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(selectedId(view(c.date, c.mode, c.selectedEntryId)), c.want)
        << c.date << " " << static_cast<char>(c.mode);
  }
}

TEST_F(BookViewTest, ReadIsReusedForTheSameRangeStartUntilInvalidated) {
  add(entry(30001, "2007-03-02", "2", 1000));
  EXPECT_EQ(view("2007-03-05", BookViewMode::Month).rows.size(), 1u);

  // Written past the page (no save through the dialog): the kept read does not see it.
  writeEntryRecord(book(), entry(30002, "2007-03-10", "2", 1000));
  EXPECT_EQ(view("2007-03-20", BookViewMode::Month).rows.size(), 1u);
  cache.invalidate();
  EXPECT_EQ(view("2007-03-20", BookViewMode::Month).rows.size(), 2u);

  // Another range start reads again.
  writeEntryRecord(book(), entry(30003, "2007-03-11", "2", 1000));
  EXPECT_EQ(idsOf(view("2007-03-11", BookViewMode::Week)), (std::vector<int32_t>{30003}));
  EXPECT_EQ(cache.rangeStart, "2007-03-11");
}

TEST_F(BookViewTest, ReadRunsToTheSixthOfTheNextMonth) {
  int32_t id = 30000;
  for (const char* d : {"2007-12-29", "2007-12-30", "2008-01-06", "2008-01-07"}) add(entry(++id, d, "2", 1000));
  std::vector<std::string> read;
  for (const LedgerEntry& e : bookEntriesFrom(book(), cache, "2007-12-30")) read.push_back(e.entryDate);
  EXPECT_EQ(read, (std::vector<std::string>{"2007-12-30", "2008-01-06"}));
}

TEST_F(BookViewTest, CalendarMarks) {
  int32_t id = 30000;
  for (const char* d : {"2007-02-28", "2007-03-02", "2007-03-05", "2007-03-05", "2007-04-03"}) {
    add(entry(++id, d, "2", 1000));
  }
  const HolidayTest holiday = [](std::string_view date) { return date == "2007-03-01"; };
  auto datesWhere = [](const BookView& v, bool BookCalendarCell::*mark) {
    std::set<std::string> dates;
    for (const BookCalendarCell& c : v.calendar.cells) {
      if (c.*mark) dates.insert(c.date);
    }
    return dates;
  };

  const BookView month = buildBookView(book(), cache, {"2007-03-05", BookViewMode::Month, 0}, holiday);
  EXPECT_EQ(month.calendar.year, 2007);
  EXPECT_EQ(month.calendar.month, 3);
  // The 1st is a Thursday; six rows end with the 7th of April.
  ASSERT_EQ(month.calendar.cells.size(), 38u);
  EXPECT_EQ(month.calendar.cells.front().date, "2007-03-01");
  EXPECT_EQ(month.calendar.cells.front().column, 4);
  EXPECT_EQ(month.calendar.cells.back().date, "2007-04-07");
  EXPECT_EQ(month.calendar.cells.back().row, 5);
  EXPECT_EQ(datesWhere(month, &BookCalendarCell::nextMonth).size(), 7u);
  EXPECT_EQ(datesWhere(month, &BookCalendarCell::hasEntries),
            (std::set<std::string>{"2007-03-02", "2007-03-05", "2007-04-03"}));
  EXPECT_EQ(datesWhere(month, &BookCalendarCell::current), (std::set<std::string>{"2007-03-05"}));
  EXPECT_EQ(datesWhere(month, &BookCalendarCell::inRange).size(), 31u);
  EXPECT_EQ(datesWhere(month, &BookCalendarCell::red),
            (std::set<std::string>{"2007-03-01", "2007-03-04", "2007-03-11", "2007-03-18", "2007-03-25",
                                   "2007-04-01"}));

  const BookView week = buildBookView(book(), cache, {"2007-03-05", BookViewMode::Week, 0});
  EXPECT_EQ(*datesWhere(week, &BookCalendarCell::inRange).begin(), "2007-03-04");
  EXPECT_EQ(*datesWhere(week, &BookCalendarCell::inRange).rbegin(), "2007-03-10");
  EXPECT_EQ(datesWhere(week, &BookCalendarCell::inRange).size(), 7u);
  EXPECT_EQ(datesWhere(week, &BookCalendarCell::red).count("2007-03-01"), 0u);  // no holiday test given
}

// A tap on any cell the calendar shows must give that cell's date.
TEST_F(BookViewTest, CalendarCellsPickTheirOwnDate) {
  for (int year : {2007, 2008, 2009}) {
    for (int month = 1; month <= 12; ++month) {
      const BookView v = view(formatDateText(year, month, 15).c_str(), BookViewMode::Month);
      ASSERT_EQ(v.calendar.cells.front().date, formatDateText(year, month, 1));
      ASSERT_EQ(v.calendar.cells.front().column + v.calendar.cells.size(), 7u * kCalendarRows) << year << "-" << month;
      for (const BookCalendarCell& c : v.calendar.cells) {
        EXPECT_EQ(calendarDayPick(year, month, c.day, c.row), c.date) << c.date << " row " << c.row;
      }
    }
  }
}

TEST_F(BookViewTest, EntryDetailLines) {
  Asset gone = makeAsset(book(), "1", "closed");
  LedgerEntry withdrawal = entry(30001, "2007-03-02", "3", 20000, account.assetId);
  withdrawal.minorItem = "현금 인출";
  withdrawal.note = "atm";
  LedgerEntry deposit = entry(30002, "2007-03-02", "3", 5000, 0);
  deposit.toAssetId = account.assetId;
  LedgerEntry cardLunch = entry(30003, "2007-03-03", "2", 12000, credit.assetId);
  cardLunch.cardFlag = "Y";
  cardLunch.instalments = 3;
  const LedgerEntry cashLunch = entry(30004, "2007-03-04", "2", 3000);
  const LedgerEntry fromGone = entry(30005, "2007-03-05", "2", 1000, gone.assetId);
  for (const LedgerEntry& e : {withdrawal, deposit, cardLunch, cashLunch, fromGone}) add(e);
  deleteAsset(book(), gone.assetId);

  struct Case {
    int32_t id;
    EntryDetail want;
  };
  const Case cases[] = {
      {30001, {"test", "20,000원(이체:현금-현금 인출)", "－계좌:salary bank salary ", "＋계좌:현금", "atm"}},
      {30002, {"test", "5,000원(이체:현금-계좌 이동)", "－계좌:현금", "＋계좌:salary bank salary ", ""}},
      {30003, {"test", "12,000원(카드지출-3개월할부)", "visa bank visa ", "식비 - 외식", ""}},
      {30004, {"test", "3,000원(현금지출)", "", "식비 - 외식", ""}},
      {30005, {"test", "1,000원(계좌지출)", "", "식비 - 외식", ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(entryDetail(book(), c.id), c.want) << c.id;
  EXPECT_EQ(entryDetail(book(), 39999), std::nullopt);
}

}  // namespace
}  // namespace coinest
