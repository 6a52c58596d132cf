#include "dialogs/amount_field.h"

#include <string>

#include "calendar/typed_text.h"

namespace coinest {

std::optional<std::string_view> amountRefusal(std::string_view typed, AmountRule rule) {
  const std::string trimmed = trimTypedText(typed);
  const TypedAmount read = readTypedAmount(trimmed);
  if (read.kind == TypedAmountKind::Empty) return kAmountRequiredMessage;
  if (read.kind == TypedAmountKind::NotInteger) return kAmountDigitsOnlyMessage;
  if (rule == AmountRule::Balance) {
    if (read.kind == TypedAmountKind::OutOfRange) return kAmountDigitsOnlyMessage;
    return std::nullopt;
  }
  // A text too long for an amount names no value; its sign still tells which limit it breaks.
  const bool negative = trimmed.front() == '-';
  if (negative || (read.kind == TypedAmountKind::Ok && read.value <= 0)) return kAmountNotPositiveMessage;
  if (trimmed.size() > kAmountMaxChars) return kAmountTooLongMessage;
  return std::nullopt;
}

}  // namespace coinest
