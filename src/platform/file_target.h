#pragma once

// Where the program may write a file. Every writer of a file names its target as one of two kinds,
// so no writer can forget the rule that keeps the book safe from it:
//
// - a file the program keeps under its device root (the initialisation file, the registry, change
//   files, markers): inside the root, and reached without a link. A link planted on the way (at
//   `Windows` or `Windows/Activesync`, say) is refused, never followed, so nothing lands outside the
//   root;
// - a file the user named (a backup, an export, a picture): never one of the book's own. What
//   the path resolves to is refused when it is one of the program's names in the root (the book,
//   its -wal, -shm and journal, the lock, the registry: programFileNames) or lies in one of its
//   folders there (Windows, safety, run), and so is the same file as one of those under another
//   name (a link, a hard link): folders and files are compared by device and inode, not by the
//   text of the path. The rest of the root is the device's storage, where the user may keep files
//   of their own (a backup in "My Documents", say).
//
// The rule is checked when the file is opened and again just before it replaces its target.

#include <filesystem>

#include "platform/file_result.h"

namespace coinest {

class FileTarget {
 public:
  // A file the program keeps under `root`. `file` must lie inside `root` (lexically).
  static FileTarget inRoot(std::filesystem::path root, std::filesystem::path file);
  // A file the user named while the book under `root` is open.
  static FileTarget userNamed(std::filesystem::path root, std::filesystem::path file);

  const std::filesystem::path& file() const { return file_; }
  const std::filesystem::path& root() const { return root_; }

  // Ok when the file may be written now; else why not (naming the file).
  Status check() const;

 private:
  enum class Kind { InRoot, UserNamed };
  FileTarget(Kind kind, std::filesystem::path root, std::filesystem::path file);

  Kind kind_;
  std::filesystem::path root_;
  std::filesystem::path file_;
};

// Ok when `path` lies inside `root` and each folder between them is a real folder, not a link
// (folders not made yet are fine: nothing can be reached through them). The last component
// itself is not looked at.
Status checkNoLinkBelowRoot(const std::filesystem::path& root, const std::filesystem::path& path);

// Ok when the folder `folder` itself and every folder between it and `root` are real folders.
Status checkFolderReachedWithoutLink(const std::filesystem::path& root, const std::filesystem::path& folder);

// Creates `folder` (inside `root`) and its missing parents below the root with mode 0700 whatever
// the umask, refusing a link or a file on the way. The root itself must exist.
Status createPrivateFoldersInRoot(const std::filesystem::path& root, const std::filesystem::path& folder);

// The refusal of a user-named `file` that is one of the book's own files under `root`, or ok.
Status bookFileRefusal(const std::filesystem::path& root, const std::filesystem::path& file);

}  // namespace coinest
