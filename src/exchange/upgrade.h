#pragma once

// The start-up upgrade: while either marker file is missing, the book is written to a transfer
// file in the device's "\Windows\" folder and at once read back, which makes every table again
// with the current sort orders and fills in what older records lack; then the two markers are
// written so that it happens once.

#include <filesystem>
#include <string_view>

#include "platform/ui_port.h"
#include "store/book.h"

namespace coinest {

inline constexpr std::string_view kUpgradeTransferFile = "\\Windows\\CoinestUp._cnb_";
inline constexpr std::string_view kUpgradeMarkerFile = "\\Windows\\CoinestUp._ini_";
inline constexpr std::string_view kUpgradeMarkerFile2 = "\\Windows\\CoinestUp2._ini_";

// Writes the book to the transfer file (through its temporary name, checked by reading it back,
// as a backup is; a book of any size up to kMaxBackupFileRecords). True when the transfer file is
// in place. On failure shows the upgrade's failure message with the reason on its second line and
// leaves no file behind.
bool upgradeExport(Book& book, UiPort& ui, const std::filesystem::path& root);

// Reloads the book from the transfer file (book_reload.h: the book is replaced whole or left as
// it was), then deletes the transfer file and writes both markers. Shows the outcome's message
// (a failed reload's with its reason on the second line); true when it completed. A failure leaves
// the markers missing, so the next start tries again.
bool upgradeImport(Book& book, UiPort& ui, const std::filesystem::path& root);

enum class UpgradeCheck {
  NotNeeded,     // both markers are there: nothing shown, nothing done
  Done,
  ExportFailed,  // no import was tried
  ImportFailed,
};

// The start-up check: when either marker cannot be opened, shows the start message, then runs
// upgradeExport and, only when it succeeds, upgradeImport.
UpgradeCheck checkUpgradeAtStart(Book& book, UiPort& ui, const std::filesystem::path& root);

}  // namespace coinest
