#pragma once

// The one runner of the record commands (entry, asset, reservation; category shares its endings):
// the subcommands add, edit ID and delete ID, and the exit status each way a command can end.
//
//   0  saved<TAB>ID, deleted<TAB>ID: done.
//   1  the dialog refused the save (its message on stderr), or the book refused the write or the
//      delete (the reason on stderr); nothing was written.
//   2  wrong usage: a value an option's field does not take (a list item not offered, a text the
//      field cannot hold, a field the form does not have), or an ID that names no record.

#include <cstdint>
#include <functional>
#include <optional>

#include "cli/command_registry.h"

namespace coinest::cli {

// The subcommands of a record command: the form's options (added by `formOptions`) on add and
// edit, the record's id in `*id` on edit and delete.
struct RecordSubcommands {
  CLI::App* add = nullptr;
  CLI::App* edit = nullptr;
  CLI::App* remove = nullptr;
};
RecordSubcommands addRecordSubcommands(CLI::App& app, const char* record, int32_t* id,
                                       const std::function<void(CLI::App&)>& formOptions, const char* addHelp,
                                       const char* deleteHelp);

// What a record command does on each subcommand. `add` and `edit` open the dialog (the messages
// going to `ui`), fill its form and press "확인", returning the exit status (fillAndPressOk);
// `edit` and `remove` are called only for a record that exists.
struct RecordActions {
  const char* record;  // "entry", "asset", ...: the word of the messages
  std::function<bool(Book&, int32_t)> exists;
  std::function<int(CommandContext&, UiPort& ui)> add;
  std::function<int(CommandContext&, UiPort& ui, int32_t id)> edit;
  std::function<Status(Book&, int32_t)> remove;
};

// Runs the subcommand given; an ID that names no record is told and is a usage error.
int runRecordCommand(CommandContext& c, const RecordSubcommands& commands, int32_t id, const RecordActions& actions);

// "no RECORD with id ID" on the error stream; returns the usage status.
int noSuchRecord(CommandContext& c, const char* record, int32_t id);

// "saved<TAB>ID" after a dialog's save; otherwise the dialog's message is already on the error
// stream. Returns the exit status.
int savedOrRefused(CommandContext& c, std::optional<int32_t> savedId, bool closed);

// With the form filled from the options (`filled`: every option was taken, else each refusal is
// already on the error stream, a usage error), presses the dialog's "확인" and reports the outcome.
template <class Dialog>
int fillAndPressOk(CommandContext& c, Dialog& dialog, bool filled) {
  if (!filled) return kExitUsage;
  dialog.pressOk();
  return savedOrRefused(c, dialog.savedId(), dialog.closed());
}

// "deleted<TAB>ID", or the failure's reason. Returns the exit status.
int deletedOrFailed(CommandContext& c, const Status& deleted, int32_t id);

}  // namespace coinest::cli
