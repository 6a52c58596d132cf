#pragma once

// What the commands that drive the record dialogs share: their subcommands, the options that name
// an item of a dialog's list, and the lines of a save or delete. The dialogs' messages go to the
// error stream through a ConsoleUi.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "cli/command_registry.h"
#include "dialogs/choice_list.h"

namespace coinest::cli {

// The subcommands add, edit ID and delete ID of a record command: the form's options (given by
// `formOptions`) on add and edit, the record's id in `*id`.
struct RecordSubcommands {
  CLI::App* add = nullptr;
  CLI::App* edit = nullptr;
  CLI::App* remove = nullptr;
};
RecordSubcommands addRecordSubcommands(CLI::App& app, const char* record, int32_t* id,
                                       const std::function<void(CLI::App&)>& formOptions, const char* addHelp,
                                       const char* deleteHelp);

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

// Presses the dialog's "확인" and reports the outcome as savedOrRefused does.
template <class Dialog>
int pressOk(CommandContext& c, Dialog& dialog) {
  dialog.pressOk();
  return savedOrRefused(c, dialog.savedId(), dialog.closed());
}
// "deleted<TAB>ID", or the failure's reason. Returns the exit status.
int deletedOrFailed(CommandContext& c, const Status& deleted, int32_t id);

}  // namespace coinest::cli
