#include "support/file_checks.h"

#include <sys/stat.h>

#include <system_error>

namespace coinest::testing {

mode_t modeOf(const std::filesystem::path& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return 0;
  return info.st_mode & 07777;
}

std::set<std::string> namesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

UmaskGuard::UmaskGuard(mode_t mask) : old_(::umask(mask)) {}
UmaskGuard::~UmaskGuard() { ::umask(old_); }

}  // namespace coinest::testing
