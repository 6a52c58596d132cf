#pragma once

// How a year went: income, expense and their difference for the twelve settlement months that
// end with a given one, each summed exactly as the settlement page sums its month.

#include <array>
#include <string>

#include "calendar/date_text.h"
#include "ledger/settlement.h"
#include "ledger/total_amount.h"
#include "store/book.h"

namespace coinest {

struct MonthTotals {
  YearMonth month;
  std::string label;  // "3월", or "07.1" (the year in two digits) for each January and the first month
  TotalAmount income = 0;
  TotalAmount expense = 0;
  TotalAmount difference() const { return income - expense; }
};

struct IncomeExpenseTrend {
  std::array<MonthTotals, 12> months;  // oldest first; the last is `lastMonth`
  TotalAmount income = 0;              // the twelve months together
  TotalAmount expense = 0;
  TotalAmount difference() const { return income - expense; }
};

// Reads twelve settlement months of `startDay` ending with `lastMonth` (REQUIRES: a real month,
// startDay in 1..28). A table that cannot be opened reads as empty, as the settlement does.
IncomeExpenseTrend incomeExpenseTrend(Book& book, YearMonth lastMonth, int startDay);

}  // namespace coinest
