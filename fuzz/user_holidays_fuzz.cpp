// Fuzzes the reader of the user's holiday file: any bytes give days whose dates are ten
// characters that read as real dates and whose names are UTF-8 text without control characters,
// problems that are one line of UTF-8 text each, and a holiday calendar that takes the days and
// names each of them.
//
// Seed mode: with COINEST_FUZZ_WRITE_SEEDS=DIR set, the target writes a good file and a few
// damaged ones into DIR and exits.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "calendar/holiday_calendar.h"
#include "calendar/user_holidays.h"
#include "platform/clock.h"
#include "platform/utf8_text.h"
#include "seed_mode.h"

namespace {

using namespace coinest;

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

bool isText(std::string_view text) {
  return firstInvalidUtf8(text) == std::string_view::npos &&
         std::none_of(text.begin(), text.end(), [](char c) {
           const auto byte = static_cast<unsigned char>(c);
           return byte < 0x20 || byte == 0x7F;
         });
}

void writeSeeds(const std::filesystem::path& dir) {
  const std::string seeds[] = {
      "# family days\n2027-05-01\t근로자의 날\r\n\n2027-06-10\t\n2027-06-11\t결혼기념일\n",
      "2027-05-01\t첫째\n2027-05-01\t둘째\n2026-05-05\t가족 소풍\n",
      std::string("2027-05-01") + '\0' + "x\tname\n2027-02-30\tno day\n27-05-03\tshort\n",
      "2027-05-04\t\xff\xfe\n2027-05-05\ta\tb\n2027-05-06\n\xff\t\x01\n",
  };
  coinest::fuzz::writeSeedFiles(dir, seeds);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  coinest::fuzz::writeSeedsWhenAsked(writeSeeds);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  UserHolidays read = parseUserHolidays(bytes);
  for (const HolidayDay& day : read.days) {
    if (day.date.size() != kDateTextLength || !parseIsoDate(day.date.c_str())) fail("a day's date is no date");
    if (!isText(day.name)) fail("a day's name is no text");
  }
  for (const std::string& problem : read.problems) {
    if (!isText(problem)) fail("a problem is not one line of text");
  }
  HolidayCalendar calendar;
  calendar.setUserDays(read.days);
  for (const HolidayDay& day : read.days) {
    if (!calendar.nameOf(day.date)) fail("a day of the file is no holiday of the calendar");
  }
  return 0;
}
