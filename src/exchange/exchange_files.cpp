#include "exchange/exchange_files.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

namespace coinest {

namespace {

std::string errnoText(int error) { return std::strerror(error); }

}  // namespace

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
