// coinest-install with the built library on a device root: what the user reads, what is left in
// the root, and how it refuses a library it cannot use.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace {

using coinest::testing::TempDir;

struct InstallerRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string contentOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

// Runs coinest-install with `args`, its output caught in files of `scratch`.
InstallerRun runInstaller(const std::filesystem::path& scratch, std::vector<std::string> args) {
  args.insert(args.begin(), COINEST_INSTALL_PROGRAM);
  const std::filesystem::path out = scratch / "stdout";
  const std::filesystem::path err = scratch / "stderr";
  const pid_t child = ::fork();
  if (child == 0) {
    const int outFd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (outFd < 0 || errFd < 0 || ::dup2(outFd, 1) < 0 || ::dup2(errFd, 2) < 0) ::_exit(127);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    ::unsetenv("COINEST_ROOT");
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  InstallerRun run;
  int status = 0;
  if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)) run.status = WEXITSTATUS(status);
  run.out = contentOf(out);
  run.err = contentOf(err);
  return run;
}

class InstallerTest : public ::testing::Test {
 protected:
  InstallerRun install(std::vector<std::string> options = {}) {
    options.insert(options.end(), {"--root", root.path().string(), "install", "\\Program Files\\Coinest"});
    return runInstaller(scratch.path(), options);
  }
  InstallerRun uninstall(std::vector<std::string> options = {}) {
    options.insert(options.end(), {"--root", root.path().string(), "uninstall"});
    return runInstaller(scratch.path(), options);
  }

  TempDir root;
  TempDir scratch;
  const std::filesystem::path shortcut = root / "Windows/Start Menu/Programs/Brivanta 가계부.lnk";
  const std::filesystem::path restart = root / "restart-requested";
};

TEST_F(InstallerTest, InstallAndUninstallMakeAndRemoveTheShortcutTellAndAskForARestart) {
  const InstallerRun installed = install();
  EXPECT_EQ(installed.status, 0) << installed.err;
  EXPECT_EQ(installed.out, "Brivanta 가계부가 설치되었습니다.\n");
  EXPECT_EQ(installed.err, "");
  EXPECT_EQ(contentOf(shortcut), "36#\"\\Program Files\\Coinest\\Coinest.exe\"");
  EXPECT_TRUE(std::filesystem::is_regular_file(restart));

  std::filesystem::remove(restart);
  const InstallerRun removed = uninstall();
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
    for (const InstallerRun& run : {install({"--library", c.library}), uninstall({"--library", c.library})}) {
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
