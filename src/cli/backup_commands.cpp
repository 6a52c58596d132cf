// backup, restore and upgrade: the whole book through a backup file, and the start-up upgrade.
// The commands answer the program's questions as the user of the command line means them: the
// backup proceeds as if "확인" were pressed, the restore as if "예" and "확인" were. Every message the
// program shows is printed on its own line(s).

#include <string>

#include "cli/command_registry.h"
#include "cli/console_ui.h"
#include "exchange/backup_restore.h"
#include "exchange/upgrade.h"

namespace coinest::cli {

namespace {

std::string backupFile;
std::string restoreFile;

int exitStatusOf(TransferOutcome outcome) {
  return outcome == TransferOutcome::Done ? kExitDone : kExitFailed;
}

const CommandRegistration kBackup{{
    "backup",
    "write the whole book to FILE (replaced only once the new file is checked)",
    [](CLI::App& app) { app.add_option("FILE", backupFile, "the backup file to write")->required(); },
    [](CommandContext& c) {
      ConsoleUi ui(c.out);
      ui.setChosenFile(std::filesystem::path(backupFile));
      return exitStatusOf(backupBook(c.book(), ui));
    },
    false,
    true,
}};

const CommandRegistration kRestore{{
    "restore",
    "replace the book with the backup FILE (as if Yes and OK)",
    [](CLI::App& app) { app.add_option("FILE", restoreFile, "the backup file to read")->required(); },
    [](CommandContext& c) {
      ConsoleUi ui(c.out);
      ui.setChosenFile(std::filesystem::path(restoreFile));
      return exitStatusOf(restoreBook(c.book(), ui, c.session.root).outcome);
    },
}};

// As at start: nothing happens (and nothing is printed) while both marker files are there.
const CommandRegistration kUpgrade{{
    "upgrade",
    "run the start-up upgrade check: rewrite the book through the transfer file when a marker is missing",
    nullptr,
    [](CommandContext& c) {
      const UpgradeCheck check = checkUpgradeAtStart(c.book(), c.ui, c.session.root);
      return check == UpgradeCheck::NotNeeded || check == UpgradeCheck::Done ? kExitDone : kExitFailed;
    },
}};

}  // namespace

}  // namespace coinest::cli
