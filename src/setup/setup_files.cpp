#include "setup/setup_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace coinest::setup {

namespace {

const char* nonEmptyEnv(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : nullptr;
}

SetupFileResult failure(std::string_view what, const std::filesystem::path& path, int error) {
  return {false, std::string(what) + " " + path.string() + ": " + std::strerror(error)};
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Without this a crash after the rename could lose the new name.
bool syncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

}  // namespace

std::filesystem::path deviceRoot() {
  if (const char* root = nonEmptyEnv("COINEST_ROOT")) return root;
  // A relative XDG_DATA_HOME is invalid by the XDG rules and is ignored.
  if (const char* data = nonEmptyEnv("XDG_DATA_HOME"); data != nullptr && data[0] == '/') {
    return std::filesystem::path(data) / "coinest";
  }
  if (const char* home = nonEmptyEnv("HOME")) return std::filesystem::path(home) / ".local" / "share" / "coinest";
  return {};
}

std::filesystem::path underRoot(const std::filesystem::path& root, std::string_view devicePath) {
  std::filesystem::path result = root;
  std::size_t start = devicePath.starts_with('\\') ? 1 : 0;
  while (start <= devicePath.size()) {
    const std::size_t end = devicePath.find('\\', start);
    const std::string_view part = devicePath.substr(start, end == std::string_view::npos ? end : end - start);
    if (!part.empty()) result /= std::string(part);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return result;
}

SetupFileResult makePrivateFolders(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> missing;
  for (std::filesystem::path at = folder; !at.empty(); at = at.parent_path()) {
    struct stat info {};
    if (::lstat(at.c_str(), &info) == 0) break;
    if (errno != ENOENT) return failure("cannot examine", at, errno);
    missing.push_back(at);
    if (at == at.parent_path()) break;
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
    if (::mkdir(it->c_str(), 0700) != 0 && errno != EEXIST) return failure("cannot create the folder", *it, errno);
    // mkdir's mode passes through the umask; the folder is to be the user's alone.
    if (::chmod(it->c_str(), 0700) != 0) return failure("cannot set the mode of", *it, errno);
  }
  return {};
}

SetupFileResult replaceFile(const std::filesystem::path& target, std::string_view content) {
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  if (SetupFileResult made = makePrivateFolders(folder); !made.ok) return made;

  std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  // mkstemp creates the file exclusively (never through a link) with mode 0600.
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return failure("cannot create a file in", folder, errno);
  const bool written = writeAll(fd, content) && ::fsync(fd) == 0;
  const int writeError = errno;
  ::close(fd);
  if (!written) {
    ::unlink(temp.c_str());
    return failure("cannot write", target, writeError);
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    const int renameError = errno;
    ::unlink(temp.c_str());
    return failure("cannot put in place", target, renameError);
  }
  if (!syncFolder(folder)) return failure("cannot sync the folder", folder, errno);
  return {};
}

SetupFileResult removeFile(const std::filesystem::path& target) {
  if (::unlink(target.c_str()) != 0 && errno != ENOENT) return failure("cannot delete", target, errno);
  return {};
}

}  // namespace coinest::setup
