#include "store/holiday_table.h"

#include "store/record_layout.h"
#include "store/table_catalogue.h"

namespace coinest {

namespace {

const PropId kByDate = makePropId(1, PropType::Text);

// Whether the holiday table holds a row dated in `year`: the first row at or after its 1 January
// is one of that year. False when the table cannot be opened.
bool tableHoldsYear(Book& book, int year) {
  TableHandle table = book.store.openTable(kHolidaysTable, kByDate);
  if (!table || table.seek(SeekMode::SeekAtLeast, formatDateText(year, 1, 1)) == 0) return false;
  Holiday row;
  readRecord(table, row);
  // A row without a date sorts last and reads as no year.
  const DateFields fields = readDateText(row.holidayDate);
  return fields.count > 0 && fields.year == year;
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
