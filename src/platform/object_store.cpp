// The object store on SQLite.
//
// Layout of the file:
//   store_tables(id, name, s1, f1, .. s4, f4)  one row per table: its sort orders (PropId, flags)
//   rec_<id>(rid, k1 .. k4, props)            the records of one table
//     rid    the record id: AUTOINCREMENT, so an id is never handed out twice
//     k<i>   the record's value of sort order i, as an integer or a text; a record that lacks
//            the property (or holds it with another type) stores the empty blob there, which
//            SQLite orders after every integer and text, so such records come last
//     props  every property of the record, encoded by encodeProps below
//   one index (k<i>, rid) per sort order; ties keep the order of writing since rid only grows.
//   store_outbox(seq, kind, name, bytes)      files the book owes the world outside
//   store_tallies(name, table_id, seq, deletes)  each tally's stamp: the table it sums, as it was
//   store_tally_sums(name, key, grp, total)   the sums of the tallies
//   store_deletes(table_id, count)            records deleted from a tallied table, counted by
//                                             a trigger on it
//
// Invariants:
//   1. store_tables and the rec_ tables change only together, inside one SQLite transaction.
//   2. tables_ mirrors store_tables; it is reloaded after any rollback.
//   3. generation_ changes on every write, delete, create and drop; a handle's running walk is
//      used only while the generation it started under is current, else the handle re-seeks
//      from the (key, rid) of its current record.
//   4. No statement stays in the middle of a walk across a write: writes reset the running walks
//      first, so a write outside a transaction commits (and is synced) before it returns.
//   5. tables_ is read again at the start of every outermost transaction, under its lock or
//      snapshot: another process (a restore) may have dropped and made again the tables since, and
//      a transaction must see the book before or after that, never between.
//   6. Inside a transaction every failure (a write refused, a read that errs, a table gone) dooms
//      it: its commit rolls back and reports false. Nothing fails quietly into "no record".
//   7. store_outbox rows are written only inside write transactions, so a queued file exists
//      exactly when the change that owes it was committed.
//   8. Records are never rewritten in place, so a table's stamp (its id, its AUTOINCREMENT
//      sequence, its count of deletes) moves with every record written or deleted, whoever
//      writes: a tally is current exactly when its table has not changed since it was stamped.
//
// Crash safety comes from SQLite: journal_mode WAL with synchronous FULL, so a commit is on disk
// when it returns and a crash leaves the last committed state.

#include "platform/object_store.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <set>
#include <system_error>
#include <utility>

#include "platform/durable_file.h"

namespace coinest {

namespace {

constexpr uint32_t kApplicationId = 0x434E5354;  // marks a file as this program's store
constexpr int kLayoutVersion = 1;
constexpr char kSqliteMagic[] = "SQLite format 3";
constexpr char kOutboxTable[] =
    "CREATE TABLE IF NOT EXISTS store_outbox("
    " seq INTEGER PRIMARY KEY AUTOINCREMENT, kind INTEGER NOT NULL, name TEXT NOT NULL, bytes BLOB NOT NULL);";

constexpr char kTallyTables[] =
    "CREATE TABLE IF NOT EXISTS store_tallies("
    " name TEXT PRIMARY KEY, table_id INTEGER NOT NULL, seq INTEGER NOT NULL, deletes INTEGER NOT NULL);"
    "CREATE TABLE IF NOT EXISTS store_tally_sums("
    " name TEXT NOT NULL, key BLOB NOT NULL, grp INTEGER NOT NULL, total INTEGER NOT NULL,"
    " PRIMARY KEY(name, key, grp)) WITHOUT ROWID;"
    "CREATE TABLE IF NOT EXISTS store_deletes(table_id INTEGER PRIMARY KEY, count INTEGER NOT NULL);";

std::string recTable(int64_t id) { return "rec_" + std::to_string(id); }
std::string deletesTrigger(int64_t id) { return recTable(id) + "_deletes"; }
std::string keyColumn(int slot) { return "k" + std::to_string(slot); }

uint32_t readBigEndian32(const unsigned char* p) {
  return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

void putU32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

bool getU32(std::string_view in, std::size_t& at, uint32_t& v) {
  if (in.size() - at < 4 || at > in.size()) return false;
  v = 0;
  for (int i = 0; i < 4; ++i) v |= uint32_t(static_cast<unsigned char>(in[at + i])) << (8 * i);
  at += 4;
  return true;
}

// Properties are kept in ascending property number: [PropId][int32] or [PropId][length][bytes].
std::string encodeProps(std::span<const PropValue> props) {
  std::vector<const PropValue*> sorted;
  for (const PropValue& p : props) {
    auto same = std::find_if(sorted.begin(), sorted.end(),
                             [&](const PropValue* q) { return propNumber(q->id) == propNumber(p.id); });
    if (same != sorted.end()) {
      *same = &p;
    } else {
      sorted.push_back(&p);
    }
  }
  std::sort(sorted.begin(), sorted.end(),
            [](const PropValue* a, const PropValue* b) { return propNumber(a->id) < propNumber(b->id); });
  std::string out;
  for (const PropValue* p : sorted) {
    putU32(out, p->id);
    if (isTextProp(p->id)) {
      putU32(out, static_cast<uint32_t>(p->text.size()));
      out += p->text;
    } else {
      putU32(out, static_cast<uint32_t>(p->intValue));
    }
  }
  return out;
}

// Calls visit(id, intValue, text) for each property encodeProps wrote, in order. A damaged record
// yields the properties before the damage.
template <class Visit>
void forEachStoredProp(std::string_view in, Visit visit) {
  std::size_t at = 0;
  while (at < in.size()) {
    uint32_t id = 0;
    uint32_t v = 0;
    if (!getU32(in, at, id) || !getU32(in, at, v)) return;
    if (isTextProp(id)) {
      if (v > in.size() - at) return;
      visit(id, 0, in.substr(at, v));
      at += v;
    } else if (isIntProp(id)) {
      visit(id, static_cast<int32_t>(v), std::string_view());
    } else {
      return;
    }
  }
}

std::vector<PropValue> decodeProps(std::string_view in) {
  std::vector<PropValue> out;
  forEachStoredProp(in, [&](PropId id, int32_t value, std::string_view text) {
    out.push_back(isTextProp(id) ? PropValue::ofText(id, std::string(text)) : PropValue::ofInt(id, value));
  });
  return out;
}

bool asciiEqualFolded(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}


}  // namespace

// A prepared statement borrowed from the store's cache for as long as the lease lives.
class StatementLease {
 public:
  StatementLease(ObjectStore& store, std::string sql)
      : store_(store), sql_(std::move(sql)), stmt_(store.borrow(sql_)) {
    store_.leases_.push_back(this);
  }
  ~StatementLease() {
    std::erase(store_.leases_, this);
    if (stmt_ != nullptr) store_.giveBack(sql_, stmt_);
  }
  StatementLease(const StatementLease&) = delete;
  StatementLease& operator=(const StatementLease&) = delete;

  sqlite3_stmt* get() const { return stmt_; }
  explicit operator bool() const { return stmt_ != nullptr; }

 private:
  ObjectStore& store_;
  std::string sql_;
  sqlite3_stmt* stmt_;
};

// ---------------------------------------------------------------------------------------------
// ObjectStore

ObjectStore::ObjectStore(sqlite3* db, std::filesystem::path path) : db_(db), path_(std::move(path)) {}

ObjectStore::~ObjectStore() {
  if (depth_ > 0) rollbackOutermost();
  for (auto& [sql, stmts] : idleStatements_) {
    for (sqlite3_stmt* s : stmts) sqlite3_finalize(s);
  }
  sqlite3_close_v2(db_);
}

namespace {

// Why the book at `path` may not be opened through what has its names: a link (even one to
// nothing) at the book, its -wal, -shm or journal would have SQLite read, write or create the file
// it points to, wherever that is; a FIFO or device would block or be read as a book. Nothing when
// each is a regular file or missing.
std::optional<std::string> plantedFileRefusal(const std::filesystem::path& path) {
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
    const std::string file = path.string() + suffix;
    struct stat info {};
    if (::lstat(file.c_str(), &info) != 0) continue;
    if (S_ISLNK(info.st_mode)) return file + ": is a symbolic link; the book is never opened through a link";
    if (!S_ISREG(info.st_mode)) return file + ": is not a regular file";
  }
  return std::nullopt;
}

// What the store file is before SQLite touches it: missing or empty (a new book), one of ours,
// or something to refuse (with the reason).
struct StoreFileLook {
  bool fresh = false;
  std::string refusal;
};

// Looks at the header ourselves first, so nothing of a foreign file is touched.
StoreFileLook lookAtStoreFile(const std::filesystem::path& path) {
  const std::string shown = path.string();
  std::error_code ec;
  const bool exists = std::filesystem::exists(path, ec);
  const auto size = exists ? std::filesystem::file_size(path, ec) : 0;
  if (exists && ec) return {false, shown + ": cannot be read (" + ec.message() + ")"};
  if (!exists || size == 0) return {true, {}};
  std::array<unsigned char, 100> header{};
  std::ifstream in(path, std::ios::binary);
  if (!in) return {false, shown + ": cannot be read (" + std::strerror(errno) + ")"};
  in.read(reinterpret_cast<char*>(header.data()), header.size());
  if (in.gcount() < static_cast<std::streamsize>(header.size()) ||
      std::memcmp(header.data(), kSqliteMagic, sizeof kSqliteMagic) != 0) {
    return {false, shown + ": is not a Coinest book (not a database file)"};
  }
  if (readBigEndian32(header.data() + 68) != kApplicationId) {
    return {false, shown + ": is not a Coinest book (a database of another program)"};
  }
  const uint32_t version = readBigEndian32(header.data() + 60);
  if (version > kLayoutVersion) {
    return {false, shown + ": was written by a newer version of Coinest (layout " + std::to_string(version) + ")"};
  }
  return {false, {}};
}

// A connection to the store file, never through a link at its name, with the busy wait and
// extended error codes set; null with `failure` set when SQLite refuses it.
sqlite3* openConnection(const std::filesystem::path& path, int extraFlags, std::string* failure) {
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(path.c_str(), &db,
                                 SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_NOFOLLOW | extraFlags, nullptr);
  if (rc != SQLITE_OK) {
    *failure = path.string() + ": cannot be opened (" + (db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)) + ")";
    sqlite3_close_v2(db);
    return nullptr;
  }
  sqlite3_busy_timeout(db, kStoreBusyTimeoutMs);
  sqlite3_extended_result_codes(db, 1);
  return db;
}

}  // namespace

StoreOpenResult ObjectStore::open(const std::filesystem::path& path, StoreAccess access) {
  const std::string shown = path.string();
  if (std::optional<std::string> refused = plantedFileRefusal(path)) return {nullptr, *refused, false};
  if (access == StoreAccess::ExclusiveReading) return openForReading(path);
  // SQLite gives the -wal and -shm files the mode of the database file: all three are private.
  if (const Status made = createPrivateFileIfMissing(path); !made) return {nullptr, made.reason(), false};
  const StoreFileLook look = lookAtStoreFile(path);
  if (!look.refusal.empty()) return {nullptr, look.refusal, false};
  const bool fresh = look.fresh;

  std::string failure;
  sqlite3* db = openConnection(path, SQLITE_OPEN_CREATE, &failure);
  if (!db) return {nullptr, failure, false};
  std::unique_ptr<ObjectStore> store(new ObjectStore(db, path));

  if (fresh) {
    // The marks go into the file itself before the write-ahead log is switched on: another
    // process checks them by reading the file's first page, which would not yet hold what sits
    // in the log, and would refuse the new book as another program's.
    const std::string setup =
        "BEGIN;"
        "PRAGMA application_id=" + std::to_string(kApplicationId) + ";"
        "PRAGMA user_version=" + std::to_string(kLayoutVersion) + ";"
        "CREATE TABLE IF NOT EXISTS store_tables("
        " id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT NOT NULL UNIQUE,"
        " s1 INTEGER, f1 INTEGER, s2 INTEGER, f2 INTEGER, s3 INTEGER, f3 INTEGER, s4 INTEGER, f4 INTEGER);" +
        std::string(kOutboxTable) + kTallyTables +
        "COMMIT;"
        "PRAGMA journal_mode=WAL;";
    if (!store->exec(setup.c_str())) return store->openFailure("cannot be created");
  }
  if (!store->exec("PRAGMA synchronous=FULL;")) return store->openFailure("cannot be opened");
  StoreOpenResult opened = finishOpening(std::move(store));
  if (!opened.store) return opened;
  // Books made before the outbox get it now. A book that cannot be written (a read-only file)
  // can still be read; its writes fail with their own message.
  sqlite3_stmt* probe = nullptr;
  const bool hasOutbox = sqlite3_prepare_v2(db, "SELECT seq FROM store_outbox LIMIT 0", -1, &probe, nullptr) == SQLITE_OK;
  sqlite3_finalize(probe);
  if (!hasOutbox) opened.store->exec(kOutboxTable);
  // Likewise the tallies; without them (a read-only file) every tally reads as stale.
  if (!opened.store->probeTallies()) opened.store->exec(kTallyTables);
  opened.store->talliesAvailable_ = opened.store->probeTallies();
  return opened;
}

StoreOpenResult ObjectStore::openForReading(const std::filesystem::path& path) {
  const std::string shown = path.string();
  const StoreFileLook look = lookAtStoreFile(path);
  if (!look.refusal.empty()) return {nullptr, look.refusal, false};
  if (look.fresh) return {nullptr, shown + ": there is no book to read", false};
  // No SQLITE_OPEN_CREATE: a book that is not there is not made on a full disk.
  std::string failure;
  sqlite3* db = openConnection(path, 0, &failure);
  if (!db) return {nullptr, failure, false};
  std::unique_ptr<ObjectStore> store(new ObjectStore(db, path));
  // Exclusive locking before the first read keeps the write-ahead log's index in memory instead
  // of the -shm file, whose making takes space; query_only makes every write fail, and no
  // checkpoint at the close copies the log into the book either.
  sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
  if (!store->exec("PRAGMA locking_mode=EXCLUSIVE; PRAGMA query_only=1;")) return store->openFailure("cannot be opened");
  StoreOpenResult opened = finishOpening(std::move(store));
  if (opened.store) opened.store->talliesAvailable_ = opened.store->probeTallies();
  return opened;
}

StoreOpenResult ObjectStore::finishOpening(std::unique_ptr<ObjectStore> store) {
  std::string reason;
  // The version first: should another process change the tables in between, the first
  // transaction sees the version move and reads the list again.
  const int64_t version = store->schemaVersion();
  if (!store->loadCatalogue(&reason, true)) {
    const bool full = store->lastErrorDiskFull_ || store->sqliteSaysDiskFull();
    return {nullptr, store->path_.string() + ": is damaged (" + (full ? diskFullText(reason) : reason) + ")", full};
  }
  store->catalogueVersion_ = version;
  StoreOpenResult opened;
  opened.store = std::move(store);
  return opened;
}

StoreOpenResult ObjectStore::openFailure(const char* what) const {
  if (lastErrorDiskFull_) return {nullptr, path_.string() + ": " + what + ": " + diskFullText(sqlite3_errmsg(db_)), true};
  return {nullptr, path_.string() + ": " + what + " (" + lastError_ + ")", false};
}

bool ObjectStore::sqliteSaysDiskFull() const {
  return (sqlite3_extended_errcode(db_) & 0xff) == SQLITE_FULL || isDiskFull(sqlite3_system_errno(db_));
}

bool ObjectStore::loadCatalogue(std::string* error, bool verify) {
  tables_.clear();
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db_, "SELECT id, name, s1, f1, s2, f2, s3, f3, s4, f4 FROM store_tables", -1, &stmt,
                         nullptr) != SQLITE_OK) {
    if (error) *error = sqlite3_errmsg(db_);
    sqlite3_finalize(stmt);
    return false;
  }
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    TableInfo info;
    info.id = sqlite3_column_int64(stmt, 0);
    const unsigned char* name = sqlite3_column_text(stmt, 1);
    for (int slot = 0; slot < 4; ++slot) {
      if (sqlite3_column_type(stmt, 2 + 2 * slot) == SQLITE_NULL) break;
      info.sorts.push_back(SortOrder{static_cast<PropId>(sqlite3_column_int64(stmt, 2 + 2 * slot)),
                                     static_cast<uint32_t>(sqlite3_column_int64(stmt, 3 + 2 * slot))});
    }
    tables_[name ? reinterpret_cast<const char*>(name) : ""] = std::move(info);
  }
  const bool ok = rc == SQLITE_DONE;
  if (!ok && error) *error = sqlite3_errmsg(db_);
  sqlite3_finalize(stmt);
  if (!ok || !verify) return ok;
  // Each listed table must be there with its records; a missing one means a damaged file.
  for (const auto& [name, info] : tables_) {
    sqlite3_stmt* probe = nullptr;
    const std::string sql = "SELECT rid, k1, k2, k3, k4, props FROM " + recTable(info.id) + " LIMIT 0";
    const bool present = sqlite3_prepare_v2(db_, sql.c_str(), -1, &probe, nullptr) == SQLITE_OK;
    sqlite3_finalize(probe);
    if (!present) {
      if (error) *error = "the records of table " + name + " are missing";
      return false;
    }
  }
  return true;
}

const ObjectStore::TableInfo* ObjectStore::findTable(std::string_view name) const {
  auto it = tables_.find(name);
  return it == tables_.end() ? nullptr : &it->second;
}

bool ObjectStore::exec(const char* sql) {
  char* message = nullptr;
  if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) != SQLITE_OK) {
    const std::string text = message ? message : sqlite3_errmsg(db_);
    sqlite3_free(message);
    lastErrorDiskFull_ = sqliteSaysDiskFull();
    lastError_ = lastErrorDiskFull_ ? path_.string() + ": " + diskFullText(text) : text;
    if (depth_ > 0) doomed_ = true;
    return false;
  }
  return true;
}

void ObjectStore::noteError(const char* what) {
  // A full disk says so, with the book's path, in words the window's user reads.
  lastErrorDiskFull_ = sqliteSaysDiskFull();
  lastError_ = lastErrorDiskFull_ ? std::string(what) + ": " + path_.string() + ": " + diskFullText(sqlite3_errmsg(db_))
                                  : std::string(what) + ": " + sqlite3_errmsg(db_);
  if (depth_ > 0) doomed_ = true;
}

void ObjectStore::fail(std::string reason) {
  lastErrorDiskFull_ = false;
  lastError_ = std::move(reason);
  if (depth_ > 0) doomed_ = true;
}

int64_t ObjectStore::schemaVersion() {
  StatementLease schema(*this, "PRAGMA schema_version");
  return schema && stepRow(schema.get(), "read the schema version") ? sqlite3_column_int64(schema.get(), 0) : -1;
}

bool ObjectStore::stepRow(sqlite3_stmt* stmt, const char* what) {
  const int rc = sqlite3_step(stmt);
  if (rc == SQLITE_ROW) return true;
  if (rc != SQLITE_DONE) noteError(what);
  return false;
}

bool ObjectStore::writable(const char* what) {
  if (beginFailed_) return false;  // already noted: the transaction never began
  if (depth_ > 0 && readOnly_) {
    fail(std::string(what) + ": a write inside a read-only transaction");
    return false;
  }
  return true;
}

bool ObjectStore::queueFile(int kind, std::string_view name, std::string_view bytes) {
  if (depth_ == 0) {
    fail("queue file: outside a transaction");
    return false;
  }
  if (!writable("queue file")) return false;
  StatementLease insert(*this, "INSERT INTO store_outbox(kind, name, bytes) VALUES(?,?,?)");
  if (!insert) return false;
  sqlite3_bind_int(insert.get(), 1, kind);
  sqlite3_bind_text(insert.get(), 2, name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
  sqlite3_bind_blob(insert.get(), 3, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
  if (sqlite3_step(insert.get()) != SQLITE_DONE) {
    noteError("queue file");
    return false;
  }
  return true;
}

std::vector<QueuedFile> ObjectStore::queuedFiles(int64_t afterSeq, std::size_t limit) {
  std::vector<QueuedFile> out;
  StatementLease select(*this, "SELECT seq, kind, name, bytes FROM store_outbox WHERE seq > ? ORDER BY seq LIMIT ?");
  if (!select) return out;
  sqlite3_bind_int64(select.get(), 1, afterSeq);
  sqlite3_bind_int64(select.get(), 2, static_cast<int64_t>(limit));
  while (stepRow(select.get(), "read queued files")) {
    QueuedFile file;
    file.seq = sqlite3_column_int64(select.get(), 0);
    file.kind = sqlite3_column_int(select.get(), 1);
    const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(select.get(), 2));
    file.name.assign(name ? name : "", static_cast<std::size_t>(sqlite3_column_bytes(select.get(), 2)));
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(select.get(), 3));
    file.bytes.assign(bytes ? bytes : "", static_cast<std::size_t>(sqlite3_column_bytes(select.get(), 3)));
    out.push_back(std::move(file));
  }
  return out;
}

bool ObjectStore::hasQueuedFiles() {
  StatementLease select(*this, "SELECT 1 FROM store_outbox LIMIT 1");
  return select && stepRow(select.get(), "read queued files");
}

bool ObjectStore::unqueueFile(int64_t seq) {
  if (!writable("unqueue file")) return false;
  StatementLease del(*this, "DELETE FROM store_outbox WHERE seq = ?");
  if (!del) return false;
  sqlite3_bind_int64(del.get(), 1, seq);
  if (sqlite3_step(del.get()) != SQLITE_DONE) {
    noteError("unqueue file");
    return false;
  }
  return true;
}

bool ObjectStore::probeTallies() {
  sqlite3_stmt* probe = nullptr;
  const bool there = sqlite3_prepare_v2(db_, "SELECT 1 FROM store_tallies, store_tally_sums, store_deletes LIMIT 0", -1,
                                        &probe, nullptr) == SQLITE_OK;
  sqlite3_finalize(probe);
  return there;
}

std::optional<ObjectStore::TableStamp> ObjectStore::stampOf(std::string_view table) {
  const TableInfo* info = findTable(table);
  if (info == nullptr || !talliesAvailable_) return std::nullopt;
  TableStamp stamp;
  stamp.tableId = info->id;
  StatementLease seq(*this, "SELECT seq FROM sqlite_sequence WHERE name = ?");
  if (!seq) return std::nullopt;
  const std::string name = recTable(info->id);
  sqlite3_bind_text(seq.get(), 1, name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
  if (stepRow(seq.get(), "read a table's stamp")) stamp.seq = sqlite3_column_int64(seq.get(), 0);
  StatementLease deletes(*this, "SELECT count FROM store_deletes WHERE table_id = ?");
  if (!deletes) return std::nullopt;
  sqlite3_bind_int64(deletes.get(), 1, info->id);
  if (stepRow(deletes.get(), "read a table's stamp")) stamp.deletes = sqlite3_column_int64(deletes.get(), 0);
  return stamp;
}

bool ObjectStore::tallyIsCurrent(std::string_view tally, std::string_view table) {
  // Under a transaction no other process writes, so a tally found stale stays stale until this
  // store stamps it: a long run of writes (a restore) asks the file only once.
  if (depth_ > 0 && staleTallies_.contains(tally)) return false;
  const bool current = stampMatches(tally, table);
  if (!current && depth_ > 0) staleTallies_.emplace(tally);
  return current;
}

bool ObjectStore::stampMatches(std::string_view tally, std::string_view table) {
  const std::optional<TableStamp> now = stampOf(table);
  if (!now) return false;
  StatementLease stamped(*this, "SELECT table_id, seq, deletes FROM store_tallies WHERE name = ?");
  if (!stamped) return false;
  sqlite3_bind_text(stamped.get(), 1, tally.data(), static_cast<int>(tally.size()), SQLITE_TRANSIENT);
  if (!stepRow(stamped.get(), "read a tally's stamp")) return false;
  return sqlite3_column_int64(stamped.get(), 0) == now->tableId && sqlite3_column_int64(stamped.get(), 1) == now->seq &&
         sqlite3_column_int64(stamped.get(), 2) == now->deletes;
}

bool ObjectStore::tallyWritable(const char* what) {
  if (depth_ == 0) {
    fail(std::string(what) + ": outside a transaction");
    return false;
  }
  if (!talliesAvailable_) {
    fail(std::string(what) + ": the book has no tallies");
    return false;
  }
  return writable(what);
}

bool ObjectStore::stepDone(StatementLease& statement, const char* what) {
  if (!statement) return false;
  if (sqlite3_step(statement.get()) == SQLITE_DONE) return true;
  noteError(what);
  return false;
}

bool ObjectStore::clearTally(std::string_view tally) {
  if (!tallyWritable("clear a tally")) return false;
  for (const char* sql : {"DELETE FROM store_tally_sums WHERE name = ?", "DELETE FROM store_tallies WHERE name = ?"}) {
    StatementLease clear(*this, sql);
    if (!clear) return false;
    sqlite3_bind_text(clear.get(), 1, tally.data(), static_cast<int>(tally.size()), SQLITE_TRANSIENT);
    if (!stepDone(clear, "clear a tally")) return false;
  }
  return true;
}

bool ObjectStore::addToTally(std::string_view tally, std::string_view key, int64_t group, int64_t amount) {
  if (!tallyWritable("add to a tally")) return false;
  StatementLease add(*this,
                     "INSERT INTO store_tally_sums(name, key, grp, total) VALUES(?,?,?,?)"
                     " ON CONFLICT(name, key, grp) DO UPDATE SET total = total + excluded.total");
  if (!add) return false;
  sqlite3_bind_text(add.get(), 1, tally.data(), static_cast<int>(tally.size()), SQLITE_TRANSIENT);
  sqlite3_bind_blob(add.get(), 2, key.data(), static_cast<int>(key.size()), SQLITE_TRANSIENT);
  sqlite3_bind_int64(add.get(), 3, group);
  sqlite3_bind_int64(add.get(), 4, amount);
  return stepDone(add, "add to a tally");
}

bool ObjectStore::stampTally(std::string_view tally, std::string_view table) {
  if (!tallyWritable("stamp a tally")) return false;
  const TableInfo* info = findTable(table);
  if (info == nullptr) {
    fail("stamp a tally: the table " + std::string(table) + " is missing from the book");
    return false;
  }
  // The trigger counts the deletes from the first stamp on; a table dropped takes it along.
  StatementLease trigger(*this, "SELECT 1 FROM sqlite_master WHERE type = 'trigger' AND name = ?");
  if (!trigger) return false;
  const std::string triggerName = deletesTrigger(info->id);
  sqlite3_bind_text(trigger.get(), 1, triggerName.data(), static_cast<int>(triggerName.size()), SQLITE_TRANSIENT);
  if (!stepRow(trigger.get(), "look for a tally's trigger")) {
    const std::string id = std::to_string(info->id);
    const std::string ddl = "CREATE TRIGGER " + triggerName + " AFTER DELETE ON " + recTable(info->id) +
                            " BEGIN INSERT INTO store_deletes(table_id, count) VALUES(" + id +
                            ", 1) ON CONFLICT(table_id) DO UPDATE SET count = count + 1; END;";
    if (!exec(ddl.c_str())) return false;
  }
  const std::optional<TableStamp> now = stampOf(table);
  if (!now) {
    fail("stamp a tally: " + lastError_);
    return false;
  }
  StatementLease stamp(*this, "INSERT OR REPLACE INTO store_tallies(name, table_id, seq, deletes) VALUES(?,?,?,?)");
  if (!stamp) return false;
  sqlite3_bind_text(stamp.get(), 1, tally.data(), static_cast<int>(tally.size()), SQLITE_TRANSIENT);
  sqlite3_bind_int64(stamp.get(), 2, now->tableId);
  sqlite3_bind_int64(stamp.get(), 3, now->seq);
  sqlite3_bind_int64(stamp.get(), 4, now->deletes);
  if (!stepDone(stamp, "stamp a tally")) return false;
  if (auto stale = staleTallies_.find(tally); stale != staleTallies_.end()) staleTallies_.erase(stale);
  return true;
}

std::vector<TallyTotal> ObjectStore::tallyAfter(std::string_view tally, std::string_view key) {
  std::vector<TallyTotal> totals;
  if (!talliesAvailable_) return totals;
  StatementLease sums(*this,
                      "SELECT grp, SUM(total) FROM store_tally_sums WHERE name = ? AND key > ? GROUP BY grp ORDER BY grp");
  if (!sums) return totals;
  sqlite3_bind_text(sums.get(), 1, tally.data(), static_cast<int>(tally.size()), SQLITE_TRANSIENT);
  sqlite3_bind_blob(sums.get(), 2, key.data(), static_cast<int>(key.size()), SQLITE_TRANSIENT);
  while (stepRow(sums.get(), "read a tally")) {
    totals.push_back({sqlite3_column_int64(sums.get(), 0), sqlite3_column_int64(sums.get(), 1)});
  }
  return totals;
}

sqlite3_stmt* ObjectStore::borrow(const std::string& sql) {
  auto& idle = idleStatements_[sql];
  if (!idle.empty()) {
    sqlite3_stmt* s = idle.back();
    idle.pop_back();
    return s;
  }
  sqlite3_stmt* s = nullptr;
  if (sqlite3_prepare_v3(db_, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &s, nullptr) != SQLITE_OK) {
    noteError("prepare");
    sqlite3_finalize(s);
    return nullptr;
  }
  return s;
}

void ObjectStore::giveBack(const std::string& sql, sqlite3_stmt* stmt) {
  sqlite3_reset(stmt);
  sqlite3_clear_bindings(stmt);
  idleStatements_[sql].push_back(stmt);
}

int64_t ObjectStore::createTable(std::string_view name, std::span<const SortOrder> sortOrders) {
  if (name.empty() || sortOrders.size() > kMaxSortOrders) return 0;
  for (const SortOrder& s : sortOrders) {
    if (!isIntProp(s.prop) && !isTextProp(s.prop)) return 0;
  }
  TransactionGuard tx(*this);
  // No change of the catalogue outside a transaction; the catalogue is looked at under it.
  if (!writable("create table") || findTable(name) != nullptr) return 0;
  sqlite3_stmt* insert = nullptr;
  if (sqlite3_prepare_v2(db_, "INSERT INTO store_tables(name, s1, f1, s2, f2, s3, f3, s4, f4) VALUES(?,?,?,?,?,?,?,?,?)",
                         -1, &insert, nullptr) != SQLITE_OK) {
    noteError("create table");
    sqlite3_finalize(insert);
    return 0;
  }
  sqlite3_bind_text(insert, 1, name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
  for (std::size_t i = 0; i < sortOrders.size(); ++i) {
    sqlite3_bind_int64(insert, 2 + 2 * static_cast<int>(i), sortOrders[i].prop);
    sqlite3_bind_int64(insert, 3 + 2 * static_cast<int>(i), sortOrders[i].flags);
  }
  const bool inserted = sqlite3_step(insert) == SQLITE_DONE;
  if (!inserted) noteError("create table");
  sqlite3_finalize(insert);
  if (!inserted) return 0;
  const int64_t id = sqlite3_last_insert_rowid(db_);
  const std::string table = recTable(id);
  std::string ddl = "CREATE TABLE " + table + "(rid INTEGER PRIMARY KEY AUTOINCREMENT";
  for (int slot = 1; slot <= 4; ++slot) {
    const bool folded = static_cast<std::size_t>(slot) <= sortOrders.size() &&
                        (sortOrders[slot - 1].flags & kSortCaseInsensitive) != 0;
    ddl += ", " + keyColumn(slot) + (folded ? " COLLATE NOCASE" : "");
  }
  ddl += ", props BLOB NOT NULL);";
  for (std::size_t slot = 1; slot <= sortOrders.size(); ++slot) {
    ddl += "CREATE INDEX " + table + "_" + keyColumn(static_cast<int>(slot)) + " ON " + table + "(" +
           keyColumn(static_cast<int>(slot)) + ", rid);";
  }
  if (!exec(ddl.c_str())) return 0;
  if (!tx.commit()) return 0;
  TableInfo info;
  info.id = id;
  info.sorts.assign(sortOrders.begin(), sortOrders.end());
  tables_[std::string(name)] = std::move(info);
  changed();
  return id;
}

bool ObjectStore::tableExists(std::string_view name) const { return findTable(name) != nullptr; }

std::vector<SortOrder> ObjectStore::sortOrdersOf(std::string_view name) const {
  const TableInfo* info = findTable(name);
  return info ? info->sorts : std::vector<SortOrder>{};
}

uint32_t ObjectStore::recordCount(std::string_view name) {
  const TableInfo* info = findTable(name);
  if (info == nullptr) return 0;
  StatementLease count(*this, "SELECT count(*) FROM " + recTable(info->id));
  if (!count || !stepRow(count.get(), "count records")) return 0;
  return static_cast<uint32_t>(sqlite3_column_int64(count.get(), 0));
}

void ObjectStore::dropTable(std::string_view name) {
  TransactionGuard tx(*this);
  // No change of the catalogue outside a transaction; the catalogue is looked at under it.
  if (!writable("drop table")) return;
  const TableInfo* info = findTable(name);
  if (info == nullptr) return;
  const int64_t id = info->id;
  // Table ids are never reused, so statements naming the dropped table are of no further use.
  const std::string table = recTable(id);
  resetWalks();
  for (auto& [sql, stmts] : idleStatements_) {
    for (sqlite3_stmt* s : stmts) sqlite3_finalize(s);
  }
  idleStatements_.clear();
  std::string sql = "DROP TABLE IF EXISTS " + table + "; DELETE FROM store_tables WHERE id = " + std::to_string(id) + ";";
  if (talliesAvailable_) sql += "DELETE FROM store_deletes WHERE table_id = " + std::to_string(id) + ";";
  if (!exec(sql.c_str())) return;
  if (tx.commit()) {
    if (auto it = tables_.find(name); it != tables_.end()) tables_.erase(it);
  }
  changed();
}

TableHandle ObjectStore::openTable(std::string_view name, PropId activeSort) {
  TableHandle handle;
  const TableInfo* info = findTable(name);
  if (info == nullptr) {
    if (depth_ > 0) fail("the table " + std::string(name) + " is missing from the book");
    return handle;
  }
  int slot = 0;
  if (activeSort != 0) {
    for (std::size_t i = 0; i < info->sorts.size(); ++i) {
      if (info->sorts[i].prop == activeSort) {
        slot = static_cast<int>(i) + 1;
        break;
      }
    }
    if (slot == 0) return handle;
  }
  handle.store_ = this;
  handle.tableId_ = info->id;
  handle.sorts_ = info->sorts;
  handle.sortSlot_ = slot;
  return handle;
}

void ObjectStore::setBusyTimeout(int milliseconds) { sqlite3_busy_timeout(db_, milliseconds); }

void ObjectStore::resetWalks() {
  for (StatementLease* lease : leases_) {
    if (lease->get() != nullptr) sqlite3_reset(lease->get());
  }
}

void ObjectStore::afterCommit(std::function<void()> action, const void* once) {
  if (depth_ == 0) {
    action();
    return;
  }
  if (once != nullptr) {
    for (const auto& [key, pending] : pendingActions_) {
      if (key == once) return;
    }
  }
  pendingActions_.emplace_back(once, std::move(action));
}

bool ObjectStore::begin(TransactionKind kind) {
  depth_ = 1;
  pendingActions_.clear();
  staleTallies_.clear();
  readOnly_ = kind == TransactionKind::Read;
  const char* sql = readOnly_ ? "BEGIN DEFERRED" : "BEGIN IMMEDIATE";
  if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
    noteError("begin");
    beginFailed_ = true;
    doomed_ = true;
    return false;
  }
  doomed_ = false;
  // The table list as it stands under this transaction (invariant 5). For a read, this first
  // read is what fixes the snapshot. Tables are made and dropped only with the schema, so an
  // unchanged schema version means an unchanged list.
  const int64_t version = schemaVersion();
  if (version < 0 || version != catalogueVersion_) {
    std::string reason;
    if (!loadCatalogue(&reason, false)) {
      fail("the book's table list cannot be read: " + reason);
      return false;
    }
    catalogueVersion_ = version;
  }
  changed();
  return true;
}

bool ObjectStore::commitOutermost() {
  if (doomed_) {
    rollbackOutermost();
    return false;
  }
  if (sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
    noteError("commit");
    rollbackOutermost();
    return false;
  }
  depth_ = 0;
  doomed_ = false;
  readOnly_ = false;
  std::vector<std::pair<const void*, std::function<void()>>> actions;
  actions.swap(pendingActions_);
  for (auto& [key, action] : actions) action();
  return true;
}

void ObjectStore::rollbackOutermost() {
  if (!beginFailed_) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  beginFailed_ = false;
  depth_ = 0;
  doomed_ = false;
  readOnly_ = false;
  pendingActions_.clear();
  changed();
  loadCatalogue(nullptr, false);
  catalogueVersion_ = -1;
}

// ---------------------------------------------------------------------------------------------
// TransactionGuard

TransactionGuard::TransactionGuard(ObjectStore& store, TransactionKind kind) : store_(store) {
  active_ = true;
  if (store_.depth_ > 0) {
    ++store_.depth_;
    if (kind == TransactionKind::Write && store_.readOnly_) store_.fail("a write inside a read-only transaction");
  } else {
    outermost_ = true;
    store_.begin(kind);  // on failure the transaction is doomed and its writes refused
  }
}

TransactionGuard::~TransactionGuard() {
  if (!active_) return;
  if (outermost_) {
    store_.rollbackOutermost();
  } else {
    --store_.depth_;
  }
}

bool TransactionGuard::healthy() const { return active_ && !store_.beginFailed_ && !store_.doomed_; }

void TransactionGuard::abandon() {
  if (active_) store_.doomed_ = true;
}

bool TransactionGuard::commit() {
  if (!active_) return false;
  active_ = false;
  if (outermost_) return store_.commitOutermost();
  --store_.depth_;
  return !store_.doomed_;
}

Status TransactionGuard::finish() {
  if (commit()) return Status::ok();
  return Status::failure(store_.lastError().empty() ? "the book could not be written" : store_.lastError());
}

// ---------------------------------------------------------------------------------------------
// TableHandle

TableHandle::TableHandle(TableHandle&& other) noexcept { *this = std::move(other); }

TableHandle& TableHandle::operator=(TableHandle&& other) noexcept {
  if (this != &other) {
    close();
    store_ = std::exchange(other.store_, nullptr);
    tableId_ = other.tableId_;
    sorts_ = std::move(other.sorts_);
    sortSlot_ = other.sortSlot_;
    current_ = std::move(other.current_);
    walk_ = std::move(other.walk_);
    walkGeneration_ = other.walkGeneration_;
    walkIndex_ = other.walkIndex_;
  }
  return *this;
}

TableHandle::~TableHandle() { close(); }

void TableHandle::close() {
  walk_.reset();
  current_.reset();
  store_ = nullptr;
}

void TableHandle::clearPosition() {
  current_.reset();
  dropWalk();
}

void TableHandle::dropWalk() {
  walk_.reset();
  walkIndex_ = -1;
}

// Columns of every positioning query: rid, the active key, props.
namespace {
std::string selectColumns(int slot) {
  return slot == 0 ? std::string("SELECT rid, NULL, props FROM ") : "SELECT rid, " + keyColumn(slot) + ", props FROM ";
}
std::string orderBy(int slot, bool descending = false) {
  const char* dir = descending ? " DESC" : "";
  return slot == 0 ? std::string(" ORDER BY rid") + dir
                   : " ORDER BY " + keyColumn(slot) + dir + ", rid" + dir;
}
void bindKey(sqlite3_stmt* stmt, int index, int type, int64_t intKey, const std::string& bytes) {
  switch (type) {
    case SQLITE_INTEGER: sqlite3_bind_int64(stmt, index, intKey); break;
    case SQLITE_TEXT: sqlite3_bind_text(stmt, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT); break;
    case SQLITE_BLOB: sqlite3_bind_zeroblob(stmt, index, 0); break;
    default: sqlite3_bind_null(stmt, index); break;
  }
}
void bindSeekValue(sqlite3_stmt* stmt, int index, const SeekValue& value) {
  if (const auto* i = std::get_if<int32_t>(&value)) {
    sqlite3_bind_int64(stmt, index, *i);
  } else {
    const std::string& s = std::get<std::string>(value);
    sqlite3_bind_text(stmt, index, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
  }
}
}  // namespace

// Takes the row the lease's statement stands on (after a step) as the current record.
RecordId TableHandle::positionFromQuery(StatementLease& lease) {
  sqlite3_stmt* stmt = lease.get();
  Position p;
  p.rid = sqlite3_column_int64(stmt, 0);
  p.keyType = sqlite3_column_type(stmt, 1);
  if (p.keyType == SQLITE_INTEGER) {
    p.keyInt = sqlite3_column_int64(stmt, 1);
  } else if (p.keyType == SQLITE_TEXT) {
    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1));
    p.keyBlob.assign(t ? t : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, 1)));
  }
  const auto* blob = static_cast<const char*>(sqlite3_column_blob(stmt, 2));
  p.props.assign(blob ? blob : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, 2)));
  current_ = std::move(p);
  return current_->rid;
}

RecordId TableHandle::seek(SeekMode mode, const SeekValue& value) {
  if (!valid()) return 0;
  const int32_t* count = std::get_if<int32_t>(&value);
  switch (mode) {
    case SeekMode::SeekFromFirst:
      if (count == nullptr || *count < 0) {
        clearPosition();
        return 0;
      }
      return seekFromFirst(*count);
    case SeekMode::SeekFromCurrent:
      if (count == nullptr) {
        clearPosition();
        return 0;
      }
      return stepForward(*count);
    case SeekMode::SeekFirstEqual:
    case SeekMode::SeekNextEqual:
    case SeekMode::SeekAtLeast:
      return seekKey(mode, value);
  }
  return 0;
}

RecordId TableHandle::seekFromFirst(int32_t n) {
  const bool walkUsable = walk_ && walkGeneration_ == store_->generation_ && walkIndex_ >= 0 && current_ &&
                          n >= walkIndex_;
  if (walkUsable) {
    // A walk by position (the backup's) asks for 0, 1, 2, ...: step instead of skipping again.
    const int64_t index = walkIndex_;
    if (n == index) return current_->rid;
    const RecordId rid = stepForward(static_cast<int32_t>(n - index));
    return rid;
  }
  clearPosition();
  auto lease = std::make_unique<StatementLease>(
      *store_, selectColumns(sortSlot_) + recTable(tableId_) + orderBy(sortSlot_) + " LIMIT -1 OFFSET ?");
  if (!*lease) return 0;
  sqlite3_bind_int64(lease->get(), 1, n);
  if (!store_->stepRow(lease->get(), "seek")) return 0;
  const RecordId rid = positionFromQuery(*lease);
  walk_ = std::move(lease);
  walkGeneration_ = store_->generation_;
  walkIndex_ = n;
  return rid;
}

RecordId TableHandle::stepForward(int32_t n) {
  if (!current_) return 0;
  if (n == 0) return current_->rid;
  if (n < 0) {
    const Position from = *current_;
    clearPosition();
    const std::string sql = selectColumns(sortSlot_) + recTable(tableId_) +
                            (sortSlot_ == 0 ? " WHERE rid < ?2" : " WHERE (" + keyColumn(sortSlot_) + ", rid) < (?1, ?2)") +
                            orderBy(sortSlot_, true) + " LIMIT 1 OFFSET ?3";
    StatementLease back(*store_, sql);
    if (!back) return 0;
    if (sortSlot_ != 0) bindKey(back.get(), 1, from.keyType, from.keyInt, from.keyBlob);
    sqlite3_bind_int64(back.get(), 2, from.rid);
    sqlite3_bind_int64(back.get(), 3, -static_cast<int64_t>(n) - 1);
    if (!store_->stepRow(back.get(), "seek")) return 0;
    return positionFromQuery(back);
  }
  int64_t index = walkIndex_;
  if (!walk_ || walkGeneration_ != store_->generation_) {
    // The table changed since the walk began (or there is none): continue after the current record.
    const Position from = *current_;
    walk_.reset();
    index = -1;
    const std::string sql = selectColumns(sortSlot_) + recTable(tableId_) +
                            (sortSlot_ == 0 ? " WHERE rid > ?2" : " WHERE (" + keyColumn(sortSlot_) + ", rid) > (?1, ?2)") +
                            orderBy(sortSlot_);
    auto lease = std::make_unique<StatementLease>(*store_, sql);
    if (!*lease) {
      clearPosition();
      return 0;
    }
    if (sortSlot_ != 0) bindKey(lease->get(), 1, from.keyType, from.keyInt, from.keyBlob);
    sqlite3_bind_int64(lease->get(), 2, from.rid);
    walk_ = std::move(lease);
    walkGeneration_ = store_->generation_;
  }
  for (int32_t i = 0; i < n; ++i) {
    if (!store_->stepRow(walk_->get(), "seek")) {
      clearPosition();
      return 0;
    }
  }
  const RecordId rid = positionFromQuery(*walk_);
  walkIndex_ = index >= 0 ? index + n : -1;
  return rid;
}

RecordId TableHandle::seekKey(SeekMode mode, const SeekValue& value) {
  if (sortSlot_ == 0) {
    clearPosition();
    return 0;
  }
  auto keyEquals = [&](const Position& p) {
    if (const auto* i = std::get_if<int32_t>(&value)) return p.keyType == SQLITE_INTEGER && p.keyInt == *i;
    if (p.keyType != SQLITE_TEXT) return false;
    const std::string& s = std::get<std::string>(value);
    const bool folded = (sorts_[sortSlot_ - 1].flags & kSortCaseInsensitive) != 0;
    return folded ? asciiEqualFolded(p.keyBlob, s) : p.keyBlob == s;
  };
  if (mode == SeekMode::SeekNextEqual) {
    if (!current_) return 0;
    if (stepForward(1) == 0) return 0;
    if (keyEquals(*current_)) return current_->rid;
    clearPosition();
    return 0;
  }
  clearPosition();
  // Records without the key hold the empty blob, which sorts after every value; they are never
  // "at least" a value, so landing on one means no record qualifies.
  const std::string sql = selectColumns(sortSlot_) + recTable(tableId_) + " WHERE " + keyColumn(sortSlot_) +
                          " >= ?1" + orderBy(sortSlot_);
  auto lease = std::make_unique<StatementLease>(*store_, sql);
  if (!*lease) return 0;
  bindSeekValue(lease->get(), 1, value);
  if (!store_->stepRow(lease->get(), "seek")) return 0;
  positionFromQuery(*lease);
  walk_ = std::move(lease);
  walkGeneration_ = store_->generation_;
  walkIndex_ = -1;
  const bool ok = current_->keyType != SQLITE_BLOB && (mode == SeekMode::SeekAtLeast || keyEquals(*current_));
  if (!ok) {
    clearPosition();
    return 0;
  }
  return current_->rid;
}

bool TableHandle::readProps(std::span<PropValue> props) const {
  if (!current_) {
    for (PropValue& p : props) p.found = false;
    return false;
  }
  for (PropValue& p : props) p.found = false;
  // One pass over the stored properties, without building a copy of them.
  forEachStoredProp(current_->props, [&](PropId id, int32_t value, std::string_view text) {
    for (PropValue& p : props) {
      if (p.id != id) continue;
      p.found = true;
      if (isTextProp(id)) {
        p.text.assign(text);
      } else {
        p.intValue = value;
      }
    }
  });
  return true;
}

std::vector<PropValue> TableHandle::readAllProps() const {
  if (!current_) return {};
  return decodeProps(current_->props);
}

RecordId TableHandle::writeRecord(std::span<const PropValue> props) {
  if (!valid() || !store_->writable("write record")) return 0;
  const std::vector<SortOrder>& sorts = sorts_;
  StatementLease insert(*store_, "INSERT INTO " + recTable(tableId_) + "(k1, k2, k3, k4, props) VALUES(?,?,?,?,?)");
  if (!insert) return 0;
  store_->resetWalks();
  for (int slot = 1; slot <= 4; ++slot) {
    if (static_cast<std::size_t>(slot) > sorts.size()) {
      sqlite3_bind_null(insert.get(), slot);
      continue;
    }
    const PropId key = sorts[slot - 1].prop;
    const PropValue* found = nullptr;
    for (const PropValue& p : props) {
      if (p.id == key) found = &p;
    }
    if (found == nullptr) {
      sqlite3_bind_zeroblob(insert.get(), slot, 0);
    } else if (isTextProp(key)) {
      sqlite3_bind_text(insert.get(), slot, found->text.data(), static_cast<int>(found->text.size()), SQLITE_TRANSIENT);
    } else {
      sqlite3_bind_int64(insert.get(), slot, found->intValue);
    }
  }
  const std::string encoded = encodeProps(props);
  sqlite3_bind_blob(insert.get(), 5, encoded.data(), static_cast<int>(encoded.size()), SQLITE_TRANSIENT);
  store_->changed();
  if (sqlite3_step(insert.get()) != SQLITE_DONE) {
    store_->noteError("write record");
    return 0;
  }
  return sqlite3_last_insert_rowid(store_->db_);
}

bool TableHandle::deleteRecord(RecordId id) {
  if (!valid() || id == 0 || !store_->writable("delete record")) return false;
  StatementLease del(*store_, "DELETE FROM " + recTable(tableId_) + " WHERE rid = ?");
  if (!del) return false;
  store_->resetWalks();
  sqlite3_bind_int64(del.get(), 1, id);
  store_->changed();
  if (sqlite3_step(del.get()) != SQLITE_DONE) {
    store_->noteError("delete record");
    return false;
  }
  return sqlite3_changes(store_->db_) > 0;
}

}  // namespace coinest
