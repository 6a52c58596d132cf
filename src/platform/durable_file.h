#pragma once

// The one way the program writes a file, and the one way it opens a file someone else may have
// put in its place.
//
// A written file is never seen half-written, survives a crash or power cut once the write has
// returned, is the user's alone (mode 0600 whatever the umask) and follows no link: the new bytes
// go into a file nobody else can see, are synced, and only then is that file renamed over the
// target. The rename replaces whatever the target name held (a file, a link: never what a link
// points to).
//
// A read file is a regular file of bounded size: a link is refused rather than followed, and a
// FIFO, device or folder is refused at once instead of blocking or being read.

#include <sys/types.h>

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "platform/file_descriptor.h"
#include "platform/file_result.h"
#include "platform/file_target.h"

namespace coinest {

// Every file the program creates is 0600, every folder 0700.
inline constexpr mode_t kPrivateFileMode = 0600;
inline constexpr mode_t kPrivateFolderMode = 0700;

// A new file that is to replace `target`: written through stream(), then put in place by
// commit(). Until commit() has renamed it, the file has no name (an unnamed O_TMPFILE file in the
// target's folder), so a process killed at any moment leaves nothing behind. Where the file
// system cannot make an unnamed file, it is created at the temporary name instead, exclusively
// and without following a link.
// When the folder of a replaced file is synced: at once, or by the caller once for many files
// (syncFolder), before it relies on them being there after a power cut.
enum class FolderSync { Now, Deferred };

class FileReplacement {
 public:
  // `tempPath` is the name the file takes in the moment before the rename; it must be in the
  // target's folder. Empty: a hidden name made from the target's (".NAME.xxxxxx") not yet in use.
  // The target's rule (file_target.h) is checked by open() and again just before the rename.
  explicit FileReplacement(FileTarget target, std::filesystem::path tempPath = {});
  // Abandons the file unless commit() succeeded: nothing of it stays behind.
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Creates the new, empty file, mode 0600. A fixed temporary name that is already taken (a
  // leftover of a killed run, or a planted link) is removed, never followed.
  Status open();

  // The new file, open for reading and writing at its start; null unless open() succeeded.
  // Owned by this object: the caller neither closes it nor keeps it past commit().
  std::FILE* stream() const { return stream_; }

  // Flushes and syncs the file, gives it the temporary name, renames it over the target and
  // syncs the folder. On a failure before the rename the target is as it was and the new file is
  // gone; a failure of the last folder sync is reported although the target was already replaced.
  Status commit(FolderSync folderSync = FolderSync::Now);

 private:
  // Gives the new file its temporary name through `place` (0, or the error number); a hidden name
  // taken already costs another try.
  Status takeTempName(const std::function<int(const std::filesystem::path&)>& place);

  FileTarget rule_;
  std::filesystem::path target_;
  std::filesystem::path fixedTemp_;
  std::filesystem::path named_;  // the name the new file has now, if any: removed when abandoned
  std::FILE* stream_ = nullptr;
};

// Replaces `target` by a file holding exactly `bytes`, through a FileReplacement with a hidden
// temporary name. A failure leaves the target as it was and no temporary file.
Status replaceFileDurably(const FileTarget& target, std::string_view bytes,
                              FolderSync folderSync = FolderSync::Now);

// Syncs the folder, so that the renames made in it so far survive a power cut.
Status syncFolder(const std::filesystem::path& folder);

enum class FileStatus {
  Ok,
  Missing,     // no such file
  NotRegular,  // a link, folder, FIFO, device or socket: refused
  TooLarge,    // more bytes than the reader takes
  Failed,      // the system refused (see the reason)
};

struct RegularFileOpen {
  FileStatus status = FileStatus::Failed;
  FileDescriptor fd;   // open for reading when status is Ok
  std::string reason;  // when not Ok: the path and why
};

// Opens `file` for reading when it is a regular file; never follows a link in its last component
// and never blocks (a FIFO is refused at once).
RegularFileOpen openRegularFile(const std::filesystem::path& file);

struct RegularFileRead {
  FileStatus status = FileStatus::Failed;
  std::string bytes;   // the whole file when status is Ok
  std::string reason;  // when not Ok: the path and why
};

// The whole content of the regular file `file`, refused (TooLarge) when it holds more than
// `maxBytes` bytes, whatever its size said when it was opened.
RegularFileRead readRegularFile(const std::filesystem::path& file, std::size_t maxBytes);

// Creates `file` empty with mode 0600 when nothing has its name yet; leaves anything already
// there (a file, a link) as it is. For files another library fills in, such as the database.
Status createPrivateFileIfMissing(const std::filesystem::path& file);

// Creates `folder` and each of its missing parents with mode 0700 whatever the umask; folders
// that exist keep their mode. Fails when a part of the path is there but is not a folder.
Status createPrivateFolders(const std::filesystem::path& folder);

}  // namespace coinest
