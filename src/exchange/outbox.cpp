#include "exchange/outbox.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "exchange/change_file.h"
#include "exchange/exchange_files.h"
#include "platform/durable_file.h"

namespace coinest {

namespace {

// Files carried out under one lock and one commit.
constexpr std::size_t kFlushBatch = 256;

Status carryOut(const QueuedFile& file, const std::filesystem::path& folder) {
  switch (static_cast<OutboxKind>(file.kind)) {
    case OutboxKind::WriteFile:
      // The folder is synced once for the whole batch, before any of its rows go (flushOutbox).
      return writeExchangeFile(folder, file.name, file.bytes, FolderSync::Deferred);
    case OutboxKind::DeleteApplied: {
      const std::filesystem::path path = folder / file.name;
      const RegularFileRead now = readRegularFile(path, kMaxChangeFileSize);
      // Gone already, or the desktop has put a new file of that name since: nothing of ours to delete.
      if (now.status == FileStatus::Missing) return Status::ok();
      if (now.status == FileStatus::Ok && now.bytes != file.bytes) return Status::ok();
      return removeExchangeFile(path);
    }
    case OutboxKind::ClearChangeFiles: return removeChangeFiles(folder);
    case OutboxKind::DeleteOrder: return removeExchangeFile(folder / file.name);
  }
  return Status::ok();  // a kind this program never queued: drop it
}

}  // namespace

bool queueExchangeWrite(ObjectStore& store, std::string_view name, std::string_view bytes) {
  return store.queueFile(static_cast<int>(OutboxKind::WriteFile), name, bytes);
}

bool queueAppliedDelete(ObjectStore& store, std::string_view name, std::string_view bytes) {
  return store.queueFile(static_cast<int>(OutboxKind::DeleteApplied), name, bytes);
}

bool queueOrderDelete(ObjectStore& store, std::string_view name) {
  return store.queueFile(static_cast<int>(OutboxKind::DeleteOrder), name, "");
}

bool queueChangeFilesClear(ObjectStore& store) {
  return store.queueFile(static_cast<int>(OutboxKind::ClearChangeFiles), "", "");
}

OutboxFlush flushOutbox(ObjectStore& store, const std::filesystem::path& folder) {
  OutboxFlush result;
  if (!store.hasQueuedFiles()) return result;  // the usual case, read without taking the lock
  int64_t after = 0;                           // files kept in the outbox are passed over
  for (;;) {
    TransactionGuard tx(store);
    const std::vector<QueuedFile> batch = store.queuedFiles(after, kFlushBatch);
    if (!tx.healthy()) {
      result.status = Status::failure(store.lastError());
      return result;
    }
    int carried = 0;
    for (const QueuedFile& file : batch) {
      after = file.seq;
      Status done = carryOut(file, folder);
      if (done) {
        // Its row goes with this batch's commit, after the folder sync below: a kill before that
        // writes the file again.
        store.unqueueFile(file.seq);
        ++carried;
        continue;
      }
      if (result.status) result.status = done;
      const auto kind = static_cast<OutboxKind>(file.kind);
      if (kind == OutboxKind::DeleteApplied || kind == OutboxKind::DeleteOrder) {
        ++result.undeletable;
        continue;
      }
      result.stopped = true;
      break;
    }
    // Renames and deletions of the batch become durable before their rows leave the outbox. (With
    // no folder at all there is nothing to sync: only deletions of what is gone can have succeeded.)
    std::error_code ec;
    if (carried > 0 && std::filesystem::is_directory(folder, ec)) {
      if (const Status synced = syncFolder(folder); !synced) {
        result.status = Status::failure(synced.reason());
        return result;  // the guard rolls back: every file of the batch stays queued
      }
    }
    if (Status committed = tx.finish(); !committed) {
      result.status = committed;
      return result;
    }
    result.carriedOut += carried;
    if (result.stopped || batch.size() < kFlushBatch) return result;
  }
}

}  // namespace coinest
