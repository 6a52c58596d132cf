#pragma once

// The books page's view: the entries of one day, week or month as list rows with their totals,
// the selected row, the marks of the month calendar, and the detail of one entry. Computed from
// the book by pure reads; the page, the window layer and coinest-cli only show it.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ledger/book_period.h"
#include "ledger/entry_row.h"
#include "store/book.h"
#include "store/records.h"

namespace coinest {

// One row of the books list, as the list shows it.
// A row of the books list: the date "MM/DD", the content with its means prefix and reservation
// mark, the amount ("+" income, "-" expense, a transfer unsigned) and the entry id. The queries
// and the card statement write their rows alike (ledger/entry_row.h).
using BookRow = EntryListRow;
inline BookRow bookRowOf(const LedgerEntry& entry) { return entryListRowOf(entry); }

// The entries the books page has read for a range start: those dated from the range start to the
// 6th of the month after the range start's month, in date order. The page reads them again only
// when the range start changes or after an entry was added, changed or deleted, which must call
// invalidate().
struct BookReadCache {
  DateText rangeStart;  // what `entries` were read for; meaningful only while `valid`
  bool valid = false;
  std::vector<LedgerEntry> entries;

  void invalidate() {
    valid = false;
    entries.clear();
  }
};

// The entries for `rangeStart`: those the cache holds when it holds that start, else read from
// the entry table and kept in the cache.
const std::vector<LedgerEntry>& bookEntriesFrom(Book& book, BookReadCache& cache, std::string_view rangeStart);

// Whether a date ("YYYY-MM-DD") is a holiday; an empty function knows no holidays.
using HolidayTest = std::function<bool(std::string_view date)>;

// One cell of the month calendar.
struct BookCalendarCell {
  DateText date;
  int day = 0;
  int row = 0;     // 0 to kCalendarRows - 1
  int column = 0;  // 0 Sunday to 6 Saturday
  bool nextMonth = false;   // a day of the following month filling the last rows
  bool hasEntries = false;  // bold: the read holds an entry of this day
  bool current = false;     // underlined: the current date
  bool inRange = false;     // light blue background: a day of the list's range
  bool red = false;         // a Sunday or a holiday
};

// The calendar of the current date's month: its days from the 1st, then the next month's days up
// to the end of the last row.
struct BookCalendar {
  int year = 0;
  int month = 0;
  std::vector<BookCalendarCell> cells;
};

// What the page asks for. `selectedEntryId` is the entry to select in the day view (the one
// just saved, say); 0 for none.
struct BookViewQuery {
  DateText currentDate;  // REQUIRES: a real calendar date
  BookViewMode mode = BookViewMode::Day;
  int32_t selectedEntryId = 0;
};

struct BookView {
  BookPeriod period;
  std::vector<BookRow> rows;  // by date, then entry kind, then entry id
  // Day view: the row of the selected entry id; week and month views: the last row dated on or
  // before the current date. Nothing when no row qualifies.
  std::optional<std::size_t> selectedRow;
  std::string income;   // the range's income, "1,000"
  std::string expense;  // the range's expenses of every means, "1,000"
  std::string cash;     // the cash gained or lost over the range, "+1,000", "-1,000" or "0"
  BookCalendar calendar;
};

// The view for `query`, reading through `cache`. Transfers count in neither income nor expense;
// instalment rows never show (only the card expense, on its date, with its whole amount).
BookView buildBookView(Book& book, BookReadCache& cache, const BookViewQuery& query,
                       const HolidayTest& isHoliday = {});

// The five lines of an entry's detail panel: its content; its text form; a transfer's from side
// ("－계좌:현금" or "－계좌:" and the asset's name) or else the asset's name (empty for cash);
// a transfer's to side ("＋계좌:…") or else "major - minor"; its note. An asset is named
// "company name holder"; an asset no longer in the book has an empty name.
using EntryDetail = std::array<std::string, 5>;
EntryDetail entryDetailOf(Book& book, const LedgerEntry& entry);

// The detail of the entry with this id; nothing when there is no such entry.
std::optional<EntryDetail> entryDetail(Book& book, int32_t entryId);

}  // namespace coinest
