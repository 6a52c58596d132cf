#include "cli/import_command.h"

#include "cli/book_session.h"
#include "cli/command_registry.h"
#include "exchange/change_file.h"
#include "exchange/desktop_import.h"
#include "exchange/exchange_folder.h"

namespace coinest::cli {

namespace {

const char* yesNo(bool value) { return value ? "yes" : "no"; }

}  // namespace

int runImportCommand(Book& book, const std::filesystem::path& root, std::ostream& out, std::ostream& err) {
  const std::filesystem::path folder = exchangeFolderPath(root);
  if (!checkExchangeFolder(book, folder)) {
    out << "exchange\toff\n";
    return kExitDone;
  }
  // The posting date an import writes goes back to the desktop as a file.
  ChangeFileWriter writer(folder);
  ChangeSink* const saved = book.changes;
  if (book.changes == nullptr) book.changes = &writer;
  const ImportRun run = importChangeFiles(book, folder);
  book.changes = saved;

  if (run.storeFailed) {
    out << "the book could not be written; the desktop's changes wait for the next import\n";
    err << "coinest-cli: " << run.status.reason() << '\n';
    return kExitFailed;
  }
  out << "exchange\ton\n"
      << "exported\t" << yesNo(run.exported) << '\n'
      << "wiped\t" << yesNo(run.wiped) << '\n'
      << "applied\t" << run.applied << '\n'
      << "rejected\t" << run.rejected << '\n';
  // An export that could not be written, or files that could not be deleted.
  if (!run.status) {
    err << "coinest-cli: " << run.status.reason() << '\n';
    return kExitFailed;
  }
  return kExitDone;
}

namespace {

const CommandRegistration kImport{{
    "import",
    "apply the desktop's change files once, when exchange is on",
    nullptr,
    [](CommandContext& c) { return runImportCommand(c.book(), c.session.root, c.out, c.err); },
}};

}  // namespace

}  // namespace coinest::cli
