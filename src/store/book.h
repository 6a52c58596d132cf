#pragma once

// The book as every table operation sees it: the store, the clock, the process-wide modes that
// steer writes, and where change files for the desktop go.

#include <cstdint>

#include "calendar/holiday_calendar.h"
#include "platform/clock.h"
#include "platform/object_store.h"
#include "store/change_record.h"

namespace coinest {

struct BookModes {
  bool exchangeEnabled = false;    // change files are written (the desktop's flag file was found)
  bool journalSuppressed = false;  // inner steps of a replacement or a balance adjustment
  bool applyingImport = false;     // a desktop change is being applied
  bool restoringBackup = false;    // no balance effects and no instalment rows on add
  bool importBusy = false;         // the import or a posting run is in progress
};

// Sets a mode for the life of the scope and puts back the value it had, also when the operation
// fails or returns early. Putting back (rather than clearing) keeps an outer owner's setting: an
// entry update suppresses the journal around a balance adjustment that suppresses it too.
class ModeScope {
 public:
  explicit ModeScope(bool& mode, bool value = true) : mode_(mode), saved_(mode) { mode_ = value; }
  ~ModeScope() { mode_ = saved_; }
  ModeScope(const ModeScope&) = delete;
  ModeScope& operator=(const ModeScope&) = delete;

 private:
  bool& mode_;
  bool saved_;
};

// Where the changes for the desktop go (the exchange folder, or a test's list).
class ChangeSink {
 public:
  virtual ~ChangeSink() = default;
  // Called inside the transaction that causes the change; false fails it. By default the change
  // reaches writeChange once the transaction commits. The exchange folder's sink keeps the change
  // in the book's outbox instead, so that a kill right after the commit cannot lose it.
  virtual bool queueChange(ObjectStore& store, const ChangeRecord& change);
  virtual void writeChange(const ChangeRecord& change) = 0;
};

struct Book {
  Book(ObjectStore& store, const Clock& clock) : store(store), clock(clock) {}

  ObjectStore& store;
  const Clock& clock;
  BookModes modes;
  ChangeSink* changes = nullptr;
  // The holidays of the years the holiday table holds no rows for, the user's own days among them.
  HolidayCalendar holidays;
};

// When a change file is due.
enum class JournalRule {
  Usual,          // exchange on, and neither the journal suppressed nor an import being applied
  ExchangeOnly,   // exchange on (the modify file of a replacement, the posting date)
};

// Records a change for the desktop when `rule` allows it, inside the store's current transaction:
// the file is written once it commits, and a rollback drops it. A change that cannot be recorded
// fails the transaction.
void journalChange(Book& book, ChangeRecord change, JournalRule rule);

}  // namespace coinest
