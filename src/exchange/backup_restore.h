#pragma once

// The user's backup and restore of the whole book through a backup file ("*.cnb"), each run
// inside the progress dialog.

#include <filesystem>

#include "platform/ui_port.h"
#include "store/book.h"

namespace coinest {

enum class TransferOutcome {
  NotRun,     // the chooser was cancelled or the confirmation declined: nothing shown, nothing done
  Done,       // completed; its message shown
  Failed,     // failed; its message shown
  Cancelled,  // "취소" in the progress dialog; its message shown
};

// Offers the save chooser with "Coinest<yyMMdd>.cnb" for today, writes the book to the temporary
// file of the chosen name inside the progress dialog, reads it back, and only when it holds
// exactly the counted records puts it in place of the chosen file. The chosen file is not
// touched otherwise. A book of more than 0xFFFF records (counters included) is written in the
// extended form (backup_stream.h); one beyond kMaxBackupFileRecords is refused before the chooser.
TransferOutcome backupBook(Book& book, UiPort& ui);

struct RestoreRun {
  TransferOutcome outcome = TransferOutcome::NotRun;
  // A valid file went to the progress dialog, whatever came of it: the shell then shows the
  // books page rebuilt.
  bool reachedDialog = false;
};

// Offers the open chooser, asks for confirmation, checks the file's header and, on "확인",
// replaces the counters and the seven record tables with the file's records in one transaction
// (book_reload.h): the book is replaced whole or left exactly as it was. `root` is the device
// root: with exchange on, a successful restore deletes the old change files of the exchange
// folder ("*._pd_", "*._pc_"), leaves one add file per restored record (the desktop's copy of
// the book is rebuilt from them) and writes "A00000000._pd_". A failed or cancelled restore
// leaves the exchange folder as it was.
RestoreRun restoreBook(Book& book, UiPort& ui, const std::filesystem::path& root);

}  // namespace coinest
