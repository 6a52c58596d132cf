#include "store/book.h"

namespace coinest {

bool ChangeSink::queueChange(ObjectStore& store, const ChangeRecord& change) {
  store.afterCommit([this, change] { writeChange(change); });
  return true;
}

void journalChange(Book& book, ChangeRecord change, JournalRule rule) {
  if (!book.modes.exchangeEnabled || book.changes == nullptr) return;
  if (rule == JournalRule::Usual && (book.modes.journalSuppressed || book.modes.applyingImport)) return;
  if (!book.changes->queueChange(book.store, change)) {
    book.store.fail("the change for the desktop cannot be kept (" + book.store.lastError() + ")");
  }
}

}  // namespace coinest
