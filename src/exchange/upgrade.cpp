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

#include "exchange/backup_file.h"
#include "exchange/backup_restore.h"
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
bool markerThere(const std::filesystem::path& file) { return openRegularFile(file).status == FileStatus::Ok; }

}  // namespace

bool upgradeExport(Book& book, UiPort& ui, const std::filesystem::path& root) {
  const std::filesystem::path transfer = devicePath(root, kUpgradeTransferFile);
  auto fail = [&] {
    ui.showMessage(kUpgradeFailed, MessageCaption::Notice);
    return false;
  };
  // The count of a bigger book would not survive the 16-bit header: its import could only fail.
  // One snapshot of the book for the whole file (see backupBook).
  TransactionGuard snapshot(book.store, TransactionKind::Read);
  const uint32_t headerCount = backupRecordCount(book.store);
  if (headerCount > kMaxBackupBookRecords + 1) return fail();

  // The device always had its "\Windows\" folder; under a fresh root it may not exist yet.
  if (!createPrivateFoldersInRoot(root, transfer.parent_path())) return fail();
  // A file not put in place goes with `file`.
  FileReplacement file(FileTarget::inRoot(root, transfer), temporaryBackupPath(transfer));
  if (!startBackupFile(file, headerCount)) return fail();
  if (!writeCheckedBackup(book, file.stream(), headerCount, nullptr) || !snapshot.healthy() || !file.commit()) return fail();
  return true;
}

bool upgradeImport(Book& book, UiPort& ui, const std::filesystem::path& root) {
  const std::filesystem::path transfer = devicePath(root, kUpgradeTransferFile);
  OpenFile file = openBackupFile(transfer);
  char header[kBackupHeaderSize];
  const std::size_t got = file ? std::fread(header, 1, sizeof header, file.get()) : 0;
  const std::optional<uint16_t> headerCount = parseBackupHeader(std::string_view(header, got));
  if (!headerCount) {
    ui.showMessage(kUpgradeInvalid, MessageCaption::Notice);
    return false;
  }
  const bool replaced = reloadBook(book, file.get(), *headerCount, nullptr, false);
  file.reset();
  if (!replaced) {
    ui.showMessage(kUpgradeFailed, MessageCaption::Notice);
    return false;
  }
  removeFileQuietly(transfer);
  // A marker that cannot be written only makes the next start run the upgrade again (3.). Each
  // replaces whatever has its name, a link too: nothing is written outside the root.
  replaceFileDurably(FileTarget::inRoot(root, devicePath(root, kUpgradeMarkerFile)), kUpgradeMarkerText);
  replaceFileDurably(FileTarget::inRoot(root, devicePath(root, kUpgradeMarkerFile2)), kUpgradeMarkerText);
  ui.showMessage(kUpgradeDone, MessageCaption::Notice);
  return true;
}

UpgradeCheck checkUpgradeAtStart(Book& book, UiPort& ui, const std::filesystem::path& root) {
  if (markerThere(devicePath(root, kUpgradeMarkerFile)) && markerThere(devicePath(root, kUpgradeMarkerFile2))) {
    return UpgradeCheck::NotNeeded;
  }
  ui.showMessage(kUpgradeStart, MessageCaption::Notice);
  if (!upgradeExport(book, ui, root)) return UpgradeCheck::ExportFailed;
  return upgradeImport(book, ui, root) ? UpgradeCheck::Done : UpgradeCheck::ImportFailed;
}

}  // namespace coinest
