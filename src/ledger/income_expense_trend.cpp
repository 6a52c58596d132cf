#include "ledger/income_expense_trend.h"

#include <cstdio>

namespace coinest {

namespace {

// "07.1": two digits of the year, so a label fits the width of one month on the chart's axis.
std::string yearMonthLabel(YearMonth month) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d.%d", month.year % 100, month.month);
  return text;
}

}  // namespace

IncomeExpenseTrend incomeExpenseTrend(Book& book, YearMonth lastMonth, int startDay) {
  IncomeExpenseTrend trend;
  YearMonth month = lastMonth;
  for (int i = 0; i < 11; ++i) month = previousMonth(month.year, month.month);
  for (std::size_t i = 0; i < trend.months.size(); ++i) {
    const Settlement settlement = settleMonth(book, month, startDay, {});
    MonthTotals& totals = trend.months[i];
    totals.month = month;
    totals.label = (i == 0 || month.month == 1) ? yearMonthLabel(month) : std::to_string(month.month) + "월";
    totals.income = settlement.totals.income;
    totals.expense = settlement.totals.expense;
    trend.income += totals.income;
    trend.expense += totals.expense;
    month = nextMonth(month.year, month.month);
  }
  return trend;
}

}  // namespace coinest
