// The start-up upgrade through the transfer file.
//
// Invariants:
//   1. The transfer file is only ever a complete, checked file: it is written as a backup file is
//      and renamed into place (backup_file.cpp).
//   2. The book is replaced in one transaction or not at all (book_reload.cpp).
//   3. The markers are written only after the book was replaced. A crash before they are written
//      leaves them missing and the next start runs the upgrade again, which is harmless: it
//      writes the same book and reads it back.

#include "exchange/upgrade.h"

#include <optional>
#include <string>

#include "exchange/backup_file.h"
#include "exchange/backup_stream.h"
#include "exchange/book_reload.h"
#include "platform/device_root.h"
#include "platform/durable_file.h"

namespace coinest {

namespace {

constexpr std::string_view kUpgradeStart =
    "가계부 자료 업그레이드 작업을 실행합니다.\n\n[ok] 버튼을 클릭한 후 완료 메세지가 나타날 때까지 잠시만 기다려 "
    "주시기 바랍니다.";
constexpr std::string_view kUpgradeDone = "가계부 자료 업그레이드 작업이 완료되었습니다.";
constexpr std::string_view kUpgradeFailed = "가계부 자료 업그레이드 작업이 실패했습니다.";
constexpr std::string_view kUpgradeInvalid = "올바르지 않은 파일이므로 가계부 자료 업그레이드 작업이 실패했었습니다.";

// The device paths are constants and always valid; the fallback only keeps the result total.
std::filesystem::path devicePath(const std::filesystem::path& root, std::string_view device) {
  return deviceFilePath(root, device).value_or(root / "Windows" / "invalid");
}

// A FIFO or device planted as a marker must not hang the start: only a regular file counts.
// A marker seen through a link planted on the way (at Windows) is another folder's, not ours.
bool markerThere(const std::filesystem::path& root, const std::filesystem::path& file) {
  return checkNoLinkBelowRoot(root, file) && openRegularFile(file).status == FileStatus::Ok;
}

// The failure message, with its reason on a second line.
void showFailure(UiPort& ui, const Status& failure) {
  ui.showMessage(std::string(kUpgradeFailed) + "\n" + failure.reason(), MessageCaption::Notice);
}

Status asStatus(const Status& result) { return result ? Status::ok() : Status::failure(result.reason()); }

// Writes the transfer file as a backup is written: one snapshot of the book for the whole file
// (see backupBook), checked by reading it back, renamed into place only then.
Status writeTransferFile(Book& book, const std::filesystem::path& root, const std::filesystem::path& transfer) {
  TransactionGuard snapshot(book.store, TransactionKind::Read);
  const uint32_t recordCount = backupRecordCount(book.store);
  if (recordCount > kMaxBackupFileRecords) {
    return Status::failure("the book's " + std::to_string(recordCount) + " records are more than a file holds (" +
                           std::to_string(kMaxBackupFileRecords) + ")");
  }
  // The device always had its "\Windows\" folder; under a fresh root it may not exist yet.
  if (Status folder = asStatus(createPrivateFoldersInRoot(root, transfer.parent_path())); !folder) return folder;
  // A file not put in place goes with `file`.
  FileReplacement file(FileTarget::inRoot(root, transfer), temporaryBackupPath(transfer));
  if (Status started = asStatus(startBackupFile(file, recordCount)); !started) return started;
  if (Status checked = writeCheckedBackup(book, file.stream(), recordCount, nullptr); !checked) return checked;
  if (Status read = snapshot.finish(); !read) return read;
  return asStatus(file.commit());
}

}  // namespace

bool upgradeExport(Book& book, UiPort& ui, const std::filesystem::path& root) {
  const Status written = writeTransferFile(book, root, devicePath(root, kUpgradeTransferFile));
  if (!written) showFailure(ui, written);
  return written.isOk();
}

bool upgradeImport(Book& book, UiPort& ui, const std::filesystem::path& root) {
  const std::filesystem::path transfer = devicePath(root, kUpgradeTransferFile);
  OpenFile file = openBackupFile(transfer);
  const std::optional<uint32_t> recordCount = readBackupCount(file.get());
  if (!recordCount) {
    ui.showMessage(kUpgradeInvalid, MessageCaption::Notice);
    return false;
  }
  const Status replaced = reloadBook(book, file.get(), *recordCount, nullptr, false);
  file.reset();
  if (!replaced) {
    showFailure(ui, replaced);
    return false;
  }
  removeFileQuietly(transfer);
  // A marker that cannot be written only makes the next start run the upgrade again (3.). Each
  // replaces whatever has its name, a link too: nothing is written outside the root.
  static_cast<void>(replaceFileDurably(FileTarget::inRoot(root, devicePath(root, kUpgradeMarkerFile)), kUpgradeMarkerText));
  static_cast<void>(replaceFileDurably(FileTarget::inRoot(root, devicePath(root, kUpgradeMarkerFile2)), kUpgradeMarkerText));
  ui.showMessage(kUpgradeDone, MessageCaption::Notice);
  return true;
}

UpgradeCheck checkUpgradeAtStart(Book& book, UiPort& ui, const std::filesystem::path& root) {
  if (markerThere(root, devicePath(root, kUpgradeMarkerFile)) && markerThere(root, devicePath(root, kUpgradeMarkerFile2))) {
    return UpgradeCheck::NotNeeded;
  }
  ui.showMessage(kUpgradeStart, MessageCaption::Notice);
  if (!upgradeExport(book, ui, root)) return UpgradeCheck::ExportFailed;
  return upgradeImport(book, ui, root) ? UpgradeCheck::Done : UpgradeCheck::ImportFailed;
}

}  // namespace coinest
