// coinest-install with the built library on a device root: what the user reads, what is left in
// the root, and how it refuses a library it cannot use.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace {

using coinest::testing::CliRun;
using coinest::testing::readFileBytes;
using coinest::testing::runProgram;
using coinest::testing::TempDir;

// Runs coinest-install with `args`; what it prints is caught under `scratch`.
CliRun runInstaller(const std::filesystem::path& scratch, const std::vector<std::string>& args) {
  return runProgram(COINEST_INSTALL_PROGRAM, args, scratch);
}

class InstallerTest : public ::testing::Test {
 protected:
  CliRun install(std::vector<std::string> options = {}) {
    options.insert(options.end(), {"--root", root.path().string(), "install", "\\Program Files\\Coinest"});
    return runInstaller(scratch.path(), options);
  }
  CliRun uninstall(std::vector<std::string> options = {}) {
    options.insert(options.end(), {"--root", root.path().string(), "uninstall"});
    return runInstaller(scratch.path(), options);
  }

  TempDir root;
  TempDir scratch;
  const std::filesystem::path shortcut = root / "Windows/Start Menu/Programs/Brivanta 가계부.lnk";
  const std::filesystem::path restart = root / "restart-requested";
};

TEST_F(InstallerTest, InstallAndUninstallMakeAndRemoveTheShortcutTellAndAskForARestart) {
  const CliRun installed = install();
  EXPECT_EQ(installed.status, 0) << installed.err;
  EXPECT_EQ(installed.out, "Brivanta 가계부가 설치되었습니다.\n");
  EXPECT_EQ(installed.err, "");
  EXPECT_EQ(readFileBytes(shortcut), "36#\"\\Program Files\\Coinest\\Coinest.exe\"");
  EXPECT_TRUE(std::filesystem::is_regular_file(restart));

  std::filesystem::remove(restart);
  const CliRun removed = uninstall();
  EXPECT_EQ(removed.status, 0) << removed.err;
  EXPECT_EQ(removed.out, "Brivanta 가계부가 제거되었습니다.\n");
  EXPECT_FALSE(std::filesystem::exists(shortcut));
  EXPECT_TRUE(std::filesystem::is_regular_file(restart));
}

TEST_F(InstallerTest, ALibraryItCannotUseStopsItBeforeAnyHookRuns) {
  const struct {
    std::string library;
    std::string error;
  } cases[] = {
      {(scratch / "missing.so").string(), "cannot load the install library"},
      {COINEST_INCOMPLETE_HOOKS_LIBRARY, "has no hook Uninstall_Exit"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.library);
    for (const CliRun& run : {install({"--library", c.library}), uninstall({"--library", c.library})}) {
      EXPECT_EQ(run.status, 1);
      EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
      EXPECT_EQ(run.out, "");  // no hook was called
    }
  }
  EXPECT_TRUE(std::filesystem::is_empty(root.path()));
}

TEST_F(InstallerTest, WrongUsageExitsTwo) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{}, {"install"}, {"--root", "", "uninstall"}}) {
    EXPECT_EQ(runInstaller(scratch.path(), args).status, 2);
  }
  EXPECT_TRUE(std::filesystem::is_empty(root.path()));
}

}  // namespace
