#include "shell/list_rows.h"

#include <charconv>
#include <string>

#include "shell/shell_context.h"

namespace coinest {

ListRowCells entryListCells(const EntryListRow& row) {
  return {row.date, row.content, row.amount, std::to_string(row.entryId)};
}

std::vector<ListRowCells> entryListCells(const std::vector<EntryListRow>& rows) {
  std::vector<ListRowCells> cells;
  cells.reserve(rows.size());
  for (const EntryListRow& row : rows) cells.push_back(entryListCells(row));
  return cells;
}

int32_t idOfRow(const Screen& screen, int listId, int row) {
  constexpr int kIdColumn = 3;
  const std::string_view text = screen.cell(listId, row, kIdColumn);
  int32_t id = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
  return error == std::errc() && end == text.data() + text.size() ? id : 0;
}

int32_t selectListRow(Screen& screen, int listId, int row, int& remembered) {
  screen.selectRow(listId, row);
  remembered = screen.selectedRow(listId);
  return idOfRow(screen, listId, remembered);
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
