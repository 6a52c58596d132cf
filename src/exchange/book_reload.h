#pragma once

// Replacing the book with the content of a backup file: shared by the restore and the upgrade.

#include <cstdint>
#include <cstdio>
#include <functional>

#include "platform/status.h"
#include "store/book.h"

namespace coinest {

// The progress position a complete reload of a file with this record count reaches: the count
// pass, the eight tables emptied, the insert pass.
// REQUIRES: recordCount <= kMaxBackupFileRecords (backup_stream.h), so that it fits an int.
constexpr int reloadEnd(uint32_t recordCount) { return 2 * static_cast<int>(recordCount) + 8; }

// REQUIRES: `file` is open for reading and its opening was checked; `recordCount` is its count
// (readBackupCount).
// Counts the file's records; when the count equals `recordCount` and the stream is sound, empties
// the counters and the seven record tables (each made again with its sort orders) and inserts
// every record of the file, all in one transaction of the store. The tables the file does not
// carry (posting date, settings, holidays) stay as they are.
// Counters the file brings below the ids of its own records are raised to them.
// `showPosition` (may be empty) gets every progress position: each record counted, each table
// emptied, each record inserted. With `replaceDesktopCopy` (and exchange on) the same transaction
// queues, for after its commit (outbox.h): the clearing of the exchange folder's old change files,
// then the add files of the inserted records, then "A00000000._pd_".
// Succeeds when the book was replaced; a failure leaves the book exactly as it was (also when the
// insert pass falls short or the store refuses a write), queues nothing and says why.
Status reloadBook(Book& book, std::FILE* file, uint32_t recordCount, const std::function<void(int)>& showPosition,
                  bool replaceDesktopCopy);

}  // namespace coinest
