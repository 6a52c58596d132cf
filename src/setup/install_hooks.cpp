#include "setup/install_hooks.h"

#include <string>

#include "setup/setup_files.h"
#include "setup/setup_host.h"
#include "setup/start_menu_shortcut.h"

namespace {

using coinest::setup::currentSetupHost;
using coinest::setup::SetupFileResult;

constexpr std::string_view kNoticeCaption = "알림";
constexpr std::string_view kInstalledText = "Brivanta 가계부가 설치되었습니다.";
constexpr std::string_view kRemovedText = "Brivanta 가계부가 제거되었습니다.";

// The root the shortcut lives under; empty, with a word to the user, when there is none.
std::filesystem::path deviceRootOrNote() {
  std::filesystem::path root = coinest::setup::deviceRoot();
  if (root.empty()) currentSetupHost().noteProblem("coinest-setup: no device root for the shortcut (set COINEST_ROOT)");
  return root;
}

void noteFailure(const SetupFileResult& result) {
  if (!result.ok) currentSetupHost().noteProblem("coinest-setup: " + result.reason);
}

// The installer is told "done" whatever happened to the shortcut; the user still hears of the
// installation and the device still restarts.
void finish(const std::filesystem::path& root, std::string_view text) {
  currentSetupHost().showMessage(kNoticeCaption, text);
  currentSetupHost().requestRestart(root);
}

}  // namespace

extern "C" {

int Install_Init(void*, int, int, const char*) { return kInstallInitContinue; }

int Install_Exit(void*, const char* installDir, unsigned short, unsigned short, unsigned short, unsigned short,
                 unsigned short) {
  const std::filesystem::path root = deviceRootOrNote();
  if (!root.empty()) {
    noteFailure(coinest::setup::replaceFile(coinest::setup::shortcutPath(root),
                                            coinest::setup::shortcutText(installDir != nullptr ? installDir : "")));
  }
  finish(root, kInstalledText);
  return kInstallExitDone;
}

int Uninstall_Init(void*, const char*) { return kUninstallInitContinue; }

int Uninstall_Exit(void*) {
  const std::filesystem::path root = deviceRootOrNote();
  if (!root.empty()) noteFailure(coinest::setup::removeFile(coinest::setup::shortcutPath(root)));
  finish(root, kRemovedText);
  return kUninstallExitDone;
}

}  // extern "C"
