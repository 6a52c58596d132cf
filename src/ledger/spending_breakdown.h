#pragma once

// Where a settlement month's money went: the expense of each major category, largest first,
// with its share of the month's expense. It is read off the settlement itself, so the chart and
// the settlement page always show the same numbers (card bills and the carry-over stay out).

#include <string>
#include <vector>

#include "ledger/settlement.h"
#include "ledger/total_amount.h"

namespace coinest {

struct SpendingShare {
  std::string name;        // the major category
  TotalAmount total = 0;   // above 0
  std::string totalText;   // plain form, as the settlement page writes it
  double share = 0;        // of the month's expense, 0 to 1
  std::string shareText;   // "35.2%"
};

struct SpendingBreakdown {
  SettlementPeriod period;
  TotalAmount expense = 0;  // the settlement's 지출계
  std::string expenseText;
  // The expense majors with a total above 0, largest first; equal totals keep the page's order.
  std::vector<SpendingShare> shares;
};

SpendingBreakdown spendingBreakdown(const Settlement& settlement);

// The slices of a pie that stays readable: when there are more than `maxSlices` shares, the first
// `maxSlices` - 1 as they are and the rest summed into one slice named "나머지 N개" (N the count;
// short, so the chart's legend has room for it). REQUIRES: maxSlices >= 2.
std::vector<SpendingShare> pieSlices(const SpendingBreakdown& breakdown, std::size_t maxSlices);

// The slice of pieSlices(breakdown, maxSlices) that share `shareIndex` of the breakdown's
// `shareCount` is drawn in: its own, or the last one for the shares summed into it.
std::size_t pieSliceOf(std::size_t shareIndex, std::size_t shareCount, std::size_t maxSlices);

// "35.2%": the share in percent with one decimal.
std::string shareText(double share);

}  // namespace coinest
