#include "cli/dialog_options.h"

#include <charconv>

#include "cli/output_line.h"

namespace coinest::cli {

void DialogConsoleUi::showMessage(std::string_view text, MessageCaption) { printLine(err_, {text}); }

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
