#include "shell/settlement_page.h"

#include <array>
#include <string>
#include <utility>

#include "ledger/settlement_month.h"
#include "shell/command_ids.h"
#include "shell/list_rows.h"
#include "shell/shell_context.h"
#include "store/yes_no_flag.h"

namespace coinest {

namespace {

// The value fields of the ten totals, in the order settlementTotalTexts gives them: 전월이월,
// 수입계, 지출계, 잔액, 현금수입, 계좌수입, 현금지출, 계좌지출, 카드지출, 기타지출.
constexpr std::array<int, 10> kTotalFields = {
    kCarriedOverTotal, kIncomeTotal,       kExpenseTotal,       kBalanceTotal,     kCashIncomeTotal,
    kAccountIncomeTotal, kCashExpenseTotal, kAccountExpenseTotal, kCardExpenseTotal, kOtherExpenseTotal};

}  // namespace

int settlementStartDay(const ShellContext& context) {
  return settlementStartDayOf(context.state.settings.settlementStartDay);
}

YearMonth shownSettlementMonth(ShellContext& context) {
  ShellState& state = context.state;
  if (state.settlementMonth < 1 || state.settlementMonth > 12) {
    const YearMonth current =
        moveSettlementMonth(YearMonth{}, SettlementMove::Current, today(context.book.clock), settlementStartDay(context));
    state.settlementYear = current.year;
    state.settlementMonth = current.month;
  }
  return {state.settlementYear, state.settlementMonth};
}

namespace {

// The tally of the shown month, kept or read under one snapshot of the book (no write lock: the
// user only looks). A read that failed half-way is not kept, so the next look reads again.
const SettlementTally& shownTally(ShellContext& context) {
  SettlementPageState& page = context.settlement;
  if (page.periodKey.empty()) page.cache.invalidate();
  const YearMonth month = shownSettlementMonth(context);
  TransactionGuard snapshot(context.book.store, TransactionKind::Read);
  const SettlementTally& tally = page.cache.tally(context.book, month, settlementStartDay(context));
  const Status read = snapshot.finish();
  context.tellOnce(read);
  page.periodKey = read ? firstOfMonthText(month.year, month.month) : std::string();
  return tally;
}

int& rememberedRow(ShellContext& context) { return context.state.selectedRow[static_cast<int>(ListPage::Settlement)]; }

void fillDetailList(ShellContext& context) {
  const int row = context.screen.selectedRow(kSettlementList);
  std::vector<ListRowCells> cells;
  if (row >= 0 && row < static_cast<int>(context.settlement.rows.size())) {
    for (const EntryListRow& entry : settlementRowEntries(shownTally(context), context.settlement.rows[row]))
      cells.push_back(entryListCells(entry));
  }
  context.screen.setRows(kSettlementDetailList, std::move(cells));
}

// Selects `row` (nothing outside the list), remembers it with its name and key, and shows its
// entries while the detail list is open.
void selectRow(ShellContext& context, int row) {
  Screen& screen = context.screen;
  static_cast<void>(selectListRow(screen, kSettlementList, row, rememberedRow(context)));  // no record id
  const int selected = rememberedRow(context);
  context.settlement.selectedName = std::string(screen.cell(kSettlementList, selected, 1));
  context.settlement.selectedKey = std::string(screen.cell(kSettlementList, selected, 3));
  if (context.state.settlementPanel == PanelMode::Detail) fillDetailList(context);
}

void fillList(ShellContext& context) {
  const SettlementTally& tally = shownTally(context);
  const ConSettings& settings = context.state.settings;
  Settlement view = settlementView(tally, {isYes(settings.showUsedOnly), context.settlement.minorRows});

  std::vector<ListRowCells> cells;
  cells.reserve(view.rows.size());
  for (const SettlementRow& row : view.rows) cells.push_back({row.group, row.name, row.totalText, settlementRowKey(row)});
  Screen& screen = context.screen;
  screen.setRows(kSettlementList, std::move(cells));
  context.settlement.rows = std::move(view.rows);

  screen.setText(kSettlementMonthField, view.period.heading);
  const auto totals = settlementTotalTexts(view.totals);
  for (std::size_t i = 0; i < kTotalFields.size(); ++i) screen.setText(kTotalFields[i], totals[i].text);
}

// The row of the list that stands for `key`, else the major row of a minor row's key; -1 when the
// list shows neither.
int rowOfKey(const std::vector<SettlementRow>& rows, const std::string& key) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (settlementRowKey(rows[i]) == key) return static_cast<int>(i);
  }
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string major = settlementRowKey(rows[i]);
    if (!rows[i].isMinor && key.starts_with(major + '\t')) return static_cast<int>(i);
  }
  return -1;
}

int rowToSelect(ShellContext& context) {
  return rememberedRowIn(rememberedRow(context), context.screen.rowCount(kSettlementList));
}

void showMonth(ShellContext& context, YearMonth month) {
  context.state.settlementYear = month.year;
  context.state.settlementMonth = month.month;
  rebuildSettlementList(context);
  context.focus(kSettlementList);
}

}  // namespace

std::string settlementRowKey(const SettlementRow& row) {
  std::string key = row.kind + '\t' + row.majorItem;
  if (row.isMinor) key += '\t' + row.minorItem;
  return key;
}

void rebuildSettlementList(ShellContext& context) {
  fillList(context);
  selectRow(context, rowToSelect(context));
}

void restoreSettlementList(ShellContext& context) {
  context.screen.selectRow(kSettlementList, -1);
  selectRow(context, rowToSelect(context));
}

void settlementSelectionChanged(ShellContext& context, int row) { selectRow(context, row); }

void moveSettlementMonth(ShellContext& context, int step) {
  const SettlementMove move = step < 0 ? SettlementMove::Previous : step > 0 ? SettlementMove::Next : SettlementMove::Current;
  showMonth(context, moveSettlementMonth(shownSettlementMonth(context), move, today(context.book.clock), settlementStartDay(context)));
}

void showSettlementMonth(ShellContext& context, int year, int month) { showMonth(context, {year, month}); }

void showSettlementDetail(ShellContext& context) {
  if (context.screen.rowCount(kSettlementList) == 0) return;
  if (context.screen.selectedRow(kSettlementList) < 0) selectRow(context, rowToSelect(context));
  fillDetailList(context);
  switchPanel(context, context.state.settlementPanel, PanelMode::Detail, kSettlementList);
}

void hideSettlementDetail(ShellContext& context) {
  switchPanel(context, context.state.settlementPanel, PanelMode::List, kSettlementList);
}

void toggleSettlementMinorRows(ShellContext& context) {
  SettlementPageState& page = context.settlement;
  page.minorRows = !page.minorRows;
  context.screen.commandBar.minorRowsPressed = page.minorRows;
  context.screen.touch();
  const std::string key = page.selectedKey;
  fillList(context);
  const int row = rowOfKey(page.rows, key);
  selectRow(context, row >= 0 ? row : rowToSelect(context));
  context.focus(kSettlementList);
}

void forgetSettlementRead(ShellContext& context) {
  context.settlement.periodKey.clear();
  context.settlement.cache.invalidate();
}

}  // namespace coinest
