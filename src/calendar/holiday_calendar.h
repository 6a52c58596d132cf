#pragma once

// The holidays of every year by rule, with the user's own days among them, each year computed once
// and kept, since the books page asks for every cell of its calendar.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/holiday_day.h"

namespace coinest {

class HolidayCalendar {
 public:
  // The user's days (see user_holidays.h): off in addition to the public holidays. On a public
  // holiday the public name is shown. Of two days with one date the first counts.
  void setUserDays(std::vector<HolidayDay> days);

  // The holidays of `year`, one per date in date order.
  const std::vector<HolidayDay>& holidaysOf(int year);

  // The name of the holiday on `date` ("YYYY-MM-DD"; empty for an unnamed day off); nothing when
  // the date is no holiday or is not such a text.
  std::optional<std::string> nameOf(std::string_view date);

 private:
  std::vector<HolidayDay> userDays_;
  std::map<int, std::vector<HolidayDay>> years_;
};

}  // namespace coinest
