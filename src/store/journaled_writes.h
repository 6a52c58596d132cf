#pragma once

// The record changes that the tables with change files share: an add, a delete by id and a
// replacement under the same id, each one transaction with the change file it owes the desktop.

#include <cstdint>
#include <string_view>

#include "store/book.h"
#include "store/id_counters.h"
#include "store/table_access.h"

namespace coinest {

// Writes the record as new. While an import is applied, an id below 500000 raises `counter`.
// Only a record that was written is journaled (add, usual rule). Returns whether it was written.
template <class R>
bool addJournaled(Book& book, std::string_view table, ChangeLetter letter, CounterNo counter, int32_t id,
                  const R& record) {
  TransactionGuard tx(book.store);
  const bool written = writeNew(book.store, table, record);
  if (written) {
    if (book.modes.applyingImport && id < kDesktopIdBase) raiseCounter(book.store, counter, id);
    journalChange(book, recordChange(letter, ChangeOp::Add, id, record), JournalRule::Usual);
  }
  // A failed write has marked the transaction: this commit then rolls it back.
  return tx.commit() && written;
}

// Deletes the record with this id and journals the delete (usual rule) whether or not it
// existed: the desktop's copy may still hold one. Returns whether it existed.
bool deleteJournaled(Book& book, std::string_view table, ChangeLetter letter, int32_t id);

// Replaces a record under the same id: `remove()` and, when it reports that the record existed,
// `add()`, both with the journal suppressed; then one modify change (whenever exchange is on),
// also when there was nothing to replace.
template <class R, class Remove, class Add>
void replaceJournaled(Book& book, ChangeLetter letter, int32_t id, const R& record, Remove remove, Add add) {
  TransactionGuard tx(book.store);
  {
    ModeScope quiet(book.modes.journalSuppressed);
    if (remove()) add();
  }
  journalChange(book, recordChange(letter, ChangeOp::Modify, id, record), JournalRule::ExchangeOnly);
  tx.commit();
}

// Deletes every record whose integer property `key` (one of the table's sort orders) holds
// `value`; a record lacking the key never matches. No change file.
void deleteAllWithKey(Book& book, std::string_view table, PropId key, int32_t value);

}  // namespace coinest
