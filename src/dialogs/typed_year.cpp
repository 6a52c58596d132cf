#include "dialogs/typed_year.h"

#include <algorithm>
#include <string>

#include "calendar/date_text.h"
#include "calendar/typed_text.h"

namespace coinest {

TypedYear readTypedYear(std::string_view typed) {
  const std::string year = trimTypedText(typed);
  const bool fourDigits = year.size() == kYearFieldMaxChars &&
                          std::all_of(year.begin(), year.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!fourDigits) return {std::nullopt, kYearMalformedMessage};
  const int value = std::stoi(year);
  if (value < kFirstCalendarYear || value > kLastCalendarYear) return {std::nullopt, kYearOutOfRangeMessage};
  return {value, {}};
}

}  // namespace coinest
