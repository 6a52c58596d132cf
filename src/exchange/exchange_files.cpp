#include "exchange/exchange_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

namespace coinest {

namespace {

std::string errnoText(int error) { return std::strerror(error); }

}  // namespace

IncomingFile readIncomingFile(const std::filesystem::path& file, std::size_t maxBytes) {
  IncomingFile result;
  // O_NONBLOCK: a FIFO planted in the folder must not hang the program on open.
  const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return result;
    result.state = IncomingFile::State::Refused;
    result.reason = file.string() + ": " + (errno == ELOOP ? std::string("is a link") : errnoText(errno));
    return result;
  }
  result.state = IncomingFile::State::Refused;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    result.reason = file.string() + ": is not a regular file";
    ::close(fd);
    return result;
  }
  std::string bytes(maxBytes + 1, '\0');  // one more, to see a file that is too large
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (n > 0) {
      got += static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n < 0) {
      result.reason = file.string() + ": " + errnoText(errno);
      ::close(fd);
      return result;
    } else {
      break;
    }
  }
  ::close(fd);
  if (got > maxBytes) {
    result.reason = file.string() + ": is larger than " + std::to_string(maxBytes) + " bytes";
    return result;
  }
  bytes.resize(got);
  result.state = IncomingFile::State::Read;
  result.bytes = std::move(bytes);
  return result;
}

Status removeExchangeFile(const std::filesystem::path& file) {
  if (::unlink(file.c_str()) == 0 || errno == ENOENT) return Status::ok();
  return Status::failure(file.string() + " cannot be deleted (" + errnoText(errno) + ")");
}

Status removeChangeFiles(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> doomed;
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, ec);
  if (ec && ec != std::errc::no_such_file_or_directory) {
    return Status::failure(folder.string() + " cannot be read (" + ec.message() + ")");
  }
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    std::error_code statusError;
    if (it->symlink_status(statusError).type() != std::filesystem::file_type::regular) continue;
    const std::string name = it->path().filename().string();
    if (name.ends_with("._pd_") || name.ends_with("._pc_")) doomed.push_back(it->path());
  }
  Status first = Status::ok();
  for (const std::filesystem::path& file : doomed) {
    Status removed = removeExchangeFile(file);
    if (!removed && first) first = removed;
  }
  return first;
}

}  // namespace coinest
