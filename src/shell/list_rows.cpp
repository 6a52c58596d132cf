#include "shell/list_rows.h"

#include <charconv>
#include <string>

#include "shell/shell_context.h"

namespace coinest {

ListRowCells entryListCells(const EntryListRow& row) {
  return {row.date, row.content, row.amount, std::to_string(row.entryId)};
}

int32_t selectListRow(Screen& screen, int listId, int row, int& remembered) {
  screen.selectRow(listId, row);
  remembered = screen.selectedRow(listId);
  const std::string_view idCell = screen.cell(listId, remembered, 3);
  int32_t id = 0;
  std::from_chars(idCell.data(), idCell.data() + idCell.size(), id);
  return id;
}

int rememberedRowIn(int remembered, int count) {
  if (count <= 0) return -1;
  if (remembered < 0) return 0;
  return remembered < count ? remembered : count - 1;
}

void switchPanel(ShellContext& context, PanelMode& panel, PanelMode mode, int listId) {
  panel = mode;
  context.showPageControls();
  context.focus(listId);
}

}  // namespace coinest
