#pragma once

// Opening the book: every missing table is created with its sort orders, and new tables get
// their first content.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/clock.h"
#include "platform/object_store.h"
#include "store/records.h"

namespace coinest {

// Which of the tables were created by this opening.
struct NewTables {
  bool books = false;
  bool instalments = false;
  bool reservations = false;
  bool reservationLinks = false;
  bool postingDate = false;
  bool majorItems = false;
  bool minorItems = false;
  bool assets = false;
  bool counters = false;
  bool conSettings = false;
  bool con2Settings = false;
  bool holidays = false;

  // True on the very first start: every table that holds the book's records is new.
  bool allRecordTablesNew() const {
    return majorItems && minorItems && holidays && counters && books && reservations && assets && reservationLinks;
  }
};

// Creates each missing table with its sort orders and seeds the new ones: the default settings,
// the built-in categories (only when both category tables are new), the holidays, the counters
// at 10000, today as the posting date, and the carry-over settings with today's year and month.
// Runs in one transaction: a failure or crash leaves the book as it was, and gives nothing.
std::optional<NewTables> createMissingTables(ObjectStore& store, const Clock& clock);

struct BookOpenResult {
  std::unique_ptr<ObjectStore> store;
  NewTables created;
  std::string error;       // set when `store` is null
  bool diskFull = false;   // the open failed for want of space on the book's disk
};

// Opens (or creates) the book's store under the device root, as the program's start does. With
// StoreAccess::ExclusiveReading nothing is created: a book that lacks a table cannot be opened so.
BookOpenResult openBook(const std::filesystem::path& storeFile, const Clock& clock,
                        StoreAccess access = StoreAccess::Shared);

}  // namespace coinest
