#include "qt/root_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/durable_file.h"

namespace coinest::qt {
namespace {

RootLockResult refused(const std::filesystem::path& file, const std::string& why) {
  return {RootLockOutcome::Refused, "the lock file " + file.string() + " " + why};
}

RootLockResult failed(const std::filesystem::path& file, const std::string& what, int error) {
  return refused(file, what + ": " + std::strerror(error));
}

}  // namespace

std::filesystem::path RootLock::lockFile(const std::filesystem::path& root) { return root / "coinest.lock"; }

RootLockResult RootLock::tryLock() {
  if (fd_) return {RootLockOutcome::Held, {}};
  // O_NOFOLLOW: a link at the name fails (ELOOP) instead of creating or opening its target.
  // O_NONBLOCK: a FIFO at the name opens at once and is then refused as not a regular file.
  FileDescriptor fd(::open(file_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, kPrivateFileMode));
  if (!fd) {
    const int error = errno;
    if (error == ELOOP) return refused(file_, "is a link: refused (remove it to start)");
    return failed(file_, "cannot be opened", error);
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) {
    const int error = errno;
    return failed(file_, "cannot be read", error);
  }
  if (!S_ISREG(info.st_mode)) return refused(file_, "is not a regular file: refused (remove it to start)");
  if (info.st_uid != ::getuid()) return refused(file_, "belongs to another user: refused (remove it to start)");
  // The umask may have left other bits on a new file; an old one may carry a wider mode.
  if ((info.st_mode & 07777) != kPrivateFileMode && ::fchmod(fd.get(), kPrivateFileMode) != 0) {
    const int error = errno;
    return failed(file_, "cannot be made private", error);
  }
  if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    if (error == EWOULDBLOCK) return {RootLockOutcome::Busy, {}};
    return failed(file_, "cannot be locked", error);
  }
  fd_ = std::move(fd);
  return {RootLockOutcome::Held, {}};
}

}  // namespace coinest::qt
