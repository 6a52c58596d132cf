#include "qt/instance_socket.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCryptographicHash>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/durable_file.h"
#include "platform/file_descriptor.h"

namespace coinest::qt {
namespace {

// A socket's path must fit the address with its terminating NUL.
constexpr std::size_t kMaxSocketPath = sizeof(sockaddr_un::sun_path) - 1;
constexpr char kRunFolder[] = "run";
constexpr char kRootSocketName[] = "coinest.socket";

std::string failed(const std::string& what, int error) { return what + ": " + std::strerror(error); }

// The runtime folder is the user's choice, so a link there is followed; what it names must be a
// folder of the user's that nobody else may enter.
bool isPrivateRuntimeDir(const std::string& runtimeDir) {
  if (runtimeDir.empty() || runtimeDir.front() != '/') return false;
  struct stat info {};
  if (::stat(runtimeDir.c_str(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

// Several roots share the runtime folder: the name says which root the socket serves.
std::string runtimeSocketName(const std::filesystem::path& root) {
  const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(root.string()), QCryptographicHash::Sha256);
  return "coinest-" + hash.toHex().left(24).toStdString() + ".socket";
}

// `<root>/run`, created 0700 or made so; a link, a file or another user's folder there is refused.
std::string prepareRunFolder(const std::filesystem::path& folder) {
  if (::mkdir(folder.c_str(), kPrivateFolderMode) != 0) {
    const int error = errno;
    if (error != EEXIST) return failed("cannot create " + folder.string(), error);
  }
  FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (!fd) {
    const int error = errno;
    if (error == ELOOP) return folder.string() + " is a link: refused";
    if (error == ENOTDIR) return folder.string() + " is not a folder: refused";
    return failed("cannot open " + folder.string(), error);
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) {
    const int error = errno;
    return failed("cannot read " + folder.string(), error);
  }
  if (info.st_uid != ::getuid()) return folder.string() + " belongs to another user: refused";
  // The umask may have taken bits off a new folder; an old one may be open to others.
  if ((info.st_mode & 07777) != kPrivateFolderMode && ::fchmod(fd.get(), kPrivateFolderMode) != 0) {
    const int error = errno;
    return failed("cannot set the mode of " + folder.string(), error);
  }
  return {};
}

}  // namespace

std::string runtimeDirFromEnvironment() {
  const char* value = std::getenv("XDG_RUNTIME_DIR");
  return value ? value : "";
}

SocketPlace prepareSocketPlace(const std::filesystem::path& root, const std::string& runtimeDir) {
  if (isPrivateRuntimeDir(runtimeDir)) {
    std::filesystem::path path = std::filesystem::path(runtimeDir) / runtimeSocketName(root);
    if (path.string().size() <= kMaxSocketPath) return {path, {}};
  }
  const std::filesystem::path folder = root / kRunFolder;
  if (std::string refused = prepareRunFolder(folder); !refused.empty()) return {{}, refused};
  std::filesystem::path path = folder / kRootSocketName;
  if (path.string().size() > kMaxSocketPath) return {{}, "the socket path " + path.string() + " is too long"};
  return {path, {}};
}

SocketFileCheck checkSocketFile(const std::filesystem::path& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) {
    const int error = errno;
    if (error == ENOENT) return {SocketFileState::Missing, {}};
    return {SocketFileState::Refused, failed("cannot examine " + path.string(), error)};
  }
  if (!S_ISSOCK(info.st_mode)) return {SocketFileState::Refused, path.string() + " is not a socket"};
  if (info.st_uid != ::getuid()) return {SocketFileState::Refused, path.string() + " is another user's socket"};
  return {SocketFileState::Own, {}};
}

}  // namespace coinest::qt
