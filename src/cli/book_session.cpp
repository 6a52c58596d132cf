#include "cli/book_session.h"

#include <iostream>

#include "calendar/user_holidays.h"
#include "exchange/exchange_folder.h"
#include "platform/device_root.h"

namespace coinest::cli {

std::optional<BookSession> openSession(const GlobalOptions& options, int* exitStatus) {
  std::optional<CalendarDate> today;
  if (options.today) {
    today = parseIsoDate(options.today->c_str());
    if (!today) {
      std::cerr << "--today: \"" << *options.today << "\" is not a valid date of the form YYYY-MM-DD\n";
      *exitStatus = kExitUsage;
      return std::nullopt;
    }
  }
  bool envMalformed = false;
  BookSession session;
  session.clock = makeClock(today, &envMalformed);
  if (envMalformed) {
    std::cerr << "COINEST_TODAY: not a valid date of the form YYYY-MM-DD\n";
    *exitStatus = kExitUsage;
    return std::nullopt;
  }

  session.root = resolveDeviceRoot(options.root);
  const PrepareRootResult prepared = prepareDeviceRoot(session.root);
  if (!prepared.ok) {
    std::cerr << prepared.error << "\n";
    *exitStatus = kExitFailed;
    return std::nullopt;
  }

  session.opened = openBook(objectStoreFilePath(session.root), *session.clock);
  if (!session.opened.store) {
    std::cerr << session.opened.error << "\n";
    *exitStatus = kExitFailed;
    return std::nullopt;
  }
  session.exchangeFolder = exchangeFolderPath(session.root);
  session.changes = std::make_unique<ChangeFileWriter>(session.exchangeFolder);
  session.book = std::make_unique<Book>(Book{*session.opened.store, *session.clock});
  session.book->changes = session.changes.get();
  UserHolidays userHolidays = loadUserHolidays(session.root);
  for (const std::string& problem : userHolidays.problems) std::cerr << problem << "\n";
  session.book->holidays.setUserDays(std::move(userHolidays.days));
  checkExchangeFolder(*session.book, session.exchangeFolder);
  // What an earlier run committed but was stopped before writing goes out first.
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
