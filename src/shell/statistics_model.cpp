#include "shell/statistics_model.h"

#include "platform/object_store.h"
#include "shell/settlement_page.h"
#include "shell/shell_context.h"
#include "store/book.h"

namespace coinest {

namespace {

std::string monthText(YearMonth month) { return std::to_string(month.year) + "년 " + std::to_string(month.month) + "월"; }

// Reads `value` afresh under one read snapshot unless the last read was whole; a read that failed
// half-way (another process took a table away) is shown but read again next time.
template <typename Value, typename Read>
const Value& readWhole(Book& book, Value& value, bool& whole, Status& status, Read read) {
  if (whole) return value;
  TransactionGuard snapshot(book.store, TransactionKind::Read);
  value = read();
  status = snapshot.finish();
  whole = status.isOk();
  return value;
}

}  // namespace

StatisticsModel::StatisticsModel(Book& book, YearMonth month, int startDay)
    : book_(book), month_(month), startDay_(startDay) {}

StatisticsModel StatisticsModel::ofShell(ShellContext& context) {
  return StatisticsModel(context.book, shownSettlementMonth(context), settlementStartDay(context));
}

void StatisticsModel::move(SettlementMove move) {
  const YearMonth moved = moveSettlementMonth(month_, move, today(book_.clock), startDay_);
  if (moved == month_) return;
  month_ = moved;
  spendingWhole_ = false;
  trendWhole_ = false;
}

const SpendingBreakdown& StatisticsModel::spending() {
  return readWhole(book_, spending_, spendingWhole_, readStatus_,
                   [this] { return spendingBreakdown(settleMonth(book_, month_, startDay_, {})); });
}

const IncomeExpenseTrend& StatisticsModel::trend() {
  return readWhole(book_, trend_, trendWhole_, readStatus_, [this] { return incomeExpenseTrend(book_, month_, startDay_); });
}

std::string StatisticsModel::trendHeading() {
  const IncomeExpenseTrend& t = trend();
  return monthText(t.months.front().month) + " ~ " + monthText(t.months.back().month);
}

}  // namespace coinest
