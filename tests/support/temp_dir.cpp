#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

namespace coinest::testing {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "coinest-test-XXXXXX").string();
  char* made = mkdtemp(pattern.data());
  if (made == nullptr) {
    ADD_FAILURE() << "cannot create a temporary folder";
    return;
  }
  path_ = made;
}

TempDir::~TempDir() {
  std::error_code ec;
  if (!path_.empty()) std::filesystem::remove_all(path_, ec);
}

}  // namespace coinest::testing
