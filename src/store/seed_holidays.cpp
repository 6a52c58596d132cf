#include "store/book_seeds.h"

#include "calendar/date_text.h"
#include "calendar/day_number.h"
#include "platform/clock.h"
#include "store/record_layout.h"
#include "store/table_catalogue.h"

namespace coinest {

namespace {

struct LunarHolidays {
  int year;
  CalendarDate seollal;   // lunar 1/1
  CalendarDate buddha;    // lunar 4/8
  CalendarDate chuseok;   // lunar 8/15
};

// The solar dates of the three lunar holidays in the years the table covers.
const LunarHolidays kLunar[] = {
    {2005, {2005, 2, 9}, {2005, 5, 15}, {2005, 9, 18}},
    {2006, {2006, 1, 29}, {2006, 5, 5}, {2006, 10, 6}},
    {2007, {2007, 2, 18}, {2007, 5, 24}, {2007, 9, 25}},
    {2008, {2008, 2, 7}, {2008, 5, 12}, {2008, 9, 14}},
    {2009, {2009, 1, 26}, {2009, 5, 2}, {2009, 10, 3}},
};

std::string text(const CalendarDate& d) { return formatDateText(d.year, d.month, d.day); }

std::string dayBeside(const CalendarDate& d, int offset) {
  const DateTime t = addDays(d.year, d.month, d.day, offset);
  return formatDateText(t.year, t.month, t.day);
}

}  // namespace

void seedHolidays(ObjectStore& store) {
  TableHandle table = store.openTable(kHolidaysTable, 0);
  for (const LunarHolidays& y : kLunar) {
    const int32_t base = (y.year - 2005) * 20;
    const int year = y.year;
    auto row = [&](int32_t number, std::string date, const char* name, const char* lunar) {
      table.writeRecord(propsOf(Holiday{base + number, std::move(date), name, lunar}));
    };
    row(1, formatDateText(year, 1, 1), "신정", "");
    row(2, dayBeside(y.seollal, -1), "", "");
    row(3, text(y.seollal), "설날", "01/01");
    row(4, dayBeside(y.seollal, 1), "", "");
    row(5, formatDateText(year, 3, 1), "삼일절", "");
    // Arbor Day stopped being a day off after 2005.
    if (year == 2005) row(6, formatDateText(year, 4, 5), "식목일", "");
    row(7, text(y.buddha), "석가탄신일", "04/08");
    row(8, formatDateText(year, 5, 5), "어린이날", "");
    row(9, formatDateText(year, 6, 6), "현충일", "");
    row(10, formatDateText(year, 7, 17), "제헌절", "");
    row(11, formatDateText(year, 8, 15), "광복절", "");
    row(12, dayBeside(y.chuseok, -1), "", "");
    row(13, text(y.chuseok), "추석", "08/15");
    row(14, dayBeside(y.chuseok, 1), "", "");
    row(15, formatDateText(year, 10, 3), "개천절", "");
    row(16, formatDateText(year, 12, 25), "성탄절", "");
  }
}

}  // namespace coinest
