#include "store/holiday_table.h"

#include <algorithm>

#include "store/record_layout.h"
#include "store/table_catalogue.h"

namespace coinest {

namespace {

const PropId kByDate = makePropId(1, PropType::Text);

// The years the holiday table holds rows for; none when it cannot be opened.
std::vector<int> readTableYears(ObjectStore& store) {
  std::vector<int> years;
  TableHandle table = store.openTable(kHolidaysTable, kByDate);
  if (!table) return years;
  for (RecordId at = table.seek(SeekMode::SeekFromFirst, 0); at != 0; at = table.seek(SeekMode::SeekFromCurrent, 1)) {
    Holiday row;
    readRecord(table, row);
    const DateFields fields = readDateText(row.holidayDate);
    if (fields.count > 0 && (years.empty() || years.back() != fields.year)) years.push_back(fields.year);
  }
  // Rows sort by their date texts, which is year order only for four-digit years.
  std::sort(years.begin(), years.end());
  years.erase(std::unique(years.begin(), years.end()), years.end());
  return years;
}

bool tableHoldsYear(Book& book, int year) {
  HolidayTableYears& kept = book.holidayTableYears;
  if (kept.readAt != book.store.generation()) {
    kept.years = readTableYears(book.store);
    kept.readAt = book.store.generation();
  }
  return std::binary_search(kept.years.begin(), kept.years.end(), year);
}

std::optional<std::string> storedNameOf(Book& book, std::string_view date) {
  TableHandle table = book.store.openTable(kHolidaysTable, kByDate);
  if (!table) return std::nullopt;
  table.seek(SeekMode::SeekFromFirst, 0);
  if (table.seek(SeekMode::SeekFirstEqual, std::string(date)) == 0) return std::nullopt;
  Holiday row;
  readRecord(table, row);
  if (row.holidayDate != date) return std::nullopt;
  return row.holidayName;
}

std::vector<HolidayDay> storedHolidaysOf(Book& book, int year) {
  std::vector<HolidayDay> days;
  TableHandle table = book.store.openTable(kHolidaysTable, kByDate);
  if (!table) return days;
  const std::string first = formatDateText(year, 1, 1);
  const std::string next = formatDateText(year + 1, 1, 1);
  for (RecordId at = table.seek(SeekMode::SeekAtLeast, first); at != 0; at = table.seek(SeekMode::SeekFromCurrent, 1)) {
    Holiday row;
    readRecord(table, row);
    if (row.holidayDate >= next) break;
    // Of two rows for one day the first, as the lookup finds it.
    if (!days.empty() && days.back().date == row.holidayDate) continue;
    days.push_back({row.holidayDate, row.holidayName});
  }
  return days;
}

}  // namespace

std::optional<std::string> holidayNameOf(Book& book, std::string_view date) {
  const DateFields fields = readDateText(date);
  if (fields.count > 0 && tableHoldsYear(book, fields.year)) return storedNameOf(book, date);
  return book.holidays.nameOf(date);
}

std::vector<HolidayDay> holidaysOfYear(Book& book, int year) {
  if (tableHoldsYear(book, year)) return storedHolidaysOf(book, year);
  return book.holidays.holidaysOf(year);
}

}  // namespace coinest
