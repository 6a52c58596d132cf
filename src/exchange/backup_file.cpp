// Writing a backup file so that the target only ever holds a complete, checked file.
//
// Invariants:
//   1. The target is not opened, truncated or deleted before the new file has been written in
//      full, read back with the right count and synced.
//   2. The target changes by one rename (FileReplacement::commit), so at every moment it names the
//      old file or the new one.
//   3. A failed, cancelled or killed write leaves no file behind: the new file has no name until
//      the moment before the rename (where the file system cannot do that, a failed or cancelled
//      write removes its temporary file).

#include "exchange/backup_file.h"

#include <cerrno>
#include <string>
#include <system_error>

#include "exchange/backup_stream.h"
#include "platform/utf8_text.h"

namespace coinest {

namespace {

// The failed write's error; the buffered writer may leave none behind.
Status writeFailure() {
  return Status::failure(fileFailure("cannot write the file", errno != 0 ? errno : EIO).reason());
}

}  // namespace

std::filesystem::path temporaryBackupPath(const std::filesystem::path& target) {
  const std::string name = target.filename().string();
  std::string temp;
  if (name.ends_with("$$$")) {
    temp = name + ".$$$";
  } else {
    // The last three characters, not bytes: a name may end in Hangul.
    std::size_t chars = utf8Length(name);
    const std::size_t keep = chars > 3 ? chars - 3 : 0;
    temp = std::string(utf8Prefix(name, keep));
    for (std::size_t i = keep; i < chars; ++i) temp += '$';
  }
  return target.parent_path() / temp;
}

Status startBackupFile(FileReplacement& file, uint32_t recordCount) {
  if (Status opened = file.open(); !opened) return opened;
  const std::string opening = backupOpening(recordCount);
  if (std::fwrite(opening.data(), 1, opening.size(), file.stream()) != opening.size()) {
    return fileFailure("cannot write the backup header", errno);
  }
  return {};
}

OpenFile openBackupFile(const std::filesystem::path& path) {
  RegularFileOpen opened = openRegularFile(path);
  if (opened.status != FileStatus::Ok) return nullptr;
  OpenFile file(::fdopen(opened.fd.get(), "rb"));
  if (file) opened.fd.release();
  return file;
}

std::optional<uint32_t> readBackupCount(std::FILE* file) {
  if (file == nullptr || std::fseek(file, 0, SEEK_SET) != 0) return std::nullopt;
  char opening[kMaxBackupOpeningSize];
  const std::size_t got = std::fread(opening, 1, sizeof opening, file);
  if (std::ferror(file)) return std::nullopt;
  return parseBackupOpening(std::string_view(opening, got));
}

Status writeCheckedBackup(Book& book, std::FILE* file, uint32_t recordCount,
                          const std::function<void(int)>& showPosition) {
  int position = 0;
  errno = 0;
  if (std::fseek(file, static_cast<long>(backupOpening(recordCount).size()), SEEK_SET) != 0) {
    return writeFailure();
  }
  const bool written = writeBackupStream(book.store, file, [&] {
    ++position;
    if (showPosition) showPosition(position);
  });
  // Syncing before the rename is the commit's (durable_file.h).
  if (!written || std::fflush(file) != 0) return writeFailure();
  uint32_t completed = 0;
  const BackupStreamRead counted = readBackupStream(file, BackupReadMode::Count, book, [&] {
    ++completed;
    if (showPosition) showPosition(static_cast<int>(completed) + position);
  });
  if (counted.damaged) {
    return Status::failure("the file read back is damaged after " + std::to_string(counted.completed) + " records");
  }
  if (counted.completed != recordCount) {
    return Status::failure("the file read back holds " + std::to_string(counted.completed) +
                           " records, not the book's " + std::to_string(recordCount));
  }
  return Status::ok();
}

void removeFileQuietly(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}

}  // namespace coinest
