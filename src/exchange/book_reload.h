#pragma once

// Replacing the book with the content of a backup file: shared by the restore and the upgrade.

#include <cstdint>
#include <cstdio>
#include <functional>

#include "store/book.h"

namespace coinest {

// The progress position a complete reload of a file with this header count reaches: the count
// pass, the eight tables emptied, the insert pass.
constexpr int reloadEnd(uint16_t headerCount) { return 2 * static_cast<int>(headerCount) + 8; }

// REQUIRES: `file` is open for reading and its header was checked; `headerCount` is its count.
// Counts the file's records; when the count equals `headerCount` and the stream is sound, empties
// the counters and the seven record tables (each made again with its sort orders) and inserts
// every record of the file, all in one transaction of the store. The tables the file does not
// carry (posting date, settings, holidays) stay as they are.
// Counters the file brings below the ids of its own records are raised to them.
// `showPosition` (may be empty) gets every progress position: each record counted, each table
// emptied, each record inserted. With `replaceDesktopCopy` (and exchange on) the same transaction
// queues, for after its commit (outbox.h): the clearing of the exchange folder's old change files,
// then the add files of the inserted records, then "A00000000._pd_".
// Returns true when the book was replaced; false leaves the book exactly as it was (also when the
// insert pass falls short or the store refuses a write) and queues nothing.
bool reloadBook(Book& book, std::FILE* file, uint16_t headerCount, const std::function<void(int)>& showPosition,
                bool replaceDesktopCopy);

}  // namespace coinest
