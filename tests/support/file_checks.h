#pragma once

// What the tests of files look at: a file's mode, the names in a folder, and a umask that holds
// for one test.

#include <sys/types.h>

#include <filesystem>
#include <set>
#include <string>

namespace coinest::testing {

// The permission bits of `path` itself (a link is not followed); 0 when there is nothing.
mode_t modeOf(const std::filesystem::path& path);

// The names in `folder`, hidden ones too; empty when it cannot be listed.
std::set<std::string> namesIn(const std::filesystem::path& folder);

// Sets the umask for as long as it lives.
class UmaskGuard {
 public:
  explicit UmaskGuard(mode_t mask);
  ~UmaskGuard();
  UmaskGuard(const UmaskGuard&) = delete;
  UmaskGuard& operator=(const UmaskGuard&) = delete;

 private:
  mode_t old_;
};

}  // namespace coinest::testing
