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
// Only a record that was written is journaled (add, usual rule). Fails when it was not written.
template <class R>
Status addJournaled(Book& book, std::string_view table, ChangeLetter letter, CounterNo counter, int32_t id,
                  const R& record) {
  TransactionGuard tx(book.store);
  if (writeNew(book.store, table, record)) {
    if (book.modes.applyingImport && id < kDesktopIdBase) raiseCounter(book.store, counter, id);
    journalChange(book, recordChange(letter, ChangeOp::Add, id, record), JournalRule::Usual);
  }
  // A failed write has failed the transaction: this finish then rolls it back and says why.
  return tx.finish();
}

// Deletes the record with this id and journals the delete (usual rule) whether or not it
// existed: the desktop's copy may still hold one. Returns whether it existed and the delete was
// kept; false also when the store failed (its reason in the store's lastError, and an open
// transaction failed with it).
bool deleteJournaled(Book& book, std::string_view table, ChangeLetter letter, int32_t id);

// Replaces a record under the same id: `remove()` and, when it reports that the record existed,
// `add()`, both with the journal suppressed; then one modify change (whenever exchange is on),
// also when there was nothing to replace. `add` returns a Status.
template <class R, class Remove, class Add>
Status replaceJournaled(Book& book, ChangeLetter letter, int32_t id, const R& record, Remove remove, Add add) {
  TransactionGuard tx(book.store);
  {
    ModeScope quiet(book.modes.journalSuppressed);
    if (remove()) {
      if (Status added = add(); !added) book.store.fail(added.reason());
    }
  }
  journalChange(book, recordChange(letter, ChangeOp::Modify, id, record), JournalRule::ExchangeOnly);
  return tx.finish();
}

// Deletes every record whose integer property `key` (one of the table's sort orders) holds
// `value`; a record lacking the key never matches. No change file.
Status deleteAllWithKey(Book& book, std::string_view table, PropId key, int32_t value);

}  // namespace coinest
