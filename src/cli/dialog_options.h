#pragma once

// The options of the record commands that fill a dialog's form: an option that names an item of
// one of its lists, and one that types a field's text. Either says on the error stream why a value
// is not taken; the command then ends with the usage status (record_runner.h).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cli/command_registry.h"
#include "dialogs/choice_list.h"

namespace coinest::cli {

// What a number given for a list option stands for, besides an item's text.
enum class ListNumber {
  // The id behind an item: an asset's or a category's id, a reservation's day of the month. 0
  // names no item (it is behind "현금" and the other items that stand for no record).
  Id,
  // The item's row, where a list is built so that its row is the value stored: the instalment
  // period (0 none, 1 일시불, 3 for "3개월"), a card's payment day (14 for "14일"), its billing
  // period's months and days.
  Row,
};

// The row of `list` that `given` names: an item as the list shows it, else the number it stands
// for. Nothing, after saying on the error stream which values `option` takes, when it names none.
std::optional<int> chosenRow(CommandContext& c, const ChoiceList& list, std::string_view given, const char* option,
                             ListNumber numbers = ListNumber::Id);

// Gives the typed text to the field unless `refusal` has a reason to refuse it, which is then
// said on the error stream. False when refused.
bool typedText(CommandContext& c, const std::optional<std::string>& refusal, const char* option);

}  // namespace coinest::cli
