#pragma once

// The statistics window without the window: the settlement month it shows, its moves (as the
// settlement page moves), and the two charts' numbers, read under one snapshot of the book.

#include <filesystem>
#include <string>

#include "calendar/date_text.h"
#include "ledger/income_expense_trend.h"
#include "ledger/settlement_month.h"
#include "ledger/spending_breakdown.h"
#include "platform/device_root.h"
#include "platform/status.h"

namespace coinest {

struct Book;
struct ShellContext;

class StatisticsModel {
 public:
  // REQUIRES: month a real month, startDay in 1..28.
  StatisticsModel(Book& book, YearMonth month, int startDay);

  // Opens on the month the settlement page shows (the current settlement month when it shows
  // none yet), with the start day of the settings.
  static StatisticsModel ofShell(ShellContext& context);

  YearMonth month() const { return month_; }
  int startDay() const { return startDay_; }
  void move(SettlementMove move);

  // The month's expense by major category; read again after a move.
  const SpendingBreakdown& spending();
  // The twelve settlement months ending with the month; read again after a move.
  const IncomeExpenseTrend& trend();
  // "2006년 4월 ~ 2007년 3월": the months the trend covers.
  std::string trendHeading();

  // Whether the last read saw the whole book; a read that failed half-way (another process took
  // a table away) is read again at the next look, and the reason says why.
  const Status& readStatus() const { return readStatus_; }

  // The device root of the book shown: a picture saved from the window must not land among its files.
  std::filesystem::path deviceRoot() const { return deviceRootOfStoreFile(book_.store.path()); }

 private:
  Book& book_;
  YearMonth month_;
  int startDay_;
  SpendingBreakdown spending_;
  bool spendingWhole_ = false;
  IncomeExpenseTrend trend_;
  bool trendWhole_ = false;
  Status readStatus_;
};

}  // namespace coinest
