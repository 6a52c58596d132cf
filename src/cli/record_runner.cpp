#include "cli/record_runner.h"

#include <string>

#include "cli/console_ui.h"
#include "cli/output_line.h"

namespace coinest::cli {

RecordSubcommands addRecordSubcommands(CLI::App& app, const char* record, int32_t* id,
                                       const std::function<void(CLI::App&)>& formOptions, const char* addHelp,
                                       const char* deleteHelp) {
  const std::string idHelp = std::string("the ") + record + "'s id";
  app.require_subcommand(1);
  RecordSubcommands commands;
  commands.add = app.add_subcommand("add", addHelp);
  formOptions(*commands.add);
  commands.edit = app.add_subcommand("edit", std::string("change the ") + record + " ID; fields not given keep their values");
  commands.edit->add_option("ID", *id, idHelp)->required();
  formOptions(*commands.edit);
  commands.remove = app.add_subcommand("delete", deleteHelp);
  commands.remove->add_option("ID", *id, idHelp)->required();
  return commands;
}

int runRecordCommand(CommandContext& c, const RecordSubcommands& commands, int32_t id, const RecordActions& actions) {
  // The dialog's messages are refusals: they go to the error stream.
  ConsoleUi ui(c.err);
  if (commands.add->parsed()) return actions.add(c, ui);
  if (!actions.exists(c.book(), id)) return noSuchRecord(c, actions.record, id);
  if (commands.remove->parsed()) return deletedOrFailed(c, actions.remove(c.book(), id), id);
  return actions.edit(c, ui, id);
}

int noSuchRecord(CommandContext& c, const char* record, int32_t id) {
  c.err << "no " << record << " with id " << id << '\n';
  return kExitUsage;
}

int savedOrRefused(CommandContext& c, std::optional<int32_t> savedId, bool closed) {
  if (!closed || !savedId) return kExitFailed;
  printLine(c.out, {"saved", std::to_string(*savedId)});
  return kExitDone;
}

int deletedOrFailed(CommandContext& c, const Status& deleted, int32_t id) {
  if (!deleted) return reportFailure(c, deleted);
  printLine(c.out, {"deleted", std::to_string(id)});
  return kExitDone;
}

}  // namespace coinest::cli
