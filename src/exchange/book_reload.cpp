// Replacing the book with a backup file, atomically.
//
// States:  counting ──(count differs or stream damaged)──> failed, nothing touched
//             │
//             └──> one transaction: tables emptied ──> records inserted ──> committed
//                                       │                      │
//                                       └─────(short, refused)─┴──> rolled back, nothing touched
//
// Invariants:
//   1. No table is touched before the count pass has found exactly the records the file counts
//      (in its header, or in the count-record after it) in a sound stream.
//   2. Emptying the tables and inserting the records are one transaction of the store: a crash
//      or kill at any moment leaves the old book (before the commit) or the new one (after it).
//   3. The transaction commits only when every record counted was inserted again; otherwise it is
//      rolled back and the old book stands whole.
//   4. The change files of the inserted records, and the clearing of the old ones, are queued in
//      the same transaction and carried out only after the commit (outbox.h).
//   5. No table is dropped unless the transaction really began: a drop outside it would commit
//      on its own.
//   6. No counter hands out an id that the file's records already use: each is raised, in the
//      same transaction, to the highest id of the device's range in its tables.

#include "exchange/book_reload.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "exchange/backup_stream.h"
#include "exchange/desktop_import.h"
#include "exchange/outbox.h"
#include "store/card_month_sums.h"
#include "store/id_counters.h"
#include "store/table_catalogue.h"

namespace coinest {

namespace {

// The tables a reload empties, in the order it empties them.
constexpr std::array<std::string_view, 8> kReloadedTables = {
    kCountersTable,         kBooksTable,      kInstalmentsTable, kReservationsTable,
    kReservationLinksTable, kMajorItemsTable, kMinorItemsTable,  kAssetsTable,
};

}  // namespace

Status reloadBook(Book& book, std::FILE* file, uint32_t recordCount, const std::function<void(int)>& showPosition,
                  bool replaceDesktopCopy) {
  auto show = [&](int position) {
    if (showPosition) showPosition(position);
  };

  int completed = 0;
  const BackupStreamRead counted = readBackupStream(file, BackupReadMode::Count, book, [&] { show(++completed); });
  if (counted.damaged) {
    return Status::failure("the file is damaged after " + std::to_string(counted.completed) + " records");
  }
  if (counted.completed != recordCount) {
    return Status::failure("the file holds " + std::to_string(counted.completed) + " records, not the " +
                           std::to_string(recordCount) + " it counts");
  }

  int position = completed;
  TransactionGuard tx(book.store);
  if (!tx.healthy()) return tx.finish();  // another process holds the book: nothing is touched
  const bool toDesktop = replaceDesktopCopy && book.modes.exchangeEnabled;
  // Queued first, so the old change files go before the add files of the new book are written.
  if (toDesktop && !queueChangeFilesClear(book.store)) tx.abandon();
  for (const std::string_view table : kReloadedTables) {
    book.store.dropTable(table);
    if (!createBookTable(book.store, table)) tx.abandon();
    show(++position);
  }
  const BackupStreamRead inserted = readBackupStream(file, BackupReadMode::Insert, book, [&] { show(++position); });
  if (inserted.damaged || inserted.completed != recordCount || position != reloadEnd(recordCount)) {
    // The file changed under us or could not be read again: the old book stays.
    book.store.fail("the file changed while it was read: " + std::to_string(inserted.completed) + " of its " +
                    std::to_string(recordCount) + " records were read again");
    return tx.finish();
  }
  if (!raiseCountersToIdsInUse(book.store)) tx.abandon();
  if (!rebuildCardMonthSums(book.store)) tx.abandon();
  if (toDesktop && !queueExchangeWrite(book.store, kBookReplacedFileName, std::string_view("\x01", 1))) tx.abandon();
  // The commit is the one moment the book changes: a crash before it leaves the old book.
  return tx.finish();
}

}  // namespace coinest
