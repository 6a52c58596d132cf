#include "shell/detail_panel.h"

#include "ledger/book_view.h"
#include "shell/command_ids.h"

namespace coinest {

namespace {

constexpr std::array<int, 5> kDetailControls{kDetailLine1, kDetailLine2, kDetailLine3, kDetailLine4, kDetailNote};

}  // namespace

void showDetailLines(Screen& screen, const DetailLines& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) screen.setText(kDetailControls[i], lines[i]);
}

Status fillEntryDetailPanel(Screen& screen, Book& book, int32_t entryId) {
  DetailLines lines{};
  Status read = Status::ok();
  {
    // The entry and its assets as one state of the book.
    TransactionGuard snapshot(book.store, TransactionKind::Read);
    if (entryId != 0) {
      if (std::optional<EntryDetail> detail = entryDetail(book, entryId)) lines = std::move(*detail);
    }
    read = snapshot.finish();
  }
  showDetailLines(screen, lines);
  return read;
}

}  // namespace coinest
