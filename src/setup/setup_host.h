#pragma once

// What the install hooks ask of the device: a message box, a restart, and a word when something
// went wrong. The installer goes on whatever happens, so nothing here reports back.

#include <filesystem>
#include <string_view>

namespace coinest::setup {

class SetupHost {
 public:
  virtual ~SetupHost() = default;
  // A message box with one OK button, e.g. caption "알림".
  virtual void showMessage(std::string_view caption, std::string_view text) = 0;
  // The device is to restart once the installer is done. `root` is the device root; it is empty
  // when none could be found.
  virtual void requestRestart(const std::filesystem::path& root) = 0;
  // A step that failed (the shortcut could not be written, say); the hooks carry on.
  virtual void noteProblem(std::string_view text) = 0;
};

// The stand-in of a desktop machine: the message goes to standard output as one line, a problem
// to standard error, and the restart request is recorded as the file <root>/restart-requested.
class ConsoleSetupHost final : public SetupHost {
 public:
  void showMessage(std::string_view caption, std::string_view text) override;
  void requestRestart(const std::filesystem::path& root) override;
  void noteProblem(std::string_view text) override;
};

// The file that records a restart request.
std::filesystem::path restartRequestPath(const std::filesystem::path& root);

// The host the hooks use: a ConsoleSetupHost unless useSetupHost gave another. Not exported
// from the library; tests link the hooks directly and put their own host in.
SetupHost& currentSetupHost();
// `host` (not owned, must outlive its use) from now on; nullptr brings the console host back.
void useSetupHost(SetupHost* host);

}  // namespace coinest::setup
