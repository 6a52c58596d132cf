#pragma once

// The years a date or a year given on the command line may fall in, as its texts write them.

#include <string>

#include "calendar/date_text.h"

namespace coinest::cli {

// "1841 to 2050".
inline std::string calendarYearsText() {
  return std::to_string(kFirstCalendarYear) + " to " + std::to_string(kLastCalendarYear);
}

}  // namespace coinest::cli
