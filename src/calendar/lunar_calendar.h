#pragma once

// The Korean lunisolar calendar over the table the program carries: lunar years 1841 to 2050,
// that is the solar dates 1841-01-23 to 2051-02-11.

#include <optional>
#include <string>

namespace coinest {

struct LunarDate {
  int year = 0;
  int month = 0;   // 1 to 12
  int day = 0;     // 1 to 30
  bool leap = false;  // the day lies in the leap month that follows `month`
};

// The lunar date of a solar date; nothing for a date that is not a real calendar date or lies
// outside the table.
std::optional<LunarDate> solarToLunar(int year, int month, int day);

// The books page's caption of a lunar date: "(음%d/%d)", or "(음윤%d/%d)" in a leap month.
std::string lunarCaption(const LunarDate& date);

}  // namespace coinest
