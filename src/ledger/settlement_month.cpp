#include "ledger/settlement_month.h"

namespace coinest {

int settlementStartDayOf(std::string_view settingText) {
  if (settingText.empty() || settingText.size() > 2) return kFirstSettlementStartDay;
  int day = 0;
  for (char c : settingText) {
    if (c < '0' || c > '9') return kFirstSettlementStartDay;
    day = day * 10 + (c - '0');
  }
  if (day < kFirstSettlementStartDay || day > kLastSettlementStartDay) return kFirstSettlementStartDay;
  return day;
}

YearMonth settlementMonthOf(int year, int month, int day, int startDay) {
  if (day < startDay) return previousMonth(year, month);
  return {year, month};
}

YearMonth moveSettlementMonth(YearMonth shown, SettlementMove move, const TodayDate& today, int startDay) {
  switch (move) {
    case SettlementMove::Previous:
      return previousMonth(shown.year, shown.month);
    case SettlementMove::Next:
      return nextMonth(shown.year, shown.month);
    case SettlementMove::Current:
      return settlementMonthOf(today.year, today.month, today.day, startDay);
  }
  return shown;
}

}  // namespace coinest
