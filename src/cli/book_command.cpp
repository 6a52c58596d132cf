// book: the books page's list for a date and a view mode, with its totals and selected row.

#include "cli/calendar_years.h"
#include "cli/command_registry.h"
#include "cli/output_line.h"
#include "ledger/book_view.h"
#include "platform/clock.h"

namespace coinest::cli {

namespace {

std::string bookDate;
std::string bookMode = "D";  // the page's own start mode

std::string checkBookDate(const std::string& text) {
  const std::optional<CalendarDate> d = parseIsoDate(text.c_str());
  // The program's years keep the view's month arithmetic in four digits.
  if (d && d->year >= kFirstCalendarYear && d->year <= kLastCalendarYear) return {};
  return "\"" + text + "\" is not a valid date of the form YYYY-MM-DD (years " + calendarYearsText() + ")";
}

const CommandRegistration kBook{{
    "book",
    "the books list of DATE by day, week or month, with its totals",
    [](CLI::App& app) {
      app.add_option("DATE", bookDate, "the current date, YYYY-MM-DD")->required()->check(checkBookDate);
      app.add_option("--mode", bookMode, "D day, W week, M month (default D)")
          ->check(CLI::IsMember({"D", "W", "M"}));
    },
    [](CommandContext& c) {
      BookReadCache cache;
      const BookView view = buildBookView(c.book(), cache, {bookDate, *bookViewModeOf(bookMode.at(0)), 0});
      printLine(c.out, {"range", view.period.start, view.period.end});
      for (const BookRow& row : view.rows) {
        printLine(c.out, {"row", row.date, row.content, row.amount, std::to_string(row.entryId)});
      }
      printLine(c.out, {"income", view.income});
      printLine(c.out, {"expense", view.expense});
      printLine(c.out, {"cash", view.cash});
      printLine(c.out, {"selected", view.selectedRow ? std::to_string(view.rows[*view.selectedRow].entryId) : ""});
      return kExitDone;
    },
    true,
}};

}  // namespace

}  // namespace coinest::cli
