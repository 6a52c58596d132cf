#include "cli/console_ui.h"

#include "cli/output_line.h"

namespace coinest::cli {

// A message with line breaks of its own stays one line of output.
void ConsoleUi::showMessage(std::string_view text, MessageCaption) { printLine(out_, {text}); }

bool ConsoleUi::askYesNo(std::string_view) { return true; }

std::optional<std::filesystem::path> ConsoleUi::chooseSaveFile(const FileChoice&) { return chosenFile_; }

std::optional<std::filesystem::path> ConsoleUi::chooseOpenFile(const FileChoice&) { return chosenFile_; }

namespace {

class SilentBar final : public ProgressBar {
 public:
  void setPosition(int) override {}
};

}  // namespace

bool ConsoleUi::runProgressDialog(std::string_view, int, int, const std::function<void(ProgressBar&)>& work) {
  SilentBar bar;
  work(bar);
  return true;
}

}  // namespace coinest::cli
