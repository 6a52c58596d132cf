#include "store/holiday_table.h"

#include "store/record_layout.h"
#include "store/table_catalogue.h"

namespace coinest {

std::optional<std::string> holidayNameOf(Book& book, std::string_view date) {
  TableHandle table = book.store.openTable(kHolidaysTable, makePropId(1, PropType::Text));
  if (!table) return std::nullopt;
  table.seek(SeekMode::SeekFromFirst, 0);
  if (table.seek(SeekMode::SeekFirstEqual, std::string(date)) == 0) return std::nullopt;
  Holiday row;
  readRecord(table, row);
  if (row.holidayDate != date) return std::nullopt;
  return row.holidayName;
}

}  // namespace coinest
