#pragma once

// The amount fields of the record dialogs and the one rule they are checked by: an entry's or a
// reservation's amount ("금액") and a bank account's balance ("잔고").
//
// A typed amount is trimmed, then refused, in this order: empty (kAmountRequiredMessage); not an
// integer text, one leading minus allowed (kAmountDigitsOnlyMessage). A payment's amount is then
// refused when not above 0 (kAmountNotPositiveMessage) or longer than eight characters
// (kAmountTooLongMessage); a balance may be negative, and one beyond the range of an amount is
// refused as no number (kAmountDigitsOnlyMessage).

#include <cstddef>
#include <optional>
#include <string_view>

#include "calendar/amount.h"

namespace coinest {

inline constexpr std::string_view kAmountNotPositiveMessage = "금액은 0보다 커야 합니다";
inline constexpr std::string_view kAmountTooLongMessage = "금액은 최대 8자리까지 입력 가능합니다";

// The amount field of an entry or a reservation keeps nine characters, one more than an amount
// may have, so a ninth digit is told rather than lost; a balance field keeps ten.
inline constexpr std::size_t kAmountFieldMaxChars = 9;
inline constexpr std::size_t kAmountMaxChars = 8;
inline constexpr std::size_t kBalanceFieldMaxChars = 10;

enum class AmountRule {
  Payment,  // an entry's or a reservation's amount: above 0, at most kAmountMaxChars characters
  Balance,  // any amount, negative included
};

// The message that refuses the typed amount; nothing when the rule takes it.
std::optional<std::string_view> amountRefusal(std::string_view typed, AmountRule rule);

}  // namespace coinest
