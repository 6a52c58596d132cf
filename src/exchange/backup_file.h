#pragma once

// The backup file on disk, as the backup and the upgrade export write it: a FileReplacement of the
// target known by the target's temporary name, checked by reading it back, and only then put in
// place by its commit().

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/durable_file.h"
#include "platform/status.h"
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

// REQUIRES: `file` replaces a backup file's target with temporaryBackupPath(target) as its
// temporary name, and is not open yet; recordCount <= kMaxBackupFileRecords.
// Opens it (mode 0600, unnamed until the moment before the rename where the file system allows,
// never through a link) and writes the opening for `recordCount`: the 25-byte header, and for a
// count beyond its 16 bits the count-record after it (backup_stream.h).
Status startBackupFile(FileReplacement& file, uint32_t recordCount);

// Opens `path` for reading when it is a regular file (a link, FIFO, device or folder is refused at
// once); null when it cannot be opened.
OpenFile openBackupFile(const std::filesystem::path& path);

// The record count of the backup file open in `file` (null allowed), read from its opening
// (parseBackupOpening); nothing when it cannot be read or is not a backup file's.
std::optional<uint32_t> readBackupCount(std::FILE* file);

// After the opening startBackupFile wrote for `recordCount`: writes the stream of the whole book,
// then reads the file back from offset 25 and counts the completed records. `showPosition` (may
// be empty) gets the progress after each record: the records written, then that plus the records
// counted. Succeeds when nothing failed to write and the count equals `recordCount`; the failure's
// reason says which it was.
Status writeCheckedBackup(Book& book, std::FILE* file, uint32_t recordCount,
                          const std::function<void(int)>& showPosition);

// Deletes the file if there is one (a link itself, not what it points to); never fails.
void removeFileQuietly(const std::filesystem::path& path);

}  // namespace coinest
