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

FileResult startBackupFile(FileReplacement& file, uint32_t recordCount) {
  if (FileResult opened = file.open(); !opened) return opened;
  const std::string header = backupHeader(recordCount);
  if (std::fwrite(header.data(), 1, header.size(), file.stream()) != header.size()) {
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

bool writeCheckedBackup(Book& book, std::FILE* file, uint32_t headerCount,
                        const std::function<void(int)>& showPosition) {
  int position = 0;
  if (std::fseek(file, static_cast<long>(kBackupHeaderSize), SEEK_SET) != 0) return false;
  const bool written = writeBackupStream(book.store, file, [&] {
    ++position;
    if (showPosition) showPosition(position);
  });
  // Syncing before the rename is the commit's (durable_file.h).
  if (!written || std::fflush(file) != 0) return false;
  uint32_t completed = 0;
  const BackupStreamRead counted = readBackupStream(file, BackupReadMode::Count, book, [&] {
    ++completed;
    if (showPosition) showPosition(static_cast<int>(completed) + position);
  });
  return !counted.damaged && counted.completed == headerCount;
}

void removeFileQuietly(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}

}  // namespace coinest
