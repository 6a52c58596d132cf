#include "ledger/settlement.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <tuple>
#include <utility>

#include "calendar/amount.h"
#include "store/category_tables.h"
#include "store/entry_kind.h"
#include "store/entry_table.h"
#include "store/yes_no_flag.h"

namespace coinest {

namespace {

void addByMeans(MeansSums& sums, const LedgerEntry& e) {
  sums.total += e.amount;
  if (isYes(e.cardFlag)) {
    sums.card += e.amount;
  } else if (isYes(e.phoneFlag) || isYes(e.checkCardFlag)) {
    sums.other += e.amount;
  } else if (e.assetId != 0) {
    sums.account += e.amount;
  } else {
    sums.cash += e.amount;
  }
}

// Puts the minors of the category table first, in their stored order.
void orderMinorsByTable(Book& book, int32_t majorId, std::vector<MinorTally>& minors) {
  std::vector<MinorTally> ordered;
  ordered.reserve(minors.size());
  std::vector<bool> taken(minors.size(), false);
  for (const MinorItem& item : loadMinorItems(book, majorId).items) {
    for (std::size_t i = 0; i < minors.size(); ++i) {
      // A name the table holds twice is listed once.
      if (taken[i] || minors[i].name != item.itemName) continue;
      ordered.push_back(std::move(minors[i]));
      taken[i] = true;
      break;
    }
  }
  for (std::size_t i = 0; i < minors.size(); ++i) {
    if (!taken[i]) ordered.push_back(std::move(minors[i]));
  }
  minors = std::move(ordered);
}

}  // namespace

SettlementPeriod settlementPeriod(YearMonth month, int startDay) {
  SettlementPeriod period;
  char heading[96];
  if (startDay <= 1) {
    const int lastDay = daysInMonth(month.year, month.month);
    period.first = formatDateText(month.year, month.month, 1);
    period.last = formatDateText(month.year, month.month, lastDay);
    std::snprintf(heading, sizeof heading, "%04d년 %d월 (%d/1~%d/%d)", month.year, month.month, month.month,
                  month.month, lastDay);
  } else {
    const YearMonth next = nextMonth(month.year, month.month);
    period.first = formatDateText(month.year, month.month, startDay);
    period.last = formatDateText(next.year, next.month, startDay - 1);
    std::snprintf(heading, sizeof heading, "%04d년 %d월 (%d/%d~%d/%d)", month.year, month.month, month.month,
                  startDay, next.month, startDay - 1);
  }
  period.heading = heading;
  return period;
}

SettlementTally readSettlement(Book& book, YearMonth month, int startDay) {
  SettlementTally tally;
  tally.month = month;
  tally.startDay = startDay;
  tally.period = settlementPeriod(month, startDay);

  // (kind, name) -> category; the first of equal names takes the entries.
  std::map<std::pair<std::string, std::string>, std::size_t> byName;
  std::vector<int32_t> majorIds;  // of the categories in the table, by index
  for (const std::string_view kind : {kIncomeKind, kExpenseKind}) {
    for (const MajorItem& item : loadMajorItems(book, kind).items) {
      if (!byName.emplace(std::make_pair(item.itemKind, item.itemName), tally.categories.size()).second) continue;
      tally.categories.push_back(CategoryTally{item.itemKind, item.itemName, true, {}, {}});
      majorIds.push_back(item.majorId);
    }
  }

  for (LedgerEntry& e : entriesInRange(book, tally.period.first, tally.period.last)) {
    // Transfers take no part; a kind the program never writes has no group to count in.
    if (e.entryKind != kIncomeKind && e.entryKind != kExpenseKind) continue;
    const auto [it, added] = byName.emplace(std::make_pair(e.entryKind, e.majorItem), tally.categories.size());
    if (added) tally.categories.push_back(CategoryTally{e.entryKind, e.majorItem, false, {}, {}});
    CategoryTally& category = tally.categories[it->second];
    addByMeans(category.sums, e);
    auto minor = std::find_if(category.minors.begin(), category.minors.end(),
                              [&](const MinorTally& m) { return m.name == e.minorItem; });
    if (minor == category.minors.end()) minor = category.minors.insert(minor, MinorTally{e.minorItem, 0});
    minor->total += e.amount;
    tally.entries.push_back(std::move(e));
  }

  for (std::size_t i = 0; i < majorIds.size(); ++i) {
    if (!tally.categories[i].minors.empty()) orderMinorsByTable(book, majorIds[i], tally.categories[i].minors);
  }
  // Income before expense; a deleted category's row ends its group.
  std::stable_sort(tally.categories.begin(), tally.categories.end(),
                   [](const CategoryTally& a, const CategoryTally& b) { return a.kind < b.kind; });
  return tally;
}

Settlement settlementView(const SettlementTally& tally, SettlementOptions options) {
  Settlement view;
  view.period = tally.period;
  SettlementTotals& t = view.totals;
  bool carryOverFound = false;
  bool incomeLabelled = false;
  bool expenseLabelled = false;
  for (const CategoryTally& c : tally.categories) {
    const MeansSums& s = c.sums;
    if (c.name == kCarryOverCategory) {
      if (!carryOverFound) t.carryOver = s.total;
      carryOverFound = true;
      continue;
    }
    if (c.name == kCardPaymentCategory) continue;
    if (options.showUsedOnly && s.total == 0) continue;

    const bool income = c.kind == kIncomeKind;
    bool& labelled = income ? incomeLabelled : expenseLabelled;
    SettlementRow row;
    row.group = labelled ? "" : income ? "수입" : "지출";
    labelled = true;
    row.name = c.name;
    row.total = s.total;
    row.totalText = formatTotalAmount(s.total);
    row.kind = c.kind;
    row.majorItem = c.name;
    view.rows.push_back(std::move(row));

    if (income) {
      t.income += s.total;
      t.cashIncome += s.cash;
      t.accountIncome += s.account;
    } else {
      t.expense += s.total;
      t.cashExpense += s.cash;
      t.accountExpense += s.account;
      t.cardExpense += s.card;
      t.otherExpense += s.other;
    }

    if (!options.withMinors) continue;
    for (const MinorTally& m : c.minors) {
      if (m.total <= 0) continue;
      SettlementRow minorRow;
      minorRow.name = " - " + m.name;
      minorRow.total = m.total;
      minorRow.totalText = formatTotalAmount(m.total);
      minorRow.kind = c.kind;
      minorRow.majorItem = c.name;
      minorRow.isMinor = true;
      minorRow.minorItem = m.name;
      view.rows.push_back(std::move(minorRow));
    }
  }
  return view;
}

Settlement settleMonth(Book& book, YearMonth month, int startDay, SettlementOptions options) {
  return settlementView(readSettlement(book, month, startDay), options);
}

std::array<LabelledTotal, 10> settlementTotalTexts(const SettlementTotals& t) {
  return {{
      {"전월이월", formatTotalAmount(t.carryOver)},
      {"수입계", formatTotalAmount(t.income)},
      {"지출계", formatTotalAmount(t.expense)},
      {"잔액", formatSignedTotalAmount(t.difference())},
      {"현금수입", formatTotalAmount(t.cashIncome)},
      {"계좌수입", formatTotalAmount(t.accountIncome)},
      {"현금지출", formatTotalAmount(t.cashExpense)},
      {"계좌지출", formatTotalAmount(t.accountExpense)},
      {"카드지출", formatTotalAmount(t.cardExpense)},
      {"기타지출", formatTotalAmount(t.otherExpense)},
  }};
}

std::vector<EntryListRow> settlementRowEntries(const SettlementTally& tally, const SettlementRow& row) {
  std::vector<const LedgerEntry*> picked;
  for (const LedgerEntry& e : tally.entries) {
    if (e.entryKind != row.kind || e.majorItem != row.majorItem) continue;
    if (row.isMinor && e.minorItem != row.minorItem) continue;
    picked.push_back(&e);
  }
  std::sort(picked.begin(), picked.end(), [](const LedgerEntry* a, const LedgerEntry* b) {
    return std::tie(a->entryDate, a->entryKind, a->entryId) < std::tie(b->entryDate, b->entryKind, b->entryId);
  });
  std::vector<EntryListRow> rows;
  rows.reserve(picked.size());
  for (const LedgerEntry* e : picked) {
    rows.push_back(entryListRowOf(*e));
  }
  return rows;
}

}  // namespace coinest
