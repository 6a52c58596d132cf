#include "calendar/user_holidays.h"

#include <algorithm>
#include <map>

#include "platform/clock.h"
#include "platform/durable_file.h"
#include "platform/utf8_text.h"

namespace coinest {

namespace {

bool hasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
}

// Why the line is left out; empty when `day` was read from it.
std::string readLine(std::string_view line, HolidayDay& day) {
  if (line.size() > kUserHolidayLineMaxBytes) {
    return "longer than " + std::to_string(kUserHolidayLineMaxBytes) + " bytes";
  }
  const std::size_t tab = line.find('\t');
  if (tab == std::string_view::npos) return "no TAB between the date and the name";
  const std::string date(line.substr(0, tab));
  // The length first: parseIsoDate stops at a NUL, which would let "2027-05-01\0x" through.
  if (date.size() != kDateTextLength || !parseIsoDate(date.c_str())) {
    // The problem is printed: bytes that are no text are not repeated in it.
    if (hasControlCharacter(date) || firstInvalidUtf8(date) != std::string_view::npos) {
      return "the date is not of the form YYYY-MM-DD";
    }
    return "\"" + date + "\" is not a date of the form YYYY-MM-DD";
  }
  const std::string_view name = line.substr(tab + 1);
  if (firstInvalidUtf8(name) != std::string_view::npos) return "the name is not UTF-8 text";
  if (hasControlCharacter(name)) return "the name holds a TAB or another control character";
  day = {date, std::string(name)};
  return {};
}

}  // namespace

UserHolidays parseUserHolidays(std::string_view text) {
  UserHolidays result;
  std::map<DateText, int> lineOfDate;
  int number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    HolidayDay day;
    std::string problem = readLine(line, day);
    if (problem.empty()) {
      const auto [earlier, isNew] = lineOfDate.emplace(day.date, number);
      if (isNew) {
        result.days.push_back(std::move(day));
        continue;
      }
      problem = day.date + " is named already on line " + std::to_string(earlier->second);
    }
    result.problems.push_back(std::string(kUserHolidaysFileName) + ": line " + std::to_string(number) + ": " +
                              problem);
  }
  return result;
}

UserHolidays loadUserHolidays(const std::filesystem::path& root) {
  const RegularFileRead file = readRegularFile(root / kUserHolidaysFileName, kUserHolidaysFileMaxBytes);
  if (file.status == FileStatus::Missing) return {};
  if (file.status != FileStatus::Ok) {
    UserHolidays unread;
    unread.problems.push_back(std::string(kUserHolidaysFileName) + ": " + file.reason);
    return unread;
  }
  return parseUserHolidays(file.bytes);
}

}  // namespace coinest
