#pragma once

// Which settlement month the settlement page shows: the month at start, and the page's moves
// (previous, next, back to today's). A settlement month (Y, M) runs from the start day of M to
// the day before it in the next month.

#include <string_view>

#include "calendar/date_text.h"

namespace coinest {

inline constexpr int kFirstSettlementStartDay = 1;
inline constexpr int kLastSettlementStartDay = 28;

// The start day held by the `settlementStartDay` setting. The settings only ever store "1" to
// "28"; any other text (empty, not a number, out of range) counts as 1, the default, so the
// period of a month is always a real range of dates.
int settlementStartDayOf(std::string_view settingText);

// The settlement month a date lies in: its own month, or the month before when its day is before
// `startDay` (January steps back to December of the year before).
YearMonth settlementMonthOf(int year, int month, int day, int startDay);

enum class SettlementMove {
  Previous,  // one month back, January to December of the year before
  Next,      // one month on, December to January of the next year
  Current,   // the settlement month of today
};

// The settlement month after `move` from `shown`, with `today` and `startDay` for Current.
YearMonth moveSettlementMonth(YearMonth shown, SettlementMove move, const TodayDate& today, int startDay);

}  // namespace coinest
