#include "cli/dialog_options.h"

#include <charconv>

#include "cli/output_line.h"

namespace coinest::cli {

namespace {

// A whole decimal number, without sign or spaces; nothing for any other text.
std::optional<int32_t> numberIn(std::string_view given) {
  int32_t number = 0;
  const auto [end, error] = std::from_chars(given.data(), given.data() + given.size(), number);
  if (given.empty() || given.front() == '-' || error != std::errc() || end != given.data() + given.size()) {
    return std::nullopt;
  }
  return number;
}

int rowNumbered(const ChoiceList& list, int32_t number, ListNumber numbers) {
  if (numbers == ListNumber::Row) return number < list.size() ? number : -1;
  return number == 0 ? -1 : list.rowOfId(number);
}

}  // namespace

std::optional<int> chosenRow(CommandContext& c, const ChoiceList& list, std::string_view given, const char* option,
                             ListNumber numbers) {
  if (const int row = list.rowOf(given); row >= 0) return row;
  if (const std::optional<int32_t> number = numberIn(given)) {
    if (const int row = rowNumbered(list, *number, numbers); row >= 0) return row;
  }
  std::string choices;
  for (const std::string& item : list.items) choices += (choices.empty() ? "\"" : ", \"") + item + "\"";
  c.err << option << ": \"" << escapedText(given) << "\" is not offered; the choices are "
        << (choices.empty() ? "none" : escapedText(choices));
  if (numbers == ListNumber::Row && !list.empty()) c.err << ", or their numbers 0 to " << list.size() - 1;
  c.err << '\n';
  return std::nullopt;
}

bool typedText(CommandContext& c, const std::optional<std::string>& refusal, const char* option) {
  if (!refusal) return true;
  c.err << option << ": " << escapedText(*refusal) << '\n';
  return false;
}

}  // namespace coinest::cli
