// The four hooks as the installer calls them, with a host that records what the user would see.

#include "setup/install_hooks.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <string>
#include <vector>

#include "setup/setup_host.h"
#include "setup/start_menu_shortcut.h"
#include "support/cli_runner.h"
#include "support/file_checks.h"
#include "support/temp_dir.h"

namespace coinest::setup {
namespace {

using coinest::testing::modeOf;
using coinest::testing::readFileBytes;
using coinest::testing::TempDir;
using coinest::testing::UmaskGuard;

constexpr char kInstalled[] = "Brivanta 가계부가 설치되었습니다.";
constexpr char kRemoved[] = "Brivanta 가계부가 제거되었습니다.";

struct RecordingHost final : SetupHost {
  std::vector<std::string> messages;  // "caption|text"
  std::vector<std::filesystem::path> restarts;
  std::vector<std::string> problems;
  void showMessage(std::string_view caption, std::string_view text) override {
    messages.push_back(std::string(caption) + "|" + std::string(text));
  }
  void requestRestart(const std::filesystem::path& root) override { restarts.push_back(root); }
  void noteProblem(std::string_view text) override { problems.emplace_back(text); }
};

class InstallHooksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("COINEST_ROOT", root.path().c_str(), 1);
    useSetupHost(&host);
  }
  void TearDown() override {
    useSetupHost(nullptr);
    ::unsetenv("COINEST_ROOT");
  }
  int install(const char* dir) { return Install_Exit(nullptr, dir, 0, 0, 0, 0, 0); }

  TempDir root;
  const std::filesystem::path english = root / "Windows/Start Menu/Programs/Brivanta 가계부.lnk";
  const std::filesystem::path korean = root / "Windows/시작 메뉴/프로그램/Brivanta 가계부.lnk";
  RecordingHost host;
};

TEST_F(InstallHooksTest, TheKoreanStartFolderDecidesWhereTheShortcutGoes) {
  // Without "\Windows\시작" the English Start menu; with it the Korean one.
  ASSERT_EQ(install("\\Program Files\\Coinest"), 0);
  EXPECT_TRUE(std::filesystem::is_regular_file(english));
  EXPECT_FALSE(std::filesystem::exists(root / "Windows/시작 메뉴"));
  ASSERT_EQ(Uninstall_Exit(nullptr), 0);
  EXPECT_FALSE(std::filesystem::exists(english));

  std::filesystem::create_directories(root / "Windows/시작");
  ASSERT_EQ(install("\\Program Files\\Coinest"), 0);
  EXPECT_TRUE(std::filesystem::is_regular_file(korean));
  EXPECT_FALSE(std::filesystem::exists(english));
  ASSERT_EQ(Uninstall_Exit(nullptr), 0);
  EXPECT_FALSE(std::filesystem::exists(korean));
  EXPECT_TRUE(host.problems.empty());
}

TEST_F(InstallHooksTest, TheShortcutCountsTheQuotedTargetInCharacters) {
  const struct {
    const char* dir;
    const char* shortcut;
  } cases[] = {
      {"\\Program Files\\Coinest", "36#\"\\Program Files\\Coinest\\Coinest.exe\""},
      // Hangul takes three bytes a character in UTF-8 but counts once.
      {"\\Program Files\\가계부", "32#\"\\Program Files\\가계부\\Coinest.exe\""},
      {"", "14#\"\\Coinest.exe\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dir);
    EXPECT_EQ(shortcutText(c.dir), c.shortcut);
    ASSERT_EQ(install(c.dir), 0);
    EXPECT_EQ(readFileBytes(english), c.shortcut);  // a second install replaces the first shortcut
  }
}

TEST_F(InstallHooksTest, EachExitHookTellsTheUserAndAsksForARestartOnce) {
  ASSERT_EQ(install("\\Program Files\\Coinest"), 0);
  EXPECT_EQ(host.messages, std::vector<std::string>{std::string("알림|") + kInstalled});
  EXPECT_EQ(host.restarts, std::vector<std::filesystem::path>{root.path()});

  ASSERT_EQ(Uninstall_Exit(nullptr), 0);
  EXPECT_EQ(host.messages, (std::vector<std::string>{std::string("알림|") + kInstalled, std::string("알림|") + kRemoved}));
  EXPECT_EQ(host.restarts.size(), 2u);
  EXPECT_TRUE(host.problems.empty());
}

TEST_F(InstallHooksTest, TheInitHooksDoNothing) {
  EXPECT_EQ(Install_Init(nullptr, 1, 0, "\\Program Files\\Coinest"), 0);
  EXPECT_EQ(Uninstall_Init(nullptr, "\\Program Files\\Coinest"), 0);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(host.restarts.empty());
  EXPECT_TRUE(std::filesystem::is_empty(root.path()));
}

TEST_F(InstallHooksTest, UninstallAfterTheShortcutWasRemovedByHandStillTellsAndRestarts) {
  ASSERT_EQ(install("\\Program Files\\Coinest"), 0);
  std::filesystem::remove(english);
  host = {};
  EXPECT_EQ(Uninstall_Exit(nullptr), 0);
  EXPECT_EQ(host.messages, std::vector<std::string>{std::string("알림|") + kRemoved});
  EXPECT_EQ(host.restarts.size(), 1u);
  EXPECT_TRUE(host.problems.empty());  // nothing to delete is not a failure
}

TEST_F(InstallHooksTest, AShortcutThatCannotBeWrittenIsNotedAndTheInstallationStillFinishes) {
  // "Windows" is a file, so no Start-menu folder can be made under it.
  std::ofstream(root / "Windows") << "not a folder";
  EXPECT_EQ(install("\\Program Files\\Coinest"), 0);
  EXPECT_EQ(host.messages, std::vector<std::string>{std::string("알림|") + kInstalled});
  EXPECT_EQ(host.restarts.size(), 1u);
  ASSERT_EQ(host.problems.size(), 1u);
  EXPECT_NE(host.problems[0].find("Start Menu"), std::string::npos) << host.problems[0];
}

TEST_F(InstallHooksTest, TheShortcutAndItsFoldersAreTheUsersAlone) {
  UmaskGuard permissive(0);
  ASSERT_EQ(install("\\Program Files\\Coinest"), 0);
  EXPECT_EQ(modeOf(english), 0600u);
  EXPECT_EQ(modeOf(root / "Windows/Start Menu/Programs"), 0700u);
  EXPECT_EQ(modeOf(root / "Windows"), 0700u);
}

TEST(ConsoleSetupHostTest, TheRestartRequestIsRecordedAsAFileInTheRoot) {
  TempDir root;
  ConsoleSetupHost console;
  const std::filesystem::path nested = root / "new-root";  // a root not made yet is made
  console.requestRestart(nested);
  EXPECT_TRUE(std::filesystem::is_regular_file(restartRequestPath(nested)));
  EXPECT_EQ(restartRequestPath(nested), nested / "restart-requested");
}

}  // namespace
}  // namespace coinest::setup
