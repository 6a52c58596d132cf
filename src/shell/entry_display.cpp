#include "shell/entry_display.h"

#include <charconv>
#include <iterator>
#include <string>

#include "ledger/book_view.h"

namespace coinest {

namespace {

constexpr int kEntryIdColumn = 3;

}  // namespace

std::vector<ListRowCells> entryListCells(const std::vector<EntryListRow>& rows) {
  std::vector<ListRowCells> cells;
  cells.reserve(rows.size());
  for (const EntryListRow& row : rows) {
    cells.push_back({row.date, row.content, row.amount, std::to_string(row.entryId)});
  }
  return cells;
}

int32_t entryIdOfRow(const Screen& screen, int listId, int row) {
  const std::string_view text = screen.cell(listId, row, kEntryIdColumn);
  int32_t id = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
  return error == std::errc() && end == text.data() + text.size() ? id : 0;
}

void fillEntryDetailPanel(Screen& screen, Book& book, int32_t entryId) {
  EntryDetail lines{};
  {
    // The entry and its assets as one state of the book.
    TransactionGuard snapshot(book.store, TransactionKind::Read);
    if (entryId != 0) {
      if (std::optional<EntryDetail> detail = entryDetail(book, entryId)) lines = std::move(*detail);
    }
  }
  static_assert(std::size(kEntryDetailControls) == std::tuple_size_v<EntryDetail>);
  for (std::size_t i = 0; i < lines.size(); ++i) screen.setText(kEntryDetailControls[i], lines[i]);
}

}  // namespace coinest
