#pragma once

#include <string>

#include "calendar/date_text.h"

namespace coinest {

// One holiday of a calendar: its date and the name the books page shows (empty for the days that
// flank 설날 and 추석, which are red but carry no name).
struct HolidayDay {
  DateText date;
  std::string name;

  friend bool operator==(const HolidayDay&, const HolidayDay&) = default;
};

}  // namespace coinest
