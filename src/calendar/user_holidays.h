#pragma once

// The user's own days off: the text file <root>/holidays.txt, one day a line,
//
//   line    = date TAB name
//   date    = "YYYY-MM-DD", a real calendar date
//   name    = UTF-8 text without control characters, possibly empty
//
// Empty lines and lines starting with '#' are skipped; a line may end in CR. A line that does not
// fit, or names a date an earlier line named, is left out and reported.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/holiday_day.h"

namespace coinest {

inline constexpr const char* kUserHolidaysFileName = "holidays.txt";
// A longer line is no day anyone wrote by hand; longer files are refused whole.
inline constexpr std::size_t kUserHolidayLineMaxBytes = 200;
inline constexpr std::size_t kUserHolidaysFileMaxBytes = 256 * 1024;

struct UserHolidays {
  std::vector<HolidayDay> days;       // in the order of the file
  std::vector<std::string> problems;  // "holidays.txt: line N: why", one per line left out
};

// The days of the file's text.
UserHolidays parseUserHolidays(std::string_view text);

// The days of <root>/holidays.txt: none without a problem when there is no such file; none with
// one problem when it cannot be read (not a regular file, too large, unreadable).
UserHolidays loadUserHolidays(const std::filesystem::path& root);

}  // namespace coinest
