#include "store/book_tables.h"

#include "calendar/date_text.h"
#include "store/book_seeds.h"
#include "store/card_month_sums.h"
#include "store/id_counters.h"
#include "store/posting_date.h"
#include "store/settings_records.h"
#include "store/table_catalogue.h"
#include "store/yes_no_flag.h"

namespace coinest {

std::optional<NewTables> createMissingTables(ObjectStore& store, const Clock& clock) {
  NewTables created;
  // A book that has every table needs no write lock to be opened: a reader is not held up by
  // another process's long write (a restore), nor fails when that write outlasts the busy wait.
  {
    TransactionGuard look(store, TransactionKind::Read);
    bool complete = true;
    for (const TableDef& table : bookTables()) complete = complete && store.tableExists(table.name);
    if (look.commit() && complete) return created;
  }
  TransactionGuard tx(store);
  created.instalments = createBookTable(store, kInstalmentsTable);
  created.conSettings = createBookTable(store, kConSettingsTable);
  if (created.conSettings) writeConSettings(store, ConSettings{});
  created.books = createBookTable(store, kBooksTable);
  created.reservations = createBookTable(store, kReservationsTable);
  created.reservationLinks = createBookTable(store, kReservationLinksTable);
  created.assets = createBookTable(store, kAssetsTable);
  created.majorItems = createBookTable(store, kMajorItemsTable);
  created.minorItems = createBookTable(store, kMinorItemsTable);
  if (created.majorItems && created.minorItems) seedCategories(store);
  created.holidays = createBookTable(store, kHolidaysTable);
  if (created.holidays) seedHolidays(store);
  created.counters = createBookTable(store, kCountersTable);
  if (created.counters) writeCounters(store, IdCounters{});
  const TodayDate now = today(clock);
  created.postingDate = createBookTable(store, kPostingDateTable);
  if (created.postingDate) writePostingDate(store, now.text);
  created.con2Settings = createBookTable(store, kCon2SettingsTable);
  if (created.con2Settings) writeCon2Settings(store, Con2Settings{kNo, now.year, now.month});
  if (!tx.commit()) return std::nullopt;
  return created;
}

BookOpenResult openBook(const std::filesystem::path& storeFile, const Clock& clock, StoreAccess access) {
  BookOpenResult result;
  StoreOpenResult opened = ObjectStore::open(storeFile, access);
  if (!opened.store) {
    result.error = std::move(opened.error);
    result.diskFull = opened.diskFull;
    return result;
  }
  const std::optional<NewTables> created = createMissingTables(*opened.store, clock);
  if (!created) {
    result.error = storeFile.string() + ": the book's tables cannot be created (" + opened.store->lastError() + ")";
    return result;
  }
  if (access == StoreAccess::Shared) {
    // Sums made stale by another writer are built again here, where the book can be written; a
    // book another process is writing is not waited for (the statements then walk instead).
    opened.store->setBusyTimeout(0);
    (void)rebuildCardMonthSums(*opened.store);
    opened.store->setBusyTimeout(kStoreBusyTimeoutMs);
  }
  result.created = *created;
  result.store = std::move(opened.store);
  return result;
}

}  // namespace coinest
