#pragma once

// The public holidays of a year, computed from the holiday rules and the lunar calendar.

#include <vector>

#include "calendar/holiday_day.h"

namespace coinest {

// The public holidays of `year`, one per date in date order, substitute holidays included. Where
// two holidays share a date the one named first in the rules gives the name, and a named holiday
// wins over an unnamed one. Empty for a year outside kFirstRuleYear to kLastRuleYear.
std::vector<HolidayDay> publicHolidaysOf(int year);

}  // namespace coinest
