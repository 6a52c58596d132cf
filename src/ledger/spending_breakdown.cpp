#include "ledger/spending_breakdown.h"

#include <algorithm>
#include <cstdio>

#include "store/entry_kind.h"

namespace coinest {

namespace {

double shareOf(TotalAmount part, TotalAmount whole) {
  return whole > 0 ? static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

SpendingShare makeShare(std::string name, TotalAmount total, TotalAmount whole) {
  const double share = shareOf(total, whole);
  return {std::move(name), total, formatTotalAmount(total), share, shareText(share)};
}

}  // namespace

std::string shareText(double share) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f%%", share * 100.0);
  return text;
}

SpendingBreakdown spendingBreakdown(const Settlement& settlement) {
  SpendingBreakdown breakdown;
  breakdown.period = settlement.period;
  breakdown.expense = settlement.totals.expense;
  breakdown.expenseText = formatTotalAmount(breakdown.expense);
  for (const SettlementRow& row : settlement.rows) {
    if (row.isMinor || row.kind != kExpenseKind || row.total <= 0) continue;
    breakdown.shares.push_back(makeShare(row.name, row.total, breakdown.expense));
  }
  std::stable_sort(breakdown.shares.begin(), breakdown.shares.end(),
                   [](const SpendingShare& a, const SpendingShare& b) { return a.total > b.total; });
  return breakdown;
}

std::vector<SpendingShare> pieSlices(const SpendingBreakdown& breakdown, std::size_t maxSlices) {
  const std::vector<SpendingShare>& shares = breakdown.shares;
  if (shares.size() <= maxSlices) return shares;
  std::vector<SpendingShare> slices(shares.begin(), shares.begin() + static_cast<std::ptrdiff_t>(maxSlices - 1));
  TotalAmount rest = 0;
  for (std::size_t i = maxSlices - 1; i < shares.size(); ++i) rest += shares[i].total;
  const std::size_t restCount = shares.size() - (maxSlices - 1);
  slices.push_back(makeShare("나머지 " + std::to_string(restCount) + "개", rest, breakdown.expense));
  return slices;
}

std::size_t pieSliceOf(std::size_t shareIndex, std::size_t shareCount, std::size_t maxSlices) {
  return shareCount <= maxSlices ? shareIndex : std::min(shareIndex, maxSlices - 1);
}

}  // namespace coinest
