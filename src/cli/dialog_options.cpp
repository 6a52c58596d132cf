#include "cli/dialog_options.h"

#include <charconv>

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

std::optional<int> chosenRow(CommandContext& c, const ChoiceList& list, std::string_view given, const char* option) {
  if (const int row = list.rowOf(given); row >= 0) return row;
  int32_t id = 0;
  const auto [end, error] = std::from_chars(given.data(), given.data() + given.size(), id);
  if (error == std::errc() && end == given.data() + given.size() && id != 0) {
    if (const int row = list.rowOfId(id); row >= 0) return row;
  }
  std::string choices;
  for (const std::string& item : list.items) choices += (choices.empty() ? "\"" : ", \"") + item + "\"";
  c.err << option << ": \"" << escapedText(given) << "\" is not offered; the choices are "
        << (choices.empty() ? "none" : escapedText(choices)) << '\n';
  return std::nullopt;
}

bool typedText(CommandContext& c, const std::optional<std::string>& refusal, const char* option) {
  if (!refusal) return true;
  c.err << option << ": " << escapedText(*refusal) << '\n';
  return false;
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
