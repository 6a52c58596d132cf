#pragma once

// The object store: named tables of property records, each kept in up to four sort orders fixed
// when the table is created. Every table operation of the book opens the tables it needs, works
// through a TableHandle, and closes them before it returns.
//
// Ordering rules a caller may rely on:
// - integer keys compare numerically; text keys compare with ASCII letters folded ("y" == "Y");
// - records that lack the active sort property come after all the others;
// - records with equal keys keep the order in which they were written.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

#include "platform/prop.h"
#include "platform/status.h"

struct sqlite3;
struct sqlite3_stmt;

namespace coinest {

// The store's own identifier of a record: non-zero, never reused, and not kept across a rewrite.
using RecordId = int64_t;

// The sort flag every table of the book uses: text keys compare without case.
constexpr uint32_t kSortCaseInsensitive = 2;

struct SortOrder {
  PropId prop = 0;
  uint32_t flags = kSortCaseInsensitive;
};

constexpr std::size_t kMaxSortOrders = 4;

enum class SeekMode {
  SeekFromFirst,    // value: n, the record n places after the first in the active order
  SeekFromCurrent,  // value: n, the record n places after the current one
  SeekFirstEqual,   // value: a key; the first record whose key equals it
  SeekNextEqual,    // value: a key; the record after the current one, if its key equals it
  SeekAtLeast,      // value: a key; the first record whose key is >= it
};

// A seek value: a count for the positional modes, a key (integer or text) for the others.
using SeekValue = std::variant<int32_t, std::string>;

class ObjectStore;
class StatementLease;

// A table opened for work, with an active sort order and a current position.
// A handle is cheap; it must not outlive its store.
class TableHandle {
 public:
  TableHandle() = default;
  TableHandle(TableHandle&&) noexcept;
  TableHandle& operator=(TableHandle&&) noexcept;
  TableHandle(const TableHandle&) = delete;
  TableHandle& operator=(const TableHandle&) = delete;
  ~TableHandle();

  bool valid() const { return store_ != nullptr; }
  explicit operator bool() const { return valid(); }

  // Moves the current position. Returns the record now current, or 0 (and no current record)
  // when no record satisfies the seek. Without an active sort order the key seeks find nothing
  // and the positional seeks follow the order of writing.
  RecordId seek(SeekMode mode, const SeekValue& value);

  // Reads the listed properties of the current record. A property the record lacks gets
  // found = false and keeps the value the caller preset. Returns false when there is no current
  // record (then every property is marked not found).
  bool readProps(std::span<PropValue> props) const;

  // Every property of the current record, in ascending property number.
  std::vector<PropValue> readAllProps() const;

  // Writes a new record with these properties (a property number given twice keeps the last).
  // Returns its record id, 0 on failure. The new record does not become current.
  RecordId writeRecord(std::span<const PropValue> props);

  // Deletes the record with this id. The current position stays where it was, so a walk can
  // delete the record it stands on and step on to the next one.
  bool deleteRecord(RecordId id);

  void close();

 private:
  friend class ObjectStore;
  struct Position {
    RecordId rid = 0;
    std::string keyBlob;  // the active key as stored, for re-positioning after a change
    int keyType = 0;      // SQLite type code of the stored key
    int64_t keyInt = 0;
    std::string props;    // the encoded properties of the current record
  };

  RecordId positionFromQuery(StatementLease& lease);
  RecordId stepForward(int32_t n);
  RecordId seekFromFirst(int32_t n);
  RecordId seekKey(SeekMode mode, const SeekValue& value);
  void clearPosition();
  void dropWalk();

  ObjectStore* store_ = nullptr;
  int64_t tableId_ = 0;
  std::vector<SortOrder> sorts_;  // the table's sort orders, as they were when it was opened
  int sortSlot_ = 0;              // 1..4, or 0 for no active sort order
  std::optional<Position> current_;
  // A running walk statement positioned on the current record; valid while the store has not
  // changed since it was started.
  std::unique_ptr<StatementLease> walk_;
  uint64_t walkGeneration_ = 0;
  int64_t walkIndex_ = -1;  // position of the current record in the active order, when known
};

// One file the book owes the world outside it, kept in the book until it has been written (see
// the outbox in ObjectStore). `kind` and the meaning of `name` and `bytes` belong to the caller.
struct QueuedFile {
  int64_t seq = 0;  // grows with every file queued: the order to carry them out in
  int kind = 0;
  std::string name;
  std::string bytes;
};

inline constexpr int kStoreBusyTimeoutMs = 5000;

// One group's sum in a tally (see the tallies in ObjectStore).
struct TallyTotal {
  int64_t group = 0;
  int64_t total = 0;
  bool operator==(const TallyTotal&) const = default;
};

enum class TransactionKind {
  Write,  // takes the book's write lock at once
  Read,   // a consistent snapshot of the book for reading; writes under it are refused
};

// How the store file is shared while it is open.
enum class StoreAccess {
  // The usual: other processes read and write it at the same time, through the -shm index file
  // beside it (which takes space on the disk when it is made).
  Shared,
  // For reading a book whose disk is full: the index is kept in memory, so nothing needs space;
  // the book is held alone while open and nothing is written to it.
  ExclusiveReading,
};

struct StoreOpenResult {
  std::unique_ptr<ObjectStore> store;
  std::string error;  // set when `store` is null: names the path and the reason
  // The open failed for want of space on the book's disk: ExclusiveReading may still read it.
  bool diskFull = false;
};

class ObjectStore {
 public:
  // Opens the store file, creating it when it does not exist (or is empty). A file that is not a
  // store of this program (not SQLite, damaged, another program's database, a newer layout) is
  // refused with a message and left exactly as it was.
  // A link (even one to nothing) or anything but a regular file at the file's name, or at its
  // -wal, -shm or journal, is refused: the book is never opened or created through a link.
  static StoreOpenResult open(const std::filesystem::path& path, StoreAccess access = StoreAccess::Shared);

  ObjectStore(const ObjectStore&) = delete;
  ObjectStore& operator=(const ObjectStore&) = delete;
  ~ObjectStore();

  // Creates a table with 0 to 4 sort orders. Returns a non-zero table id when it was created,
  // 0 when it was not: a table of that name exists already, or the orders are invalid.
  int64_t createTable(std::string_view name, std::span<const SortOrder> sortOrders);

  // Opens a table with `activeSort` (one of its sort order properties, or 0 for none). The
  // handle is invalid when there is no such table or sort order; inside a transaction a table
  // that is not there fails the transaction (it was there when the book was opened: another
  // process took it away, and reading it as empty would be a lie).
  TableHandle openTable(std::string_view name, PropId activeSort);

  bool tableExists(std::string_view name) const;
  uint32_t recordCount(std::string_view name);
  // Deletes the table and its records; does nothing when it does not exist.
  void dropTable(std::string_view name);
  std::vector<SortOrder> sortOrdersOf(std::string_view name) const;

  // Transactions. Use TransactionGuard rather than these directly.
  bool inTransaction() const { return depth_ > 0; }
  // Fails the open transaction with `reason` (its commit then rolls back and reports false); outside
  // a transaction only records the reason. For the failures the store cannot see itself (an id
  // counter that has run out, a value refused by a rule).
  void fail(std::string reason);

  // The outbox: files the book owes the world outside (change files for the desktop, deletions of
  // the desktop's applied files). They are queued inside the transaction that causes them, so they
  // commit or roll back with it; whoever writes them removes them once they are written. Queueing
  // outside a write transaction, or a failed queueing, fails the transaction.
  bool queueFile(int kind, std::string_view name, std::string_view bytes);
  // The oldest queued files after `afterSeq`, at most `limit` of them, in the order they were queued.
  std::vector<QueuedFile> queuedFiles(int64_t afterSeq, std::size_t limit);
  bool hasQueuedFiles();
  // Removes a queued file once it has been carried out; inside a write transaction.
  bool unqueueFile(int64_t seq);
  // Runs `action` once the outermost transaction commits (at once when none is open); dropped
  // when the transaction rolls back. With a `once` key, an action of the same key already waiting
  // for this commit is not added again.
  void afterCommit(std::function<void()> action, const void* once = nullptr);

  // Tallies: sums kept beside one table under (key, group), so that a total over most of a long
  // table needs no walk over it. What is summed is the caller's; the store keeps the sums and
  // knows whether they still belong to the table's records: a record written to or deleted from
  // the table since the tally was last stamped, by any writer, leaves it stale until it is built
  // and stamped again, and a table dropped and made again never matches an old stamp.
  bool tallyIsCurrent(std::string_view tally, std::string_view table);
  // These three write inside a write transaction; outside one, or on a failure, they fail it.
  bool clearTally(std::string_view tally);
  bool addToTally(std::string_view tally, std::string_view key, int64_t group, int64_t amount);
  // Records that the tally now sums the table's present records.
  bool stampTally(std::string_view tally, std::string_view table);
  // Per group, in group order, the sum of the amounts under keys after `key` (in byte order).
  std::vector<TallyTotal> tallyAfter(std::string_view tally, std::string_view key);

  // How long a write waits for another process that holds the file (kStoreBusyTimeoutMs unless set).
  void setBusyTimeout(int milliseconds);

  // The last SQLite error met, for diagnostics.
  const std::string& lastError() const { return lastError_; }

  const std::filesystem::path& path() const { return path_; }

 private:
  friend class TableHandle;
  friend class TransactionGuard;
  friend class StatementLease;
  struct TableInfo {
    int64_t id = 0;
    std::vector<SortOrder> sorts;
  };

  // What moves whenever a record is written to or deleted from a table.
  struct TableStamp {
    int64_t tableId = 0;
    int64_t seq = 0;
    int64_t deletes = 0;
  };

  explicit ObjectStore(sqlite3* db, std::filesystem::path path);
  bool probeTallies();
  bool stampMatches(std::string_view tally, std::string_view table);
  std::optional<TableStamp> stampOf(std::string_view table);
  bool tallyWritable(const char* what);
  // Steps a statement that returns no row: false (and noted) on an error.
  bool stepDone(StatementLease& statement, const char* what);
  static StoreOpenResult openForReading(const std::filesystem::path& path);
  // Reads the table list of a store just opened: the store itself, or why it cannot be used.
  static StoreOpenResult finishOpening(std::unique_ptr<ObjectStore> store);
  // The failed opening of this store at the step `what`, with the last error.
  StoreOpenResult openFailure(const char* what) const;
  bool sqliteSaysDiskFull() const;
  // Reads the table list; `verify` also checks that each listed table is really there.
  bool loadCatalogue(std::string* error, bool verify);
  const TableInfo* findTable(std::string_view name) const;
  bool exec(const char* sql);
  sqlite3_stmt* borrow(const std::string& sql);
  void giveBack(const std::string& sql, sqlite3_stmt* stmt);
  void noteError(const char* what);
  void changed() { ++generation_; }
  // Stops every statement in the middle of a walk (see the invariants in the .cpp).
  void resetWalks();

  bool begin(TransactionKind kind);
  bool commitOutermost();
  // Steps a statement: true on a row, false at the end or on an error (which is noted).
  bool stepRow(sqlite3_stmt* stmt, const char* what);
  bool writable(const char* what);
  // SQLite's schema version: it moves whenever a table is made or dropped. -1 when unreadable.
  int64_t schemaVersion();
  void rollbackOutermost();

  sqlite3* db_ = nullptr;
  std::filesystem::path path_;
  std::map<std::string, TableInfo, std::less<>> tables_;
  std::unordered_map<std::string, std::vector<sqlite3_stmt*>> idleStatements_;
  std::vector<StatementLease*> leases_;
  uint64_t generation_ = 0;
  int depth_ = 0;
  bool doomed_ = false;
  // BEGIN failed (the file is locked by another process, say): writes under the guard are
  // refused rather than committed one by one.
  bool beginFailed_ = false;
  bool readOnly_ = false;  // the open transaction is a read snapshot
  int64_t catalogueVersion_ = -1;  // the schema version tables_ was read at, -1 when unknown
  std::vector<std::pair<const void*, std::function<void()>>> pendingActions_;
  std::string lastError_;
  bool lastErrorDiskFull_ = false;  // lastError_ was the disk's want of space
  bool talliesAvailable_ = false;   // the book has the tally tables (a read-only old book may not)
  // Tallies found stale under the open transaction (cleared when one begins).
  std::set<std::string, std::less<>> staleTallies_;
};

// Makes one multi-step change of the book atomic. The first guard on a store begins a
// transaction; guards made while one is open join it, and only the outermost commits.
// - The outermost guard destroyed without commit() rolls everything back.
// - An inner guard destroyed without commit() changes nothing by itself (an operation may return
//   early when it finds nothing to do); abandon() makes the whole transaction fail.
// - A write that fails inside a transaction makes the whole transaction fail.
//
// A Read guard gives a consistent snapshot of the book for a walk over many tables (a backup, a
// dump, a settlement): another process's commit is not seen half-way, and a read that fails
// (a table taken away, a damaged page) fails the guard instead of reading as empty.
class TransactionGuard {
 public:
  explicit TransactionGuard(ObjectStore& store, TransactionKind kind = TransactionKind::Write);
  TransactionGuard(const TransactionGuard&) = delete;
  TransactionGuard& operator=(const TransactionGuard&) = delete;
  ~TransactionGuard();

  // Returns true when the change is (or, for an inner guard, may still be) committed; for a Read
  // guard, when every read under it succeeded.
  [[nodiscard]] bool commit();
  // commit() with the reason of a failure.
  Status finish();

  // Gives the change up: the outermost commit will roll everything back.
  void abandon();

  // Whether the transaction is open and nothing has failed it yet (false when it could not even
  // begin, another process holding the file).
  bool healthy() const;

 private:
  ObjectStore& store_;
  bool active_ = false;
  bool outermost_ = false;
};

// Closes a handle; the same as letting it go out of scope.
inline void closeTable(TableHandle& table) { table.close(); }

}  // namespace coinest
