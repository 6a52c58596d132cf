#include "cli/book_session.h"

#include <iostream>

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

  session.book = openBook(objectStoreFilePath(session.root), *session.clock);
  if (!session.book.store) {
    std::cerr << session.book.error << "\n";
    *exitStatus = kExitFailed;
    return std::nullopt;
  }
  *exitStatus = kExitDone;
  return session;
}

}  // namespace coinest::cli
