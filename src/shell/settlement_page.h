#pragma once

// The settlement page: the settlement month's rows by category with the ten totals, the
// minor-rows switch and the detail list of one row's entries.

#include <string>
#include <vector>

#include "ledger/settlement.h"
#include "ledger/settlement_cache.h"

namespace coinest {

struct ShellContext;

struct SettlementPageState {
  bool minorRows = false;   // the switch kMinorRowsButton
  SettlementCache cache;
  std::string periodKey;    // "%04d-%02d-01" of the month the list shows; empty: read again
  std::string selectedName; // column 1 of the selected row
  std::string selectedKey;  // the hidden column 3 of the selected row
  std::vector<SettlementRow> rows;  // what the list shows, row by row
};

// The hidden column 3 of a settlement row: its kind and major, and its minor for a minor row,
// which together name the entries the row sums.
std::string settlementRowKey(const SettlementRow& row);

// Reads (or reuses) the settlement of `settlementYear`/`settlementMonth` and fills the list, the
// month field and the totals; the remembered row is selected.
void rebuildSettlementList(ShellContext& context);
// The list as it was with its remembered row selected.
void restoreSettlementList(ShellContext& context);
void settlementSelectionChanged(ShellContext& context, int row);
// kPreviousSettlementMonth (step -1), kNextSettlementMonth (step +1) and kCurrentSettlementMonth
// (step 0: the settlement month of today).
void moveSettlementMonth(ShellContext& context, int step);
// The year-month dialog chose a month.
void showSettlementMonth(ShellContext& context, int year, int month);
// kShowSettlementDetail and kHideSettlementDetail.
void showSettlementDetail(ShellContext& context);
void hideSettlementDetail(ShellContext& context);
// kMinorRowsButton: the list keeps the selected row's category where it is still shown.
void toggleSettlementMinorRows(ShellContext& context);
// The next rebuild reads the book again.
void forgetSettlementRead(ShellContext& context);

// The start day of the settings (1 when they hold none that is valid).
int settlementStartDay(const ShellContext& context);
// The settlement month the page shows; a state that holds none yet (or a month no calendar has)
// takes the settlement month of today, so the period is always a real range of dates.
YearMonth shownSettlementMonth(ShellContext& context);

}  // namespace coinest
