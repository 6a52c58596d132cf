#pragma once

// The files the book owes the exchange folder: change files for the desktop, deletions of the
// desktop's files once they were applied, and the clearing of the folder when a restore replaced
// the book. They are queued in the book's outbox inside the transaction that causes them and
// carried out after it commits; whatever a kill left undone is carried out at the next opening.
//
// Invariants:
//   1. A file is queued in the transaction of the change that owes it: it is in the outbox exactly
//      when that change committed.
//   2. A queued file leaves the outbox only after it was carried out (written and synced, or
//      deleted). A kill in between leaves it queued and it is carried out again: a change file may
//      be written twice, never lost and never half (each write replaces the file whole).
//   3. Files are carried out in the order they were queued. A write or a clearing that fails stops
//      the flush, so no later change overtakes an earlier one of the same file.
//   4. A flush holds the book's write lock, so two processes never carry out the same files at once.
//   5. An applied desktop file that cannot be deleted stays queued: the import refuses to run
//      while one waits, so it is never applied twice.

#include <filesystem>
#include <string_view>

#include "platform/object_store.h"
#include "platform/status.h"

namespace coinest {

enum class OutboxKind : int {
  WriteFile = 1,         // write the bytes as the named file of the exchange folder
  DeleteApplied = 2,     // delete the desktop's named file if it still holds the bytes it was applied with
  ClearChangeFiles = 3,  // delete every change file ("._pd_", "._pc_") of the folder
  DeleteOrder = 4,       // delete the desktop's named file whatever it holds (its content is never read)
};

// Queue inside the current write transaction; false (the transaction failed) when the store refuses.
bool queueExchangeWrite(ObjectStore& store, std::string_view name, std::string_view bytes);
bool queueAppliedDelete(ObjectStore& store, std::string_view name, std::string_view bytes);
bool queueChangeFilesClear(ObjectStore& store);
bool queueOrderDelete(ObjectStore& store, std::string_view name);

struct OutboxFlush {
  Status status;         // the first failure met; ok when everything queued was carried out
  int carriedOut = 0;
  int undeletable = 0;   // applied desktop files that could not be deleted (they stay queued)
  bool stopped = false;  // a write or clearing failed: it and everything after it wait
};

// Carries out the queued files in order, each removed from the outbox once done. Cheap when
// nothing is queued.
OutboxFlush flushOutbox(ObjectStore& store, const std::filesystem::path& folder);

}  // namespace coinest
