#pragma once

// An export as a whole: the text of a format, read under one snapshot of the book so it never
// mixes two states of it, and the file the user named, replaced durably. The window and the
// command line both come here; a failure comes back as a message fit for a message box.

#include <filesystem>
#include <string>

#include "export/export_range.h"
#include "platform/status.h"
#include "store/book.h"

namespace coinest {

struct ExportResult {
  Status status;     // failed for a refused range or a failed read; the text is then empty
  std::string text;  // the whole file
};

// The export of the range in the format. A range that exportRangeRefusal refuses reads nothing
// and fails with its message; a failed read fails with "내보내기에 실패했습니다: <reason>".
ExportResult exportText(Book& book, ExportFormat format, const ExportRange& range);

// Writes the export to `file`: the file holds the whole export or, on any failure (the range is
// refused, the book could not be read, the folder is missing or not writable, the disk is full),
// stays as it was, with no partial or temporary file left. A refused range fails with
// exportRangeRefusal's message, any other failure reads "내보내기에 실패했습니다: <reason>".
Status exportToFile(Book& book, ExportFormat format, const ExportRange& range, const std::filesystem::path& file);

}  // namespace coinest
