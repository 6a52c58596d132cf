#include "platform/clock.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace coinest {

LocalTime SystemClock::now() const {
  using namespace std::chrono;
  const auto point = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(point);
  std::tm local{};
  localtime_r(&seconds, &local);
  LocalTime t;
  t.year = local.tm_year + 1900;
  t.month = local.tm_mon + 1;
  t.day = local.tm_mday;
  t.hour = local.tm_hour;
  t.minute = local.tm_min;
  t.second = local.tm_sec;
  t.millisecond = static_cast<int>(duration_cast<milliseconds>(point.time_since_epoch()).count() % 1000);
  return t;
}

LocalTime FixedDateClock::now() const {
  LocalTime t = SystemClock().now();
  t.year = year_;
  t.month = month_;
  t.day = day_;
  return t;
}

std::optional<CalendarDate> parseIsoDate(const char* text) {
  if (text == nullptr || std::strlen(text) != 10 || text[4] != '-' || text[7] != '-') {
    return std::nullopt;
  }
  int parts[3] = {0, 0, 0};
  const int starts[3] = {0, 5, 8};
  const int lengths[3] = {4, 2, 2};
  for (int p = 0; p < 3; ++p) {
    for (int i = 0; i < lengths[p]; ++i) {
      const char c = text[starts[p] + i];
      if (c < '0' || c > '9') return std::nullopt;
      parts[p] = parts[p] * 10 + (c - '0');
    }
  }
  const int year = parts[0], month = parts[1], day = parts[2];
  if (year < 1 || month < 1 || month > 12 || day < 1) return std::nullopt;
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  const int last = month == 2 && leap ? 29 : kDays[month - 1];
  if (day > last) return std::nullopt;
  return CalendarDate{year, month, day};
}

std::unique_ptr<Clock> makeClock(std::optional<CalendarDate> todayOverride, bool* envMalformed) {
  if (envMalformed) *envMalformed = false;
  if (!todayOverride) {
    if (const char* env = std::getenv("COINEST_TODAY"); env != nullptr && *env != '\0') {
      todayOverride = parseIsoDate(env);
      if (!todayOverride && envMalformed) *envMalformed = true;
    }
  }
  if (todayOverride) {
    return std::make_unique<FixedDateClock>(todayOverride->year, todayOverride->month, todayOverride->day);
  }
  return std::make_unique<SystemClock>();
}

}  // namespace coinest
