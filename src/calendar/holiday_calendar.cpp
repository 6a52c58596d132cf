#include "calendar/holiday_calendar.h"

#include <algorithm>

#include "calendar/public_holidays.h"

namespace coinest {

namespace {

bool earlierDate(const HolidayDay& a, const HolidayDay& b) { return a.date < b.date; }

}  // namespace

void HolidayCalendar::setUserDays(std::vector<HolidayDay> days) {
  userDays_ = std::move(days);
  years_.clear();
}

const std::vector<HolidayDay>& HolidayCalendar::holidaysOf(int year) {
  if (const auto kept = years_.find(year); kept != years_.end()) return kept->second;
  std::vector<HolidayDay> days = publicHolidaysOf(year);
  const std::size_t publicCount = days.size();
  const std::string prefix = formatDateText(year, 1, 1).substr(0, 5);
  for (const HolidayDay& user : userDays_) {
    if (!user.date.starts_with(prefix)) continue;
    const auto from = days.begin();
    const auto to = days.begin() + static_cast<std::ptrdiff_t>(publicCount);
    if (std::binary_search(from, to, user, earlierDate)) continue;
    days.push_back(user);
  }
  // stable: of two user days with one date the first stays first, and unique keeps it.
  std::stable_sort(days.begin(), days.end(), earlierDate);
  days.erase(std::unique(days.begin(), days.end(), [](const HolidayDay& a, const HolidayDay& b) { return a.date == b.date; }),
             days.end());
  return years_.emplace(year, std::move(days)).first->second;
}

std::optional<std::string> HolidayCalendar::nameOf(std::string_view date) {
  const DateFields fields = readDateText(date);
  if (!fields.complete()) return std::nullopt;
  const std::vector<HolidayDay>& days = holidaysOf(fields.year);
  const HolidayDay probe{DateText(date), {}};
  const auto found = std::lower_bound(days.begin(), days.end(), probe, earlierDate);
  if (found == days.end() || found->date != date) return std::nullopt;
  return found->name;
}

}  // namespace coinest
