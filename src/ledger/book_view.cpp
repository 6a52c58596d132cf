#include "ledger/book_view.h"

#include <algorithm>
#include <tuple>

#include "calendar/day_number.h"
#include "ledger/entry_rules.h"
#include "ledger/total_amount.h"
#include "store/asset_table.h"
#include "store/entry_kind.h"
#include "store/entry_table.h"

namespace coinest {

namespace {

std::string assetName(Book& book, int32_t assetId) {
  const std::optional<Asset> a = findAsset(book, assetId);
  return a ? assetDisplayText(*a) : std::string();
}

BookCalendar calendarOf(const BookView& view, std::string_view currentDate, const std::vector<LedgerEntry>& read,
                        const HolidayTest& isHoliday) {
  const DateFields today = readDateText(currentDate);
  BookCalendar calendar{today.year, today.month, {}};

  // The read is in date order: its distinct dates, for a binary search per cell.
  std::vector<std::string_view> entryDates;
  for (const LedgerEntry& e : read) {
    if (entryDates.empty() || entryDates.back() != e.entryDate) entryDates.push_back(e.entryDate);
  }

  const int lead = addDays(today.year, today.month, 1, 0).dayOfWeek;
  const int days = daysInMonth(today.year, today.month);
  const YearMonth after = nextMonth(today.year, today.month);
  calendar.cells.reserve(kCalendarRows * 7 - lead);
  for (int index = lead; index < kCalendarRows * 7; ++index) {
    BookCalendarCell cell;
    cell.nextMonth = index - lead >= days;
    cell.day = cell.nextMonth ? index - lead - days + 1 : index - lead + 1;
    cell.date = cell.nextMonth ? formatDateText(after.year, after.month, cell.day)
                               : formatDateText(today.year, today.month, cell.day);
    cell.row = index / 7;
    cell.column = index % 7;
    cell.hasEntries = std::binary_search(entryDates.begin(), entryDates.end(), std::string_view(cell.date));
    cell.current = cell.date == currentDate;
    cell.inRange = view.period.start <= cell.date && cell.date <= view.period.end;
    cell.red = cell.column == 0 || (isHoliday && isHoliday(cell.date));
    calendar.cells.push_back(std::move(cell));
  }
  return calendar;
}

}  // namespace

const std::vector<LedgerEntry>& bookEntriesFrom(Book& book, BookReadCache& cache, std::string_view rangeStart) {
  if (cache.valid && cache.rangeStart == rangeStart) return cache.entries;
  const DateFields start = readDateText(rangeStart);
  const YearMonth after = nextMonth(start.year, start.month);
  cache.entries = entriesInRange(book, rangeStart, formatDateText(after.year, after.month, 6));
  cache.rangeStart = std::string(rangeStart);
  cache.valid = true;
  return cache.entries;
}

BookView buildBookView(Book& book, BookReadCache& cache, const BookViewQuery& query, const HolidayTest& isHoliday) {
  BookView view;
  view.period = bookPeriodOf(query.currentDate, query.mode);
  const std::vector<LedgerEntry>& read = bookEntriesFrom(book, cache, view.period.start);

  std::vector<const LedgerEntry*> listed;
  for (const LedgerEntry& e : read) {
    if (view.period.start <= e.entryDate && e.entryDate <= view.period.end) listed.push_back(&e);
  }
  std::sort(listed.begin(), listed.end(), [](const LedgerEntry* a, const LedgerEntry* b) {
    return std::tie(a->entryDate, a->entryKind, a->entryId) < std::tie(b->entryDate, b->entryKind, b->entryId);
  });

  TotalAmount income = 0;
  TotalAmount expense = 0;
  TotalAmount cash = 0;  // cashBalance over the range, from the entries already read
  view.rows.reserve(listed.size());
  for (std::size_t i = 0; i < listed.size(); ++i) {
    const LedgerEntry& e = *listed[i];
    view.rows.push_back(bookRowOf(e));
    if (e.entryKind == kIncomeKind) income += e.amount;
    if (e.entryKind == kExpenseKind) expense += e.amount;
    cash += cashEffect(e);
    if (query.mode == BookViewMode::Day) {
      if (query.selectedEntryId != 0 && e.entryId == query.selectedEntryId) view.selectedRow = i;
    } else if (e.entryDate <= query.currentDate) {
      view.selectedRow = i;
    }
  }
  view.income = formatTotalAmount(income);
  view.expense = formatTotalAmount(expense);
  view.cash = formatSignedTotalAmount(cash);
  view.calendar = calendarOf(view, query.currentDate, read, isHoliday);
  return view;
}

EntryDetail entryDetailOf(Book& book, const LedgerEntry& entry) {
  EntryDetail detail;
  detail[0] = entry.content;
  detail[1] = entryText(entry);
  if (entry.entryKind == kTransferKind) {
    detail[2] = "－계좌:" + (entry.assetId < 1 ? std::string("현금") : assetName(book, entry.assetId));
    detail[3] = "＋계좌:" + (entry.toAssetId < 1 ? std::string("현금") : assetName(book, entry.toAssetId));
  } else {
    detail[2] = entry.assetId < 1 ? std::string() : assetName(book, entry.assetId);
    detail[3] = entry.majorItem + " - " + entry.minorItem;
  }
  detail[4] = entry.note;
  return detail;
}

std::optional<EntryDetail> entryDetail(Book& book, int32_t entryId) {
  const std::optional<LedgerEntry> entry = findEntry(book, entryId);
  if (!entry) return std::nullopt;
  return entryDetailOf(book, *entry);
}

}  // namespace coinest
