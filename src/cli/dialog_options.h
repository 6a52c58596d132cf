#pragma once

// What the commands that drive the record dialogs share: the dialog's messages on the error
// stream, the options that name an item of a dialog's list, and the lines of a save or delete.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "cli/command_registry.h"
#include "ledger/choice_list.h"

namespace coinest::cli {

// The dialogs' message boxes as lines on the error stream; questions are answered Yes.
class DialogConsoleUi final : public UiPort {
 public:
  explicit DialogConsoleUi(std::ostream& err) : err_(err) {}
  void showMessage(std::string_view text, MessageCaption caption) override;
  bool askYesNo(std::string_view) override { return true; }
  std::optional<std::filesystem::path> chooseSaveFile(const FileChoice&) override { return std::nullopt; }
  std::optional<std::filesystem::path> chooseOpenFile(const FileChoice&) override { return std::nullopt; }
  bool runProgressDialog(std::string_view, int, int, const std::function<void(ProgressBar&)>&) override {
    return false;
  }

 private:
  std::ostream& err_;
};

// The row of `list` that `given` names: an item as the list shows it, else the id of the record
// behind an item. Nothing, after saying on the error stream which values `option` takes, when it
// names none.
std::optional<int> chosenRow(CommandContext& c, const ChoiceList& list, std::string_view given, const char* option);

// Gives the typed text to the field unless `refusal` has a reason to refuse it, which is then
// said on the error stream. False when refused.
bool typedText(CommandContext& c, const std::optional<std::string>& refusal, const char* option);

// "saved<TAB>ID" after a dialog's save; otherwise the dialog's message is already on the error
// stream. Returns the exit status.
int savedOrRefused(CommandContext& c, std::optional<int32_t> savedId, bool closed);
// "deleted<TAB>ID", or the failure's reason. Returns the exit status.
int deletedOrFailed(CommandContext& c, const Status& deleted, int32_t id);

}  // namespace coinest::cli
