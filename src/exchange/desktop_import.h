#pragma once

// Applying the desktop companion's changes: every run answers a request for the whole book,
// carries out a wipe order, then applies up to 100 waiting "._pc_" change files in name order and
// deletes them. Imported records keep the ids the desktop gave them.

#include <cstddef>
#include <filesystem>
#include <string_view>

#include "platform/status.h"
#include "store/book.h"

namespace coinest {

inline constexpr std::size_t kImportFilesPerRun = 100;
// Request from the desktop: send the whole book.
inline constexpr std::string_view kExportRequestFileName = "A00000000._pb_";
// Order from the desktop: empty the seven record tables (its content is never read).
inline constexpr std::string_view kWipeOrderFileName = "A00000000._pc_";
// Written first by a full export: the single byte 0x01, "the book that follows replaces yours".
inline constexpr std::string_view kBookReplacedFileName = "A00000000._pd_";

struct ImportRun {
  bool ran = false;       // false when exchange is off or an import or posting run is busy
  bool exported = false;  // a full export answered a request
  bool wiped = false;     // a wipe order emptied the record tables
  int applied = 0;        // change files decoded and applied (an add whose id exists counts too)
  int rejected = 0;       // change files deleted unapplied: bad name, digit, size or content
  bool storeFailed = false;  // the book refused the run's writes: nothing applied, the files stay
  // Ok, or why the run did not finish: the book refused it, the full export could not be written,
  // or files could not be deleted. The book never holds half a run.
  Status status;
};

// One import run; does nothing unless book.modes.exchangeEnabled is set and importBusy is clear.
// importBusy is set for the run. Files whose name has the right form but a letter other than A to
// G stay in the folder and do not use up the run's 100 places; every other "*._pc_" file taken is
// deleted, applied or not. Each file is applied in its own transaction guard with applyingImport
// set, so it writes no change file back (except the posting date's); the guards join one
// transaction for the whole run. The run records in that transaction which files it applied
// (outbox.h), so they are deleted after the commit and, should a kill come first, deleted
// unapplied by the next run. A run does not start while an applied file could not be deleted: it
// fails with the reason instead of applying the file again. When the book refuses the run (a
// locked or full disk), nothing of it stays applied and its files wait for the next run; files
// that do not decode are deleted at once.
ImportRun importChangeFiles(Book& book, const std::filesystem::path& folder);

// The answer to a request for the whole book: an add file for every record of the entries,
// reservations, links, posting date (G2), assets, minor and major categories and instalment rows,
// each table in id order from id 1; then, only when every one was written, "A00000000._pd_"
// (the desktop replaces its copy on seeing it), and last the request is deleted. A failure stops
// the export and leaves the request, so the next run answers it again. Fails when exchange is off.
Status fullExport(Book& book, const std::filesystem::path& folder);

}  // namespace coinest
