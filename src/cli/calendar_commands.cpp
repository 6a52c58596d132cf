// lunar, holiday and holidays: the calendar facts the books page shows beside a date.

#include "calendar/date_text.h"
#include "calendar/lunar_calendar.h"
#include "calendar/user_holidays.h"
#include "cli/calendar_years.h"
#include "cli/command_registry.h"
#include "cli/date_option.h"
#include "cli/output_line.h"
#include "platform/clock.h"
#include "store/holiday_table.h"

namespace coinest::cli {

namespace {

std::string lunarDate;
std::string holidayDate;
int holidaysYear = 0;

// The user's own days of <root>/holidays.txt join the book's holidays; each line left out is
// reported. Only the commands that show holidays read the file.
void loadUserDays(CommandContext& c) {
  UserHolidays user = loadUserHolidays(c.session.root);
  for (const std::string& problem : user.problems) c.err << problem << '\n';
  c.book().holidays.setUserDays(std::move(user.days));
}

const CommandRegistration kLunar{{
    "lunar",
    "the lunar date of DATE, as the books page writes it",
    [](CLI::App& app) { app.add_option("DATE", lunarDate, "a date, YYYY-MM-DD")->required()->check(checkDateOption); },
    [](CommandContext& c) {
      const CalendarDate d = *parseIsoDate(lunarDate.c_str());
      const std::optional<LunarDate> lunar = solarToLunar(d.year, d.month, d.day);
      if (!lunar) {
        c.err << "lunar: " << lunarDate << " lies outside the lunar table (1841-01-23 to 2051-02-11)\n";
        return kExitFailed;
      }
      printLine(c.out, {std::to_string(lunar->year), std::to_string(lunar->month), std::to_string(lunar->day),
                        lunar->leap ? "1" : "0", lunarCaption(*lunar)});
      return kExitDone;
    },
    true,
}};

const CommandRegistration kHoliday{{
    "holiday",
    "whether DATE is a holiday, and its name",
    [](CLI::App& app) {
      app.add_option("DATE", holidayDate, "a date, YYYY-MM-DD")->required()->check(checkDateOption);
    },
    [](CommandContext& c) {
      loadUserDays(c);
      if (const std::optional<std::string> name = holidayNameOf(c.book(), holidayDate)) {
        printLine(c.out, {"yes", *name});
      } else {
        printLine(c.out, {"no"});
      }
      return kExitDone;
    },
    true,
}};

const CommandRegistration kHolidays{{
    "holidays",
    "the holidays of YEAR, one DATE<TAB>NAME line each, in date order",
    [](CLI::App& app) {
      app.add_option("YEAR", holidaysYear, "a year, " + calendarYearsText())
          ->required()
          ->check(CLI::Range(kFirstCalendarYear, kLastCalendarYear));
    },
    [](CommandContext& c) {
      loadUserDays(c);
      for (const HolidayDay& day : holidaysOfYear(c.book(), holidaysYear)) printLine(c.out, {day.date, day.name});
      return kExitDone;
    },
    true,
}};

}  // namespace

}  // namespace coinest::cli
