#include "ledger/total_amount.h"

#include <limits>

#include "calendar/amount.h"

namespace coinest {

std::string formatTotalAmount(TotalAmount value) {
  if (value >= -std::numeric_limits<Amount>::max() && value <= std::numeric_limits<Amount>::max()) {
    return formatAmount(static_cast<Amount>(value));
  }
  // Beyond one Amount: the digits before the last six stay together, as formatAmount keeps them.
  const std::uint64_t magnitude =
      value < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  std::string digits = std::to_string(magnitude);
  digits.insert(digits.size() - 3, ",");
  digits.insert(digits.size() - 7, ",");
  return digits;
}

std::string formatSignedTotalAmount(TotalAmount value) {
  const char* sign = value > 0 ? "+" : value < 0 ? "-" : "";
  return sign + formatTotalAmount(value);
}

}  // namespace coinest
