#pragma once

// The holidays the books page shows: the rows of "CoinestRest" for the years it holds rows for,
// and for every other year the holidays by rule with the user's own days (book.holidays).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/holiday_day.h"
#include "store/book.h"

namespace coinest {

// The name of the holiday on this date ("YYYY-MM-DD"), which is empty for the days beside 설날
// and 추석; nothing when the date is no holiday. In a year the table holds rows for, only its rows
// count, and of two rows for one day the one stored first (nothing when the table cannot be read);
// in any other year book.holidays answers. Whether the table holds the date's year is one seek in
// its date order, so the books page's redraw reads a row or two per lookup, never the whole table.
std::optional<std::string> holidayNameOf(Book& book, std::string_view date);

// The holidays of `year`, one per date in date order, named as holidayNameOf names them.
std::vector<HolidayDay> holidaysOfYear(Book& book, int year);

}  // namespace coinest
