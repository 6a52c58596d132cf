#include "shell/list_rows.h"

#include <charconv>
#include <string>

namespace coinest {

ListRowCells entryListCells(const EntryListRow& row) {
  return {row.date, row.content, row.amount, std::to_string(row.entryId)};
}

int32_t idInList(const Screen& screen, int listId, int row, int column) {
  const std::string_view cell = screen.cell(listId, row, column);
  int32_t id = 0;
  std::from_chars(cell.data(), cell.data() + cell.size(), id);
  return id;
}

int rememberedRowIn(int remembered, int count) {
  if (count <= 0) return -1;
  if (remembered < 0) return 0;
  return remembered < count ? remembered : count - 1;
}

int rowAfterDelete(int deleted, int countBefore) {
  return deleted == countBefore - 1 && deleted > 0 ? deleted - 1 : deleted;
}

}  // namespace coinest
