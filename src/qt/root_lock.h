#pragma once

// The lock that makes one running copy per device root: an advisory lock (flock) on the file
// `coinest.lock` in the root, held for as long as the copy runs. The system drops it when the
// process ends, however it ends, so a copy that died leaves no lock to judge stale.
//
// The file is opened without following a link and must be a regular file of this user's: a link,
// FIFO, folder or another user's file at its name is refused and left as it is, so nothing outside
// the root is ever created or written through it. A file it creates is 0600 whatever the umask.

#include <filesystem>
#include <string>

#include "platform/file_descriptor.h"

namespace coinest::qt {

enum class RootLockOutcome {
  Held,     // this copy holds the lock now
  Busy,     // another copy holds it
  Refused,  // the lock file cannot be used (see the reason)
};

struct RootLockResult {
  RootLockOutcome outcome = RootLockOutcome::Refused;
  std::string reason;  // when Refused: the path and why, one line
};

class RootLock {
 public:
  // The lock file of `root`.
  static std::filesystem::path lockFile(const std::filesystem::path& root);

  explicit RootLock(std::filesystem::path file) : file_(std::move(file)) {}

  // Takes the lock without waiting. Once Held, later calls return Held again.
  RootLockResult tryLock();

 private:
  std::filesystem::path file_;
  FileDescriptor fd_;  // open and locked when held
};

}  // namespace coinest::qt
