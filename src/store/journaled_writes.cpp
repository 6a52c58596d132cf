#include "store/journaled_writes.h"

namespace coinest {

bool deleteJournaled(Book& book, std::string_view table, ChangeLetter letter, int32_t id) {
  TransactionGuard tx(book.store);
  const bool existed = deleteById(book.store, table, id);
  journalChange(book, deleteChange(letter, id), JournalRule::Usual);
  // A delete that was rolled back did not happen.
  return tx.commit() && existed;
}

Status deleteAllWithKey(Book& book, std::string_view table, PropId key, int32_t value) {
  TransactionGuard tx(book.store);
  if (TableHandle t = book.store.openTable(table, key)) {
    t.seek(SeekMode::SeekFromFirst, 0);
    for (RecordId r = t.seek(SeekMode::SeekAtLeast, value); r != 0; r = t.seek(SeekMode::SeekFromCurrent, 1)) {
      if (intKeyOf(t, key) == value && !t.deleteRecord(r)) break;
    }
  }
  return tx.finish();
}

}  // namespace coinest
