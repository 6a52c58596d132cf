#pragma once

// What every command of coinest-cli works on: the device root, the clock and the opened book.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "exchange/change_file.h"
#include "platform/clock.h"
#include "store/book.h"
#include "store/book_tables.h"

namespace coinest::cli {

struct GlobalOptions {
  std::optional<std::string> root;   // --root
  std::optional<std::string> today;  // --today
};

struct BookSession {
  std::filesystem::path root;
  std::filesystem::path exchangeFolder;
  std::unique_ptr<Clock> clock;
  BookOpenResult opened;
  std::unique_ptr<ChangeFileWriter> changes;
  std::unique_ptr<Book> book;

  ObjectStore& store() { return *opened.store; }
};

// Exit statuses of coinest-cli.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// Whether the command run on the book changes it.
enum class SessionUse { Changes, ReadsOnly };

// Picks the clock, prepares the device root, opens the book as the program's start does, and
// looks for the desktop's exchange flag. On failure prints the message on stderr and returns
// the exit status to end with. A book whose disk is too full to open it as usual is still opened
// for a command that only reads (dump, backup onto another disk, ...), held alone and unchanged;
// a line on stderr says so.
std::optional<BookSession> openSession(const GlobalOptions& options, SessionUse use, int* exitStatus);

// Says on `err` when change files for the desktop could not be written after the last commit:
// they stay in the book and are written at the next opening.
void reportWaitingChangeFiles(BookSession& session, std::ostream& err);

}  // namespace coinest::cli
