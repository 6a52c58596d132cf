#include "calendar/amount.h"

#include <cstdio>
#include <limits>

#include "calendar/typed_text.h"

namespace coinest {

namespace {

std::string groupMagnitude(const char* prefix, long long a) {
  char buffer[40];
  if (a <= 999) {
    std::snprintf(buffer, sizeof buffer, "%s%lld", prefix, a);
  } else if (a <= 999'999) {
    std::snprintf(buffer, sizeof buffer, "%s%lld,%03lld", prefix, a / 1000, a % 1000);
  } else {
    std::snprintf(buffer, sizeof buffer, "%s%lld,%03lld,%03lld", prefix, a / 1'000'000,
                  a % 1'000'000 / 1000, a % 1000);
  }
  return buffer;
}

// Widened first, so that the smallest Amount has a magnitude.
long long magnitude(Amount value) {
  const long long wide = value;
  return wide < 0 ? -wide : wide;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string formatAmount(Amount value) { return groupMagnitude("", magnitude(value)); }

std::string formatSignedAmount(Amount value) {
  const char* prefix = value > 0 ? "+" : value < 0 ? "-" : "";
  return groupMagnitude(prefix, magnitude(value));
}

bool isIntegerText(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  for (const char c : text) {
    if (!isDigit(c)) return false;
  }
  return true;
}

TypedAmount readTypedAmount(std::string_view text) {
  const std::string trimmed = trimTypedText(text);
  if (trimmed.empty()) return {TypedAmountKind::Empty, 0};
  if (!isIntegerText(trimmed)) return {TypedAmountKind::NotInteger, 0};

  std::string_view digits = trimmed;
  const bool negative = digits.front() == '-';
  if (negative) digits.remove_prefix(1);
  // The limit of the magnitude: one more for negative values.
  const long long limit = negative ? -static_cast<long long>(std::numeric_limits<Amount>::min())
                                   : std::numeric_limits<Amount>::max();
  long long value = 0;
  for (const char c : digits) {
    value = value * 10 + (c - '0');
    if (value > limit) return {TypedAmountKind::OutOfRange, 0};
  }
  return {TypedAmountKind::Ok, static_cast<Amount>(negative ? -value : value)};
}

}  // namespace coinest
