#include "ledger/book_view.h"

#include <gtest/gtest.h>

#include <set>

#include "ledger/entry_rules.h"
#include "ledger/ledger_test_support.h"
#include "store/entry_table.h"
#include "support/book_fixture.h"

namespace coinest {
namespace {

using testing::addNewAsset;
using testing::makeEntry;

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
  const LedgerEntry expense = makeEntry({.id = 1, .date = "2007-03-05", .kind = "2", .amount = 12000});
  const Case cases[] = {
      {"cash expense", expense, "test", "-12,000"},
      {"cash income", makeEntry({.id = 1, .date = "2007-03-05", .kind = "1", .amount = 1500000}), "test", "+1,500,000"},
      {"account expense", makeEntry({.id = 1, .date = "2007-03-05", .kind = "2", .amount = 12000, .assetId = 7}),
       "[계]test", "-12,000"},
      {"account income", makeEntry({.id = 1, .date = "2007-03-05", .kind = "1", .amount = 900, .assetId = 7}),
       "[계]test", "+900"},
      {"check card",
       with(expense,
            [](auto& e) {
              e.assetId = 7;
              e.checkCardFlag = "Y";
            }),
       "[체]test", "-12,000"},
      {"phone before the account",
       with(expense,
            [](auto& e) {
              e.assetId = 7;
              e.phoneFlag = "Y";
            }),
       "[폰]test", "-12,000"},
      {"card before the phone",
       with(expense,
            [](auto& e) {
              e.assetId = 9;
              e.cardFlag = "Y";
              e.phoneFlag = "Y";
            }),
       "[카]test", "-12,000"},
      {"transfer before the card, unsigned",
       with(makeEntry({.id = 1, .date = "2007-03-05", .kind = "3", .amount = 50000, .assetId = 9}),
            [](auto& e) { e.cardFlag = "Y"; }),
       "[이]test", "50,000"},
      {"reservation mark in front of the card prefix",
       with(expense,
            [](auto& e) {
              e.assetId = 9;
              e.cardFlag = "Y";
              e.reserveId = 10003;
            }),
       "@[카]test", "-12,000"},
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
    account = addNewAsset(book(), {.kind = kBankAccountKind, .name = "salary"});
    credit = addNewAsset(book(), {.kind = kCreditCardKind, .name = "visa", .linkOrPayDay = 25});
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
  LedgerEntry cardBill =
      makeEntry({.id = 30003, .date = "2007-03-05", .kind = "2", .amount = 50000, .assetId = account.assetId});
  cardBill.majorItem = "카드대금";
  LedgerEntry withdrawal =
      makeEntry({.id = 30002, .date = "2007-03-02", .kind = "3", .amount = 20000, .assetId = account.assetId});
  LedgerEntry cardLunch =
      makeEntry({.id = 30001, .date = "2007-03-31", .kind = "2", .amount = 12000, .assetId = credit.assetId});
  cardLunch.cardFlag = "Y";
  for (const LedgerEntry& e :
       {makeEntry({.id = 30005, .date = "2007-03-05", .kind = "2", .amount = 3000}),
        makeEntry({.id = 30004, .date = "2007-03-05", .kind = "1", .amount = 100000}), cardBill, withdrawal, cardLunch,
        makeEntry({.id = 30006, .date = "2007-02-28", .kind = "2", .amount = 1000}),
        makeEntry({.id = 30007, .date = "2007-04-01", .kind = "1", .amount = 5000}),
        makeEntry({.id = 30008, .date = "2007-03-10", .kind = "1", .amount = 7000, .assetId = account.assetId})}) {
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
  add(makeEntry({.id = 30001, .date = "2007-05-31", .kind = "2", .amount = 1000}));
  add(makeEntry({.id = 30002, .date = "2007-07-01", .kind = "1", .amount = 1000}));
  const BookView v = view("2007-06-15", BookViewMode::Month);
  EXPECT_TRUE(v.rows.empty());
  EXPECT_EQ(v.income, "0");
  EXPECT_EQ(v.expense, "0");
  EXPECT_EQ(v.cash, "0");
  EXPECT_FALSE(v.selectedRow);
}

TEST_F(BookViewTest, InstalmentsShowOnlyAsThePurchase) {
  LedgerEntry purchase =
      makeEntry({.id = 30001, .date = "2007-01-15", .kind = "2", .amount = 300000, .assetId = credit.assetId});
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
    for (const char* d : c.entryDates) add(makeEntry({.id = ++id, .date = d, .kind = "2", .amount = 1000}));
  }
  for (const Case& c : cases) EXPECT_EQ(datesOf(view(c.date, BookViewMode::Week)), c.rowDates) << c.date;
}

TEST_F(BookViewTest, SelectionInEachMode) {
  add(makeEntry({.id = 40001, .date = "2007-03-02", .kind = "2", .amount = 1000}));
  add(makeEntry({.id = 40002, .date = "2007-03-05", .kind = "2", .amount = 1000}));
  add(makeEntry({.id = 40003, .date = "2007-03-05", .kind = "1", .amount = 1000}));
  add(makeEntry({.id = 40004, .date = "2007-03-09", .kind = "2", .amount = 1000}));
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
  add(makeEntry({.id = 30001, .date = "2007-03-02", .kind = "2", .amount = 1000}));
  EXPECT_EQ(view("2007-03-05", BookViewMode::Month).rows.size(), 1u);

  // Written past the page (no save through the dialog): the kept read does not see it.
  writeEntryRecord(book(), makeEntry({.id = 30002, .date = "2007-03-10", .kind = "2", .amount = 1000}));
  EXPECT_EQ(view("2007-03-20", BookViewMode::Month).rows.size(), 1u);
  cache.invalidate();
  EXPECT_EQ(view("2007-03-20", BookViewMode::Month).rows.size(), 2u);

  // Another range start reads again.
  writeEntryRecord(book(), makeEntry({.id = 30003, .date = "2007-03-11", .kind = "2", .amount = 1000}));
  EXPECT_EQ(idsOf(view("2007-03-11", BookViewMode::Week)), (std::vector<int32_t>{30003}));
  EXPECT_EQ(cache.rangeStart, "2007-03-11");
}

TEST_F(BookViewTest, ReadRunsToTheSixthOfTheNextMonth) {
  int32_t id = 30000;
  for (const char* d : {"2007-12-29", "2007-12-30", "2008-01-06", "2008-01-07"})
    add(makeEntry({.id = ++id, .date = d, .kind = "2", .amount = 1000}));
  std::vector<std::string> read;
  for (const LedgerEntry& e : bookEntriesFrom(book(), cache, "2007-12-30")) read.push_back(e.entryDate);
  EXPECT_EQ(read, (std::vector<std::string>{"2007-12-30", "2008-01-06"}));
}

TEST_F(BookViewTest, CalendarMarks) {
  int32_t id = 30000;
  for (const char* d : {"2007-02-28", "2007-03-02", "2007-03-05", "2007-03-05", "2007-04-03"}) {
    add(makeEntry({.id = ++id, .date = d, .kind = "2", .amount = 1000}));
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
  Asset gone = addNewAsset(book(), {.kind = kBankAccountKind, .name = "closed"});
  LedgerEntry withdrawal =
      makeEntry({.id = 30001, .date = "2007-03-02", .kind = "3", .amount = 20000, .assetId = account.assetId});
  withdrawal.minorItem = "현금 인출";
  withdrawal.note = "atm";
  LedgerEntry deposit = makeEntry({.id = 30002, .date = "2007-03-02", .kind = "3", .amount = 5000});
  deposit.toAssetId = account.assetId;
  LedgerEntry cardLunch =
      makeEntry({.id = 30003, .date = "2007-03-03", .kind = "2", .amount = 12000, .assetId = credit.assetId});
  cardLunch.cardFlag = "Y";
  cardLunch.instalments = 3;
  const LedgerEntry cashLunch = makeEntry({.id = 30004, .date = "2007-03-04", .kind = "2", .amount = 3000});
  const LedgerEntry fromGone =
      makeEntry({.id = 30005, .date = "2007-03-05", .kind = "2", .amount = 1000, .assetId = gone.assetId});
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
