#include "setup/setup_host.h"

#include <cstdio>
#include <string>

#include "setup/setup_files.h"

namespace coinest::setup {

namespace {

SetupHost* chosenHost = nullptr;

void printLine(std::FILE* stream, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fputc('\n', stream);
  std::fflush(stream);
}

}  // namespace

void ConsoleSetupHost::showMessage(std::string_view /*caption*/, std::string_view text) {
  printLine(stdout, text);
}

void ConsoleSetupHost::requestRestart(const std::filesystem::path& root) {
  if (root.empty()) {
    noteProblem("coinest-setup: no device root to record the restart request in");
    return;
  }
  if (const SetupFileResult written = replaceFile(restartRequestPath(root), "restart\n"); !written.ok) {
    noteProblem("coinest-setup: " + written.reason);
  }
}

void ConsoleSetupHost::noteProblem(std::string_view text) { printLine(stderr, text); }

std::filesystem::path restartRequestPath(const std::filesystem::path& root) { return root / "restart-requested"; }

SetupHost& currentSetupHost() {
  static ConsoleSetupHost console;
  return chosenHost != nullptr ? *chosenHost : console;
}

void useSetupHost(SetupHost* host) { chosenHost = host; }

}  // namespace coinest::setup
