// Writing a backup file so that the target only ever holds a complete, checked file.
//
// Invariants:
//   1. The target is not opened, truncated or deleted before the new file has been written in
//      full, read back with the right count and synced under its temporary name.
//   2. The target changes by one rename, so at every moment it names the old file or the new one.
//   3. A failed or cancelled write leaves at most the temporary file, which the caller deletes.

#include "exchange/backup_file.h"

#include <fcntl.h>
#include <unistd.h>

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

OpenFile createBackupFile(const std::filesystem::path& path) { return OpenFile(std::fopen(path.c_str(), "w+b")); }

OpenFile openBackupFile(const std::filesystem::path& path) { return OpenFile(std::fopen(path.c_str(), "rb")); }

bool writeBackupHeader(std::FILE* file, uint32_t recordCount) {
  const std::string header = backupHeader(recordCount);
  return std::fseek(file, 0, SEEK_SET) == 0 && std::fwrite(header.data(), 1, header.size(), file) == header.size();
}

bool writeCheckedBackup(Book& book, std::FILE* file, uint32_t headerCount,
                        const std::function<void(int)>& showPosition) {
  int position = 0;
  if (std::fseek(file, static_cast<long>(kBackupHeaderSize), SEEK_SET) != 0) return false;
  const bool written = writeBackupStream(book.store, file, [&] {
    ++position;
    if (showPosition) showPosition(position);
  });
  // The bytes must be on disk before the rename that makes them the target: a crash after the
  // rename must not leave a target that is short or empty.
  if (!written || std::fflush(file) != 0 || ::fsync(::fileno(file)) != 0) return false;
  uint32_t completed = 0;
  const BackupStreamRead counted = readBackupStream(file, BackupReadMode::Count, book, [&] {
    ++completed;
    if (showPosition) showPosition(static_cast<int>(completed) + position);
  });
  return !counted.damaged && counted.completed == headerCount;
}

bool putBackupInPlace(const std::filesystem::path& temp, const std::filesystem::path& target) {
  // rename() replaces the target in one step: a crash here leaves the old target or the new one.
  if (::rename(temp.c_str(), target.c_str()) != 0) return false;
  // The rename itself is durable only once the folder is synced.
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

void removeFileQuietly(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}

bool writeWholeFile(const std::filesystem::path& path, std::string_view bytes) {
  OpenFile file(std::fopen(path.c_str(), "wb"));
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  return std::fclose(file.release()) == 0 && written;
}

}  // namespace coinest
