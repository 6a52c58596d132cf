#pragma once

#include <filesystem>
#include <ostream>

#include "store/book.h"

namespace coinest::cli {

// `import`: looks for the exchange flag file under the root and, when it is there, runs one
// import of the desktop's change files (with a change-file writer for the exchange folder when
// the book has no change sink). Prints `name<TAB>value` lines: exchange (on/off) and, when on,
// exported, wiped (yes/no), applied and rejected (file counts). When the book refuses the run's
// writes, prints one line saying so and returns kExitFailed (the files stay). Returns the exit
// status.
int runImportCommand(Book& book, const std::filesystem::path& root, std::ostream& out, std::ostream& err);

}  // namespace coinest::cli
