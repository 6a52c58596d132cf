#pragma once

// The backup file on disk, as the backup and the upgrade export write it: under a temporary name
// next to the target, checked by reading it back, and only then put in place.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

#include "store/book.h"

namespace coinest {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
// An open file, closed when it goes.
using OpenFile = std::unique_ptr<std::FILE, FileCloser>;

// The name a file is written under until it has been checked: `target` with each of the last three
// characters of its file name replaced by '$' ("Coinest070512.cnb" gives "Coinest070512.$$$"). A
// name that ends in "$$$" already gets ".$$$" appended instead, so the temporary file is never the
// target itself.
std::filesystem::path temporaryBackupPath(const std::filesystem::path& target);

// Creates `path` as a new, empty file for reading and writing (an existing file is emptied).
// Null when it cannot be created.
OpenFile createBackupFile(const std::filesystem::path& path);

// Opens `path` for reading; null when it cannot be opened.
OpenFile openBackupFile(const std::filesystem::path& path);

// After the header already in `file`: writes the stream of the whole book, then reads the file
// back from offset 25 and counts the completed records. `showPosition` (may be empty) gets the
// progress after each record: the records written, then that plus the records counted. Returns
// true when nothing failed to write or sync and the count equals `headerCount`.
bool writeCheckedBackup(Book& book, std::FILE* file, uint32_t headerCount,
                        const std::function<void(int)>& showPosition);

// Writes the 25-byte header for `recordCount` at the start of the file; false on a write error.
bool writeBackupHeader(std::FILE* file, uint32_t recordCount);

// Puts the checked file `temp` (closed, its bytes synced) in place of `target` by one rename, then
// syncs the folder. A crash leaves the old target or the new one, never neither. False, leaving
// `temp` where it is, when the rename fails (the target is a folder, say).
bool putBackupInPlace(const std::filesystem::path& temp, const std::filesystem::path& target);

// Deletes the file if there is one; never fails.
void removeFileQuietly(const std::filesystem::path& path);

// Creates `path` anew holding exactly `bytes`; false when it cannot be written.
bool writeWholeFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace coinest
