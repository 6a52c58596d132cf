// Backup and restore of the whole book.
//
// Backup invariants (the file side is backup_file.cpp's):
//   1. The chosen file is replaced only by a file that was read back with exactly the records its
//      header counts; until then, and after a failure or cancel, it is as it was.
//   2. A book whose records do not fit the 16-bit header count is written with its count in the
//      count-record, so that its file can be restored; the device's form stays for every book
//      that fits it.
// Restore invariants (the store side is book_reload.cpp's):
//   1. The book is replaced whole in one transaction, or not at all.
//   2. The exchange folder changes only after that transaction has committed: the old change files
//      go, then the add files of the restored records and "A00000000._pd_" are written. All three
//      are queued in the book's outbox by that transaction, so a crash after the commit leaves them
//      to the next opening of the book, never undone (outbox.h).
// Backup invariant 3: the book is read in one snapshot, so a restore by another process at the
// same moment gives a backup of the old book or of the new one, and a read that fails (a table
// taken away) fails the backup instead of writing an empty one.

#include "exchange/backup_restore.h"

#include <cstdio>
#include <string>
#include <system_error>
#include <vector>

#include "exchange/backup_file.h"
#include "exchange/backup_stream.h"
#include "exchange/book_reload.h"
#include "exchange/change_file.h"
#include "exchange/desktop_import.h"
#include "exchange/exchange_folder.h"
#include "exchange/outbox.h"
#include "platform/device_root.h"

namespace coinest {

namespace {

constexpr std::string_view kFilterTitle = "Brivanta 가계부 백업파일";
constexpr std::string_view kFilterPattern = "*.cnb";
constexpr std::string_view kDefaultExtension = "cnb";

constexpr std::string_view kBackupTitle = "▶ 가계부 자료백업";
constexpr std::string_view kRestoreTitle = "▶ 가계부 자료복원";

constexpr std::string_view kBackupDone = "가계부 자료백업 작업이 완료되었습니다.";
constexpr std::string_view kBackupFailed = "가계부 자료백업 작업이 실패했습니다.";
constexpr std::string_view kBackupCancelled = "가계부 자료백업 작업이 취소되었습니다.";
constexpr std::string_view kBackupTooLarge =
    "가계부 자료가 10억 건을 넘어 백업파일에 담을 수 없으므로 가계부 자료백업 작업을 할 수 없습니다.";
static_assert(kMaxBackupFileRecords == 1'000'000'000, "kBackupTooLarge names the limit");
constexpr std::string_view kRestoreQuestion =
    " 백업파일로 가계부 자료복원 작업을 하시겠습니까?\n\n가계부 자료복원을 하시면 기존의 가계부 자료는 모두 삭제되고 "
    "선택한 가계부 백업파일 내용으로 가계부 내용이 바뀝니다.";
constexpr std::string_view kRestoreInvalid = "올바르지 않은 복원파일이므로 가계부 자료복원 작업이 실패했었습니다.";
constexpr std::string_view kRestoreDone = "가계부 자료복원 작업이 완료되었습니다.";
constexpr std::string_view kRestoreFailed = "가계부 자료복원 작업이 실패했습니다.";
constexpr std::string_view kRestoreCancelled = "가계부 자료복원 작업이 취소되었습니다.";

FileChoice backupFileChoice(std::string proposedName) {
  return FileChoice{std::string(kFilterTitle), std::string(kFilterPattern), std::string(kDefaultExtension),
                    std::move(proposedName)};
}

std::string proposedBackupName(const Clock& clock) {
  const LocalTime now = clock.now();
  char name[32];
  std::snprintf(name, sizeof name, "Coinest%02d%02d%02d.cnb", now.year % 100, now.month, now.day);
  return name;
}

// A failure's message, with its reason (a full disk, a file that did not read back whole) on a
// second line when there is one.
void showFailure(UiPort& ui, std::string_view message, const std::string& reason) {
  ui.showMessage(reason.empty() ? std::string(message) : std::string(message) + "\n" + reason, MessageCaption::Notice);
}

}  // namespace

TransferOutcome backupBook(Book& book, UiPort& ui) {
  TransactionGuard snapshot(book.store, TransactionKind::Read);
  const uint32_t recordCount = backupRecordCount(book.store);
  if (recordCount > kMaxBackupFileRecords) {
    ui.showMessage(kBackupTooLarge, MessageCaption::Notice);
    return TransferOutcome::Failed;
  }
  const std::optional<std::filesystem::path> chosen =
      ui.chooseSaveFile(backupFileChoice(proposedBackupName(book.clock)));
  if (!chosen) return TransferOutcome::NotRun;

  // A backup file must not be one of the book's own: written over the book, it would destroy it.
  const FileTarget target = FileTarget::userNamed(deviceRootOfStoreFile(book.store.path()), *chosen);
  if (Status allowed = target.check(); !allowed) {
    ui.showMessage(allowed.reason(), MessageCaption::Notice);
    return TransferOutcome::Failed;
  }
  FileReplacement file(target, temporaryBackupPath(*chosen));
  if (const Status started = startBackupFile(file, recordCount); !started) {
    showFailure(ui, kBackupFailed, started.reason());
    return TransferOutcome::Failed;
  }

  TransferOutcome outcome = TransferOutcome::Cancelled;
  const bool ran = ui.runProgressDialog(kBackupTitle, 2 * static_cast<int>(recordCount), 0, [&](ProgressBar& bar) {
    const Status written = [&] {
      if (Status checked = writeCheckedBackup(book, file.stream(), recordCount, [&](int position) { bar.setPosition(position); });
          !checked) {
        return checked;
      }
      if (Status read = snapshot.finish(); !read) return read;
      const Status committed = file.commit();
      return committed ? Status::ok() : Status::failure(committed.reason());
    }();
    if (written) {
      outcome = TransferOutcome::Done;
      ui.showMessage(kBackupDone, MessageCaption::Notice);
    } else {
      outcome = TransferOutcome::Failed;
      showFailure(ui, kBackupFailed, written.reason());
    }
  });
  // A file not put in place goes with `file`.
  if (!ran) {
    ui.showMessage(kBackupCancelled, MessageCaption::Notice);
    return TransferOutcome::Cancelled;
  }
  return outcome;
}

RestoreRun restoreBook(Book& book, UiPort& ui, const std::filesystem::path& root) {
  RestoreRun run;
  const std::optional<std::filesystem::path> chosen = ui.chooseOpenFile(backupFileChoice(""));
  if (!chosen) return run;
  if (!ui.askYesNo(chosen->string() + std::string(kRestoreQuestion))) return run;

  OpenFile file = openBackupFile(*chosen);
  const std::optional<uint32_t> recordCount = readBackupCount(file.get());
  if (!recordCount) {
    ui.showMessage(kRestoreInvalid, MessageCaption::Notice);
    run.outcome = TransferOutcome::Failed;
    return run;
  }

  run.reachedDialog = true;
  const std::filesystem::path folder = exchangeFolderPath(root);
  run.outcome = TransferOutcome::Cancelled;
  const bool ran = ui.runProgressDialog(kRestoreTitle, reloadEnd(*recordCount), 0, [&](ProgressBar& bar) {
    // The old change files describe the book being replaced: they go once it has been replaced,
    // before the add files of the restored records are written. A restore that fails keeps them.
    const Status replaced =
        reloadBook(book, file.get(), *recordCount, [&](int position) { bar.setPosition(position); }, true);
    file.reset();
    if (replaced) {
      // The change files of the records may already be out (a ChangeFileWriter flushes at the
      // commit); what is left waits in the outbox for the next opening should this fail.
      static_cast<void>(flushOutbox(book.store, folder));
      run.outcome = TransferOutcome::Done;
      ui.showMessage(kRestoreDone, MessageCaption::Notice);
    } else {
      run.outcome = TransferOutcome::Failed;
      showFailure(ui, kRestoreFailed, replaced.reason());
    }
  });
  if (!ran) {
    file.reset();
    ui.showMessage(kRestoreCancelled, MessageCaption::Notice);
  }
  return run;
}

}  // namespace coinest
