#include "cli/book_session.h"

#include <iostream>

#include "exchange/exchange_folder.h"
#include "platform/device_root.h"
#include "platform/start_environment.h"

namespace coinest::cli {

std::optional<BookSession> openSession(const GlobalOptions& options, SessionUse use, int* exitStatus) {
  StartEnvironmentResult prepared = prepareStartEnvironment(options.root, options.today);
  if (!prepared.environment) {
    std::cerr << prepared.message << "\n";
    *exitStatus = prepared.error == StartEnvironmentError::Usage ? kExitUsage : kExitFailed;
    return std::nullopt;
  }
  BookSession session;
  session.root = std::move(prepared.environment->root);
  session.clock = std::move(prepared.environment->clock);

  const std::filesystem::path storeFile = objectStoreFilePath(session.root);
  session.opened = openBook(storeFile, *session.clock);
  const bool rescue = !session.opened.store && session.opened.diskFull && use == SessionUse::ReadsOnly;
  if (rescue) session.opened = openBook(storeFile, *session.clock, StoreAccess::ExclusiveReading);
  if (!session.opened.store) {
    std::cerr << session.opened.error << "\n";
    *exitStatus = kExitFailed;
    return std::nullopt;
  }
  if (rescue) {
    std::cerr << "coinest-cli: " << storeFile.string()
              << ": 디스크 공간이 부족합니다: the book is read as it stands and nothing is written to it\n";
  }
  session.exchangeFolder = exchangeFolderPath(session.root);
  session.changes = std::make_unique<ChangeFileWriter>(session.exchangeFolder);
  session.book = std::make_unique<Book>(Book{*session.opened.store, *session.clock});
  session.book->changes = session.changes.get();
  checkExchangeFolder(*session.book, session.exchangeFolder);
  // What an earlier run committed but was stopped before writing goes out first; a book opened
  // for reading on a full disk keeps it for the next opening.
  if (rescue) {
    *exitStatus = kExitDone;
    return session;
  }
  const OutboxFlush earlier = flushOutbox(session.store(), session.exchangeFolder);
  if (!earlier.status) {
    std::cerr << "coinest-cli: files for the desktop wait in the book: " << earlier.status.reason() << "\n";
  }
  *exitStatus = kExitDone;
  return session;
}

void reportWaitingChangeFiles(BookSession& session, std::ostream& err) {
  if (const OutboxFlush& last = session.changes->lastFlush(); !last.status) {
    err << "coinest-cli: files for the desktop wait in the book until the next opening: " << last.status.reason()
        << '\n';
  }
}

}  // namespace coinest::cli
