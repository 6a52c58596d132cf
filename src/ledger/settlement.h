#pragma once

// The settlement of one settlement month: income and expense by major category (and by minor
// category on request), split by means of payment, with the month's ten totals.
//
// It is computed in two steps so the page can keep the first: readSettlement reads the period's
// entries and the categories into a SettlementTally (the only step that touches the book), and
// settlementView turns a tally into the rows and totals shown, for the show-used-only setting and
// the minor-row switch. Transfers take no part. Sums are 64-bit, so a month whose amounts pass
// the 32-bit range still adds up.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/date_text.h"
#include "ledger/entry_row.h"
#include "ledger/total_amount.h"
#include "store/book.h"
#include "store/records.h"
#include "store/reserved_names.h"

namespace coinest {

// The dates a settlement month covers and the page's heading for it.
struct SettlementPeriod {
  DateText first;
  DateText last;
  std::string heading;  // "2007년 2월 (2/25~3/24)", or "2007년 2월 (2/1~2/28)" for start day 1
};

// REQUIRES: month.month in 1..12, startDay in 1..28 (settlementStartDayOf gives one).
// Start day 1: the calendar month. Otherwise from day `startDay` of the month to day
// `startDay` - 1 of the next (December runs into January of the next year).
SettlementPeriod settlementPeriod(YearMonth month, int startDay);

// The amounts of one category over the period and the means they were paid or received by.
struct MeansSums {
  TotalAmount total = 0;
  TotalAmount cash = 0;
  TotalAmount account = 0;
  TotalAmount card = 0;   // credit card
  TotalAmount other = 0;  // mobile phone or check card
};

struct MinorTally {
  std::string name;
  TotalAmount total = 0;
};

// One major category of the settlement, in table or found only in entries.
struct CategoryTally {
  std::string kind;  // kIncomeKind or kExpenseKind
  std::string name;
  bool inTable = true;  // false: only entries name it (the category was deleted)
  MeansSums sums;
  // The minors that have entries in the period: those of the category table in their stored
  // order, then names found only in entries in the order first met.
  std::vector<MinorTally> minors;
};

// The read of one settlement month, which the page keeps until the month or the data changes.
struct SettlementTally {
  YearMonth month;
  int startDay = 1;
  SettlementPeriod period;
  // Income majors, then expense majors; within each kind the table's order, then the majors
  // found only in entries in the order first met.
  std::vector<CategoryTally> categories;
  // The period's income and expense entries in date order.
  std::vector<LedgerEntry> entries;
};

// Reads the categories and the period's entries. A table that cannot be opened reads as empty.
SettlementTally readSettlement(Book& book, YearMonth month, int startDay);

// One row of the settlement list.
struct SettlementRow {
  std::string group;      // "수입" / "지출" on the first shown row of its group, else empty
  std::string name;       // the major's name, or " - " and the minor's name
  std::string totalText;  // plain form
  TotalAmount total = 0;
  // What the row stands for, to list its entries.
  std::string kind;
  std::string majorItem;
  bool isMinor = false;
  std::string minorItem;  // set for a minor row
};

// The totals, each summed over the shown major rows only; the carry-over is the total of the
// "전월이월" row, which is never shown. So carry-over income and "카드대금" payments count in
// neither income nor expense.
struct SettlementTotals {
  TotalAmount carryOver = 0;
  TotalAmount income = 0;
  TotalAmount expense = 0;
  TotalAmount cashIncome = 0;
  TotalAmount accountIncome = 0;
  TotalAmount cashExpense = 0;
  TotalAmount accountExpense = 0;
  TotalAmount cardExpense = 0;
  TotalAmount otherExpense = 0;

  TotalAmount difference() const { return income - expense; }
};

struct LabelledTotal {
  std::string_view label;
  std::string text;
};

// The ten totals as the page shows them, labelled 전월이월, 수입계, 지출계, 잔액, 현금수입,
// 계좌수입, 현금지출, 계좌지출, 카드지출, 기타지출 in that order; the difference (잔액) signed,
// the others plain.
std::array<LabelledTotal, 10> settlementTotalTexts(const SettlementTotals& totals);

struct SettlementOptions {
  bool showUsedOnly = false;  // the setting "결산시 내역이 있는 항목만 보이기" is yes
  bool withMinors = false;    // the minor rows are switched on
};

struct Settlement {
  SettlementPeriod period;
  std::vector<SettlementRow> rows;
  SettlementTotals totals;
};

// The rows and totals of a tally. A major row is shown unless it is named "전월이월" or
// "카드대금", or show-used-only is on and its total is 0. With minors, each shown major row is
// followed by its minors whose total is above 0.
Settlement settlementView(const SettlementTally& tally, SettlementOptions options);

// readSettlement and settlementView in one.
Settlement settleMonth(Book& book, YearMonth month, int startDay, SettlementOptions options);

// The tally's entries of the row's kind and major (and minor, for a minor row), sorted by date,
// then kind, then id, written as the book page writes them (prefix and reservation mark, income
// "+", expense "-"). They add up to the row's total.
std::vector<EntryListRow> settlementRowEntries(const SettlementTally& tally, const SettlementRow& row);

}  // namespace coinest
