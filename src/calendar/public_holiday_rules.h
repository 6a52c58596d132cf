#pragma once

// The public holidays of the government offices as the regulations have stood since 1990, kept as
// data: which days, from which year to which, and which of them earn a substitute holiday.

#include <span>

namespace coinest {

// The first and last year the holiday rules are kept for.
inline constexpr int kFirstRuleYear = 1990;
inline constexpr int kLastRuleYear = 2050;

// The name of a substitute holiday.
inline constexpr const char* kSubstituteHolidayName = "대체공휴일";

enum class HolidayDateKind {
  Solar,  // month and day of the solar year
  Lunar,  // month and day of the lunar year of the same number (never a leap month)
};

// Which weekend days move a holiday to a substitute day. Falling on another holiday always does,
// once the holiday earns substitutes at all.
enum class SubstituteWhen {
  Never,
  OnSunday,   // 설날 and 추석: a Saturday is a day off anyway
  OnWeekend,  // Saturday or Sunday
};

struct HolidayRule {
  HolidayDateKind kind;
  int month;
  int day;
  const char* name;  // empty for a day that is off but carries no name
  int firstYear;
  int lastYear;
  bool flanked = false;  // the day before and the day after are holidays too (unnamed)
  SubstituteWhen substitute = SubstituteWhen::Never;
  const char* substituteFrom = "";  // "YYYY-MM-DD": the first date that earns a substitute
};

// A day the government declared off once: an election day or a temporary holiday.
struct DeclaredHoliday {
  const char* date;  // "YYYY-MM-DD"
  const char* name;
};

// The rules in the order their names win when two holidays share a date (the order of the rows
// of the stored holiday table: 설날 before 삼일절, 석가탄신일 before 어린이날, 추석 before 개천절).
std::span<const HolidayRule> publicHolidayRules();

// The declared days in date order.
std::span<const DeclaredHoliday> declaredHolidays();

}  // namespace coinest
