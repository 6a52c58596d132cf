// Money amounts: whole won in signed 32-bit integers, shown with thousands grouped by commas.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace coinest {

using Amount = std::int32_t;

// The messages a dialog shows when a typed amount is missing or not a whole number.
inline constexpr std::string_view kAmountRequiredMessage = "금액은 반드시 입력해야 합니다";
inline constexpr std::string_view kAmountDigitsOnlyMessage = "금액은 숫자만 입력해야 합니다";

// The magnitude without sign: "999", "1,000", "1,000,000". There are at most two commas, so one
// thousand million and more shows four digits before the first ("1234,567,890"). The smallest
// Amount shows as "2147,483,648".
std::string formatAmount(Amount value);

// "+" before a positive value, "-" before a negative one, nothing before 0; then as formatAmount.
std::string formatSignedAmount(Amount value);

// True for the empty text, for decimal digits only, and for "-" followed by decimal digits only
// (a lone "-" included).
bool isIntegerText(std::string_view text);

enum class TypedAmountKind {
  Ok,          // `value` holds the amount
  Empty,       // nothing typed (after trimming): kAmountRequiredMessage
  NotInteger,  // not an integer text: kAmountDigitsOnlyMessage
  OutOfRange,  // an integer text beyond the range of Amount
};

struct TypedAmount {
  TypedAmountKind kind = TypedAmountKind::Empty;
  Amount value = 0;  // 0 unless kind is Ok
};

// Reads an amount typed into a field: trimmed first; a lone "-" reads as 0. Further limits
// (positive, length) are the calling dialog's.
TypedAmount readTypedAmount(std::string_view text);

}  // namespace coinest
