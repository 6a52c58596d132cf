#include "platform/file_target.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <system_error>
#include <utility>

#include "platform/device_root.h"
#include "platform/durable_file.h"

namespace coinest {

namespace {

namespace fs = std::filesystem;

// The identity of a file, whatever its names.
struct FileId {
  dev_t device = 0;
  ino_t inode = 0;
  bool operator==(const FileId&) const = default;
};

std::optional<FileId> idOf(const fs::path& path, bool followLink) {
  struct stat info {};
  const int failed = followLink ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info);
  if (failed != 0) return std::nullopt;
  return FileId{info.st_dev, info.st_ino};
}

// The path below `root` that `path` names, or nothing when it does not lie inside it.
std::optional<fs::path> belowRoot(const fs::path& root, const fs::path& path) {
  const fs::path relative = path.lexically_normal().lexically_relative(root.lexically_normal());
  if (relative.empty() || relative == "." || *relative.begin() == "..") return std::nullopt;
  return relative;
}

bool isOneOf(std::span<const std::string_view> names, const fs::path& name) {
  return std::find(names.begin(), names.end(), name.string()) != names.end();
}

// Whether a file named `name` in the folder `folder` (made or not) is one the program keeps under the
// root: one of its names in the root itself, or anything in one of its folders there. The real
// folder (every link followed) and its parents are compared with the root by identity, so no
// spelling of the path (a link, "..", a bind mount) hides the root.
bool programPlace(const FileId& root, const fs::path& folder, const fs::path& name) {
  std::error_code ec;
  // Folders not made yet are taken by name: the parts that are there decide.
  const fs::path real = fs::weakly_canonical(fs::absolute(folder, ec), ec);
  if (ec) return false;
  fs::path below;  // the first folder under the root on the way down to `real`
  for (fs::path at = real;; at = at.parent_path()) {
    if (idOf(at, true) == root) {
      if (below.empty()) return isOneOf(programFileNames(), name) || isOneOf(programFolderNames(), name);
      return isOneOf(programFolderNames(), below);
    }
    if (at == at.parent_path()) return false;
    below = at.filename();
  }
}

// Whether the file of identity `file` is one the program keeps under `root`, under any name.
bool keptUnderRoot(const fs::path& root, const FileId& file) {
  for (std::string_view name : programFileNames()) {
    if (idOf(root / name, false) == file) return true;
  }
  for (std::string_view name : programFolderNames()) {
    std::error_code ec;
    // Links inside are not walked into: only what the program itself keeps there counts.
    for (fs::recursive_directory_iterator it(root / name, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
      if (idOf(it->path(), false) == file) return true;
    }
  }
  return false;
}

Status refused(std::string reason) { return Status::failure(std::move(reason)); }

}  // namespace

FileTarget::FileTarget(Kind kind, fs::path root, fs::path file)
    : kind_(kind), root_(std::move(root)), file_(std::move(file)) {}

FileTarget FileTarget::inRoot(fs::path root, fs::path file) {
  return FileTarget(Kind::InRoot, std::move(root), std::move(file));
}

FileTarget FileTarget::userNamed(fs::path root, fs::path file) {
  return FileTarget(Kind::UserNamed, std::move(root), std::move(file));
}

Status FileTarget::check() const {
  return kind_ == Kind::InRoot ? checkNoLinkBelowRoot(root_, file_) : bookFileRefusal(root_, file_);
}

Status checkNoLinkBelowRoot(const fs::path& root, const fs::path& path) {
  const std::optional<fs::path> relative = belowRoot(root, path);
  if (!relative) return refused(path.string() + ": lies outside the device root " + root.string());
  fs::path folder = root;
  for (auto part = relative->begin(); part != relative->end(); ++part) {
    if (std::next(part) == relative->end()) break;  // the file itself
    folder /= *part;
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0) {
      if (errno == ENOENT) return {};
      return fileFailure("cannot examine " + folder.string(), errno);
    }
    if (S_ISLNK(info.st_mode)) {
      return refused(folder.string() + ": is a symbolic link; nothing in the device root is reached through a link");
    }
    if (!S_ISDIR(info.st_mode)) return fileFailure("cannot use " + folder.string(), ENOTDIR);
  }
  return {};
}

Status checkFolderReachedWithoutLink(const fs::path& root, const fs::path& folder) {
  // "folder/." makes the folder itself one of the folders on the way.
  return checkNoLinkBelowRoot(root, folder / ".");
}

Status createPrivateFoldersInRoot(const fs::path& root, const fs::path& folder) {
  const std::optional<fs::path> relative = belowRoot(root, folder);
  if (!relative) return refused(folder.string() + ": lies outside the device root " + root.string());
  fs::path made = root;
  for (const fs::path& part : *relative) {
    if (part.empty()) continue;  // after a trailing slash
    made /= part;
    struct stat info {};
    if (::lstat(made.c_str(), &info) == 0) {
      if (S_ISLNK(info.st_mode)) {
        return refused(made.string() + ": is a symbolic link; nothing in the device root is reached through a link");
      }
      if (!S_ISDIR(info.st_mode)) return fileFailure("cannot create " + made.string(), ENOTDIR);
      continue;
    }
    if (::mkdir(made.c_str(), kPrivateFolderMode) != 0 && errno != EEXIST) {
      return fileFailure("cannot create " + made.string(), errno);
    }
    // Made by someone else meanwhile: fine only when it is a real folder.
    if (::lstat(made.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
      return fileFailure("cannot create " + made.string(), ENOTDIR);
    }
    // The umask may have taken bits off, leaving a folder we cannot use.
    if (::chmod(made.c_str(), kPrivateFolderMode) != 0) {
      return fileFailure("cannot set the mode of " + made.string(), errno);
    }
  }
  return {};
}

Status bookFileRefusal(const fs::path& root, const fs::path& file) {
  const std::optional<FileId> rootId = idOf(root, true);
  if (!rootId) return {};  // no root, no book to keep safe
  const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
  const std::string refusal = file.string() + ": 가계부가 쓰는 파일이므로 저장할 수 없습니다. 다른 파일을 고르십시오.";
  if (programPlace(*rootId, folder, file.filename())) return refused(refusal);
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0) return {};  // a new file (or a link to nothing) elsewhere
  // A link's target is where the bytes would have gone, had it been followed.
  std::error_code ec;
  if (const fs::path real = fs::canonical(file, ec); !ec && programPlace(*rootId, real.parent_path(), real.filename())) {
    return refused(refusal);
  }
  // Another name of one of the book's files (a hard link) has more than one link.
  if (S_ISREG(info.st_mode) && info.st_nlink > 1 && keptUnderRoot(root, FileId{info.st_dev, info.st_ino})) {
    return refused(refusal);
  }
  return {};
}

}  // namespace coinest
