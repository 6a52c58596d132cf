#pragma once

#include <cstdint>
#include <memory>
#include <optional>

namespace coinest {

// A local calendar date and time of day, as the device's clock reports it.
struct LocalTime {
  int year = 0;
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// The device's clock. The program asks it for "now" and never reads the system time itself,
// so a demo or a test can fix the date.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime now() const = 0;
};

// The machine's local time.
class SystemClock final : public Clock {
 public:
  LocalTime now() const override;
};

// Today's date is fixed; the time of day still runs, so timers behave as on a real day.
class FixedDateClock final : public Clock {
 public:
  FixedDateClock(int year, int month, int day) : year_(year), month_(month), day_(day) {}
  LocalTime now() const override;

 private:
  int year_;
  int month_;
  int day_;
};

struct CalendarDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

// Reads a date given on the command line or in COINEST_TODAY: exactly "YYYY-MM-DD", a real
// calendar date. Returns nothing for any other text.
std::optional<CalendarDate> parseIsoDate(const char* text);

// The clock the programs use: fixed to `todayOverride` when given, else to COINEST_TODAY when that
// is set and valid, else the system clock. `error` is set when COINEST_TODAY is set but malformed.
std::unique_ptr<Clock> makeClock(std::optional<CalendarDate> todayOverride, bool* envMalformed);

}  // namespace coinest
