#include "calendar/day_number.h"

#include <cmath>
#include <cstdint>

namespace coinest {

namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;
// Days from 1899-12-30 to 1970-01-01.
constexpr std::int64_t kUnixEpochDay = 25'569;
// The day numbers of 0100-01-01 and 9999-12-31.
constexpr std::int64_t kFirstDay = -657'434;
constexpr std::int64_t kLastDay = 2'958'465;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

// Whole days since 1899-12-30 of a proleptic Gregorian date; month and day carry linearly.
std::int64_t wholeDays(std::int64_t year, std::int64_t month, std::int64_t day) {
  year += floorDiv(month - 1, 12);
  month = month - 1 - floorDiv(month - 1, 12) * 12 + 1;  // now 1 to 12
  // Days from civil (H. Hinnant), counted from 1970-01-01.
  const std::int64_t y = month <= 2 ? year - 1 : year;
  const std::int64_t era = floorDiv(y, 400);
  const std::int64_t yoe = y - era * 400;
  const std::int64_t mp = (month + 9) % 12;
  const std::int64_t doy = (153 * mp + 2) / 5;  // days before the 1st of the month, from March
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468 + kUnixEpochDay + (day - 1);
}

struct CivilDate {
  std::int64_t year;
  int month;
  int day;
};

CivilDate civilFromWholeDays(std::int64_t days) {
  const std::int64_t z = days - kUnixEpochDay + 719468;
  const std::int64_t era = floorDiv(z, 146097);
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {yoe + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

// Day 0 (1899-12-30) was a Saturday.
int dayOfWeekOf(std::int64_t days) { return static_cast<int>(((days + 6) % 7 + 7) % 7); }

DateTime dateAt(std::int64_t days, std::int64_t msOfDay) {
  if (days < kFirstDay || days > kLastDay + 1) return DateTime{};
  const CivilDate c = civilFromWholeDays(days);
  DateTime t;
  t.year = static_cast<std::uint16_t>(c.year);
  t.month = static_cast<std::uint16_t>(c.month);
  t.day = static_cast<std::uint16_t>(c.day);
  t.dayOfWeek = static_cast<std::uint16_t>(dayOfWeekOf(days));
  t.hour = static_cast<std::uint16_t>(msOfDay / 3'600'000);
  t.minute = static_cast<std::uint16_t>(msOfDay / 60'000 % 60);
  t.second = static_cast<std::uint16_t>(msOfDay / 1000 % 60);
  t.millisecond = static_cast<std::uint16_t>(msOfDay % 1000);
  return t;
}

}  // namespace

DayNumber toDayNumber(const DateTime& t) {
  const std::int64_t days = wholeDays(t.year, t.month, t.day);
  const double fraction =
      static_cast<double>(((t.hour * 60 + t.minute) * 60 + t.second) * 1000LL + t.millisecond) /
      static_cast<double>(kMsPerDay);
  const double whole = static_cast<double>(days);
  return days >= 0 ? whole + fraction : whole - fraction;
}

DateTime fromDayNumber(DayNumber n) {
  if (!std::isfinite(n)) return DateTime{};
  const double whole = std::trunc(n);
  if (whole < static_cast<double>(kFirstDay) || whole > static_cast<double>(kLastDay)) {
    return DateTime{};
  }
  const std::int64_t days = static_cast<std::int64_t>(whole);
  const std::int64_t msOfDay = std::llround(std::fabs(n - whole) * static_cast<double>(kMsPerDay));
  // Rounding may reach midnight of the next day.
  const std::int64_t total = days * kMsPerDay + msOfDay;
  return dateAt(floorDiv(total, kMsPerDay), total - floorDiv(total, kMsPerDay) * kMsPerDay);
}

DateTime addDays(int year, int month, int day, int n) {
  return dateAt(wholeDays(year, month, day) + n, 0);
}

int daySpan(std::string_view firstText, std::string_view lastText) {
  if (firstText.empty() || lastText.empty()) return 0;
  const DateFields first = readDateText(firstText);
  const DateFields last = readDateText(lastText);
  if (!first.complete() || !last.complete()) return 0;
  const std::int64_t span =
      wholeDays(last.year, last.month, last.day) - wholeDays(first.year, first.month, first.day) + 1;
  return static_cast<int>(span);
}

bool DayChangeDetector::dayChanged(DayNumber now) {
  const DayNumber whole = std::trunc(now);
  if (whole == stored_) return false;
  stored_ = whole;
  return true;
}

}  // namespace coinest
