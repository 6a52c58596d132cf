#include "calendar/public_holidays.h"

#include <map>
#include <optional>
#include <set>
#include <string>

#include "calendar/day_number.h"
#include "calendar/lunar_calendar.h"
#include "calendar/public_holiday_rules.h"

namespace coinest {

namespace {

// Whole days since 1899-12-30: consecutive dates differ by one.
using Day = int;

Day dayOf(int year, int month, int day) {
  DateTime t;
  t.year = static_cast<std::uint16_t>(year);
  t.month = static_cast<std::uint16_t>(month);
  t.day = static_cast<std::uint16_t>(day);
  return static_cast<Day>(toDayNumber(t));
}

DateText textOf(Day day) {
  const DateTime t = fromDayNumber(day);
  return formatDateText(t.year, t.month, t.day);
}

bool isWeekend(Day day) {
  const int weekday = fromDayNumber(day).dayOfWeek;
  return weekday == 0 || weekday == 6;
}

// The solar date of a lunar month and day (never in a leap month) of lunar year `year`, which
// always lies in solar year `year` for the days the rules name.
std::optional<Day> solarDayOfLunar(int year, int month, int day) {
  for (int m = 1; m <= 12; ++m) {
    for (int d = 1; d <= daysInMonth(year, m); ++d) {
      const std::optional<LunarDate> lunar = solarToLunar(year, m, d);
      if (lunar && lunar->year == year && lunar->month == month && lunar->day == day && !lunar->leap) {
        return dayOf(year, m, d);
      }
    }
  }
  return std::nullopt;
}

// One reason a date is off: the rule it comes from (none for a declared day).
struct Claim {
  const char* name;
  const HolidayRule* rule;
};

using ClaimsByDay = std::map<Day, std::vector<Claim>>;

ClaimsByDay claimsOf(int year) {
  ClaimsByDay claims;
  for (const HolidayRule& rule : publicHolidayRules()) {
    if (year < rule.firstYear || year > rule.lastYear) continue;
    const std::optional<Day> day = rule.kind == HolidayDateKind::Solar ? dayOf(year, rule.month, rule.day)
                                                                       : solarDayOfLunar(year, rule.month, rule.day);
    if (!day) continue;
    claims[*day].push_back({rule.name, &rule});
    if (rule.flanked) {
      claims[*day - 1].push_back({"", &rule});
      claims[*day + 1].push_back({"", &rule});
    }
  }
  const std::string yearText = std::to_string(year);
  for (const DeclaredHoliday& declared : declaredHolidays()) {
    const std::string_view date = declared.date;
    if (date.substr(0, 4) != yearText) continue;
    const DateFields fields = readDateText(date);
    claims[dayOf(fields.year, fields.month, fields.day)].push_back({declared.name, nullptr});
  }
  return claims;
}

// Whether a holiday on `day` earns a substitute: it falls on a weekend day its rule names, or on
// another holiday (a Sunday is one for every rule).
bool earnsSubstitute(Day day, const std::vector<Claim>& claims) {
  const DateText date = textOf(day);
  const int weekday = fromDayNumber(day).dayOfWeek;
  for (const Claim& claim : claims) {
    if (!claim.rule || claim.rule->substitute == SubstituteWhen::Never) continue;
    if (date < claim.rule->substituteFrom) continue;
    const bool onSaturday = weekday == 6 && claim.rule->substitute == SubstituteWhen::OnWeekend;
    if (claims.size() > 1 || weekday == 0 || onSaturday) return true;
  }
  return false;
}

const char* nameOf(const std::vector<Claim>& claims) {
  for (const Claim& claim : claims) {
    if (*claim.name != '\0') return claim.name;
  }
  return "";
}

}  // namespace

std::vector<HolidayDay> publicHolidaysOf(int year) {
  if (year < kFirstRuleYear || year > kLastRuleYear) return {};
  const ClaimsByDay claims = claimsOf(year);
  // Each date that earns a substitute, in date order, takes the first weekday after it that is
  // neither a holiday nor taken by an earlier substitute; so one date shared by two holidays
  // (어린이날 and 부처님오신날) gives one substitute, and two substitutes never share a day.
  std::set<Day> taken;
  for (const auto& entry : claims) taken.insert(entry.first);
  std::map<Day, const char*> named;
  for (const auto& [day, dayClaims] : claims) {
    named[day] = nameOf(dayClaims);
    if (!earnsSubstitute(day, dayClaims)) continue;
    Day substitute = day + 1;
    while (isWeekend(substitute) || taken.count(substitute) > 0) ++substitute;
    taken.insert(substitute);
    named[substitute] = kSubstituteHolidayName;
  }
  std::vector<HolidayDay> days;
  days.reserve(named.size());
  for (const auto& [day, name] : named) days.push_back({textOf(day), name});
  return days;
}

}  // namespace coinest
