// Durable replacement of files, and the reading of files from outside.
//
// Invariants of a FileReplacement:
//   1. The target changes in exactly one step, the rename in commit(): before it the target is
//      the old file, after it the complete new one.
//   2. The new file's bytes are synced before it gets any name, and the folder is synced after
//      the rename, so a power cut never leaves a target that is short, empty or gone.
//   3. Until the moment before the rename the new file has no name (O_TMPFILE); where the file
//      system cannot do that, its temporary name is one we created exclusively. Either way a
//      name we did not create is never opened for writing, and no link is ever followed.
//   4. A replacement that did not commit leaves nothing: an unnamed file vanishes with its
//      descriptor, a named one is removed.
//
//   open()                 commit()
//   ──> unnamed (or named temp) ──sync──> temp name ──rename──> target ──sync folder──> done

#include "platform/durable_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <random>
#include <system_error>
#include <utility>

namespace coinest {

namespace {

// Attempts at a free hidden name; each taken one costs another random name.
constexpr int kNameAttempts = 100;

std::filesystem::path folderOf(const std::filesystem::path& file) {
  std::filesystem::path folder = file.parent_path();
  return folder.empty() ? std::filesystem::path(".") : folder;
}

// Six random letters. The names need not be secret: a taken name (by chance or planted) is never
// opened, it only costs another try.
std::string randomLetters() {
  static constexpr std::string_view kAlphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  static std::mt19937_64 generator(
      static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
      (static_cast<uint64_t>(::getpid()) << 32));
  std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
  std::string letters;
  for (int i = 0; i < 6; ++i) letters += kAlphabet[pick(generator)];
  return letters;
}

// ".NAME.xxxxxx": hidden, and never ending as the target or any file the program looks for does.
std::filesystem::path hiddenTempName(const std::filesystem::path& target) {
  return folderOf(target) / ("." + target.filename().string() + "." + randomLetters());
}

// Gives the unnamed file behind `fd` the name `name`; 0 or the error number. linkat never
// replaces and never follows what is at `name`: anything there gives EEXIST.
int linkUnnamed(int fd, const std::filesystem::path& name) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
  const int error = errno;
  std::error_code ec;
  if (error != ENOENT || std::filesystem::exists("/proc/self", ec)) return error;
  // Without /proc only the descriptor itself can be linked, which takes a privilege.
  return ::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0 ? 0 : errno;
}

// Creates `name` as a new file; 0 or the error number (EEXIST when anything, a link too, is there).
int createExclusive(const std::filesystem::path& name, FileDescriptor& fd) {
  fd = FileDescriptor(::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kPrivateFileMode));
  return fd ? 0 : errno;
}

std::string kindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a regular file";
}

}  // namespace

Status syncFolder(const std::filesystem::path& folder) {
  FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!fd || ::fsync(fd.get()) != 0) return fileFailure("cannot sync the folder " + folder.string(), errno);
  return {};
}

FileReplacement::FileReplacement(FileTarget target, std::filesystem::path tempPath)
    : rule_(std::move(target)), target_(rule_.file()), fixedTemp_(std::move(tempPath)) {}

FileReplacement::~FileReplacement() {
  if (stream_ != nullptr) std::fclose(stream_);
  if (!named_.empty()) ::unlink(named_.c_str());
}

Status FileReplacement::open() {
  if (Status allowed = rule_.check(); !allowed) return allowed;
  const std::filesystem::path folder = folderOf(target_);
  FileDescriptor fd(::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, kPrivateFileMode));
  if (!fd) {
    const int error = errno;
    // Older kernels and some file systems (network, FUSE) make no unnamed files.
    if (error != EOPNOTSUPP && error != EISDIR && error != EINVAL) {
      return fileFailure("cannot create a file in " + folder.string(), error);
    }
    if (Status named = takeTempName([&](const std::filesystem::path& name) { return createExclusive(name, fd); });
        !named) {
      return named;
    }
  }
  // The umask may have taken bits off and a default ACL may have added some.
  if (::fchmod(fd.get(), kPrivateFileMode) != 0) return fileFailure("cannot set the mode of a new file", errno);
  stream_ = ::fdopen(fd.get(), "w+b");
  if (stream_ == nullptr) return fileFailure("cannot open a new file", errno);
  fd.release();
  return {};
}

Status FileReplacement::takeTempName(const std::function<int(const std::filesystem::path&)>& place) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    const std::filesystem::path name = fixedTemp_.empty() ? hiddenTempName(target_) : fixedTemp_;
    const int failed = place(name);
    if (failed == 0) {
      named_ = name;
      return {};
    }
    if (failed != EEXIST) return fileFailure("cannot create " + name.string(), failed);
    // A fixed name already taken (a leftover of a killed run, or a planted link) is cleared:
    // unlink removes the entry itself, never what a link points to.
    if (!fixedTemp_.empty() && ::unlink(name.c_str()) != 0 && errno != ENOENT) {
      return fileFailure("cannot remove " + name.string(), errno);
    }
  }
  return fileFailure("cannot name a new file next to " + target_.string(), EEXIST);
}

Status FileReplacement::commit(FolderSync folderSync) {
  if (stream_ == nullptr) return fileFailure("cannot write " + target_.string(), EBADF);
  if (std::fflush(stream_) != 0) return fileFailure("cannot write " + target_.string(), errno);
  // Guards against a power cut just after the rename: unsynced bytes could leave the target
  // naming a file that is short or empty.
  if (::fsync(::fileno(stream_)) != 0) return fileFailure("cannot sync " + target_.string(), errno);
  if (named_.empty()) {
    // Named only now, so that a kill during the long write leaves no file behind.
    const int fd = ::fileno(stream_);
    if (Status named = takeTempName([fd](const std::filesystem::path& name) { return linkUnnamed(fd, name); });
        !named) {
      return named;
    }
  }
  const int closed = std::fclose(std::exchange(stream_, nullptr));
  if (closed != 0) return fileFailure("cannot write " + target_.string(), errno);
  // Once more at the last moment: a long write (a backup) gives time for the target's name to be
  // made to point at the book.
  if (Status allowed = rule_.check(); !allowed) return allowed;
  // The one step that changes the target: a crash before it leaves the old file, after it the
  // new one. A link at the target is itself replaced; what it points to is not touched.
  if (::rename(named_.c_str(), target_.c_str()) != 0) return fileFailure("cannot replace " + target_.string(), errno);
  named_.clear();
  // Guards against a power cut after the rename: until the folder is synced the rename itself may
  // be lost, bringing the old file (or none) back. A caller writing many files syncs it once.
  return folderSync == FolderSync::Now ? syncFolder(folderOf(target_)) : Status::ok();
}

Status replaceFileDurably(const FileTarget& target, std::string_view bytes, FolderSync folderSync) {
  FileReplacement file(target);
  if (Status opened = file.open(); !opened) return opened;
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.stream()) != bytes.size()) {
    return fileFailure("cannot write " + target.file().string(), errno);
  }
  return file.commit(folderSync);
}

RegularFileOpen openRegularFile(const std::filesystem::path& file) {
  RegularFileOpen opened;
  // O_NOFOLLOW refuses a link instead of following it; O_NONBLOCK makes the open of a FIFO return
  // at once instead of waiting for a writer (on a regular file it changes nothing).
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!fd) {
    const int error = errno;
    if (error == ELOOP) {
      opened.status = FileStatus::NotRegular;
      opened.reason = file.string() + ": is a symbolic link, not a regular file";
    } else {
      opened.status = error == ENOENT ? FileStatus::Missing : FileStatus::Failed;
      opened.reason = fileFailure(file.string(), error).reason();
    }
    return opened;
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) {
    opened.reason = fileFailure(file.string(), errno).reason();
    return opened;
  }
  if (!S_ISREG(info.st_mode)) {
    opened.status = FileStatus::NotRegular;
    opened.reason = file.string() + ": is " + kindOf(info.st_mode) + ", not a regular file";
    return opened;
  }
  opened.status = FileStatus::Ok;
  opened.fd = std::move(fd);
  return opened;
}

RegularFileRead readRegularFile(const std::filesystem::path& file, std::size_t maxBytes) {
  RegularFileRead read;
  RegularFileOpen opened = openRegularFile(file);
  if (opened.status != FileStatus::Ok) {
    read.status = opened.status;
    read.reason = std::move(opened.reason);
    return read;
  }
  // One byte past the limit tells a file that is too large, whatever its size said at the open.
  std::string bytes(maxBytes + 1, '\0');
  std::size_t total = 0;
  while (total < bytes.size()) {
    const ssize_t n = ::read(opened.fd.get(), bytes.data() + total, bytes.size() - total);
    if (n < 0) {
      if (errno == EINTR) continue;
      read.reason = fileFailure(file.string(), errno).reason();
      return read;
    }
    if (n == 0) break;
    total += static_cast<std::size_t>(n);
  }
  if (total > maxBytes) {
    read.status = FileStatus::TooLarge;
    read.reason = file.string() + ": is larger than " + std::to_string(maxBytes) + " bytes";
    return read;
  }
  bytes.resize(total);
  read.status = FileStatus::Ok;
  read.bytes = std::move(bytes);
  return read;
}

Status createPrivateFileIfMissing(const std::filesystem::path& file) {
  FileDescriptor fd;
  const int failed = createExclusive(file, fd);
  if (failed == EEXIST) return {};
  if (failed != 0) return fileFailure("cannot create " + file.string(), failed);
  if (::fchmod(fd.get(), kPrivateFileMode) != 0) {
    const int error = errno;
    ::unlink(file.c_str());
    return fileFailure("cannot set the mode of " + file.string(), error);
  }
  return {};
}

Status createPrivateFolders(const std::filesystem::path& folder) {
  std::filesystem::path made;
  for (const std::filesystem::path& part : folder) {
    if (part.empty()) continue;  // after a trailing slash
    made /= part;
    struct stat info {};
    if (::stat(made.c_str(), &info) == 0) {
      if (!S_ISDIR(info.st_mode)) return fileFailure("cannot create " + made.string(), ENOTDIR);
      continue;
    }
    if (::mkdir(made.c_str(), kPrivateFolderMode) != 0) {
      const int error = errno;
      // Made by someone else meanwhile: fine when it is a folder.
      if (error == EEXIST && ::stat(made.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) continue;
      return fileFailure("cannot create " + made.string(), error);
    }
    // The umask may have taken bits off, leaving a folder we cannot use.
    if (::chmod(made.c_str(), kPrivateFolderMode) != 0) return fileFailure("cannot set the mode of " + made.string(), errno);
  }
  return {};
}

}  // namespace coinest
