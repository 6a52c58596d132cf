#pragma once

#include <ostream>

#include "platform/ui_port.h"

namespace coinest::cli {

// The command-line tool's stand-in for the dialogs: each message is printed on a line of its
// own, every question is answered Yes and every progress dialog OK (the command itself is the
// user's answer), and the file choosers give the file named on the command line.
class ConsoleUi final : public UiPort {
 public:
  explicit ConsoleUi(std::ostream& out) : out_(out) {}
  void showMessage(std::string_view text, MessageCaption caption) override;
  bool askYesNo(std::string_view text) override;
  std::optional<std::filesystem::path> chooseSaveFile(const FileChoice& choice) override;
  std::optional<std::filesystem::path> chooseOpenFile(const FileChoice& choice) override;
  bool runProgressDialog(std::string_view title, int maximum, int position,
                         const std::function<void(ProgressBar&)>& work) override;

  // The file the next chooser gives (the command's FILE argument); none: the chooser is cancelled.
  void setChosenFile(std::optional<std::filesystem::path> file) { chosenFile_ = std::move(file); }

 private:
  std::ostream& out_;
  std::optional<std::filesystem::path> chosenFile_;
};

}  // namespace coinest::cli
