#include "store/book.h"

namespace coinest {

void journalChange(Book& book, ChangeRecord change, JournalRule rule) {
  if (!book.modes.exchangeEnabled || book.changes == nullptr) return;
  if (rule == JournalRule::Usual && (book.modes.journalSuppressed || book.modes.applyingImport)) return;
  ChangeSink* sink = book.changes;
  book.store.afterCommit([sink, change = std::move(change)] { sink->writeChange(change); });
}

}  // namespace coinest
