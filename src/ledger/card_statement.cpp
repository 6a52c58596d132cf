#include "ledger/card_statement.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <tuple>

#include "ledger/instalments.h"
#include "store/asset_kind.h"
#include "store/asset_table.h"
#include "store/entry_table.h"
#include "store/yes_no_flag.h"

namespace coinest {

namespace {

struct BilledCard {
  int32_t cardId = 0;
  DateRange range;
};

const BilledCard* findCard(const std::vector<BilledCard>& cards, int32_t cardId) {
  for (const BilledCard& card : cards) {
    if (card.cardId == cardId) return &card;
  }
  return nullptr;
}

std::string instalmentContent(int32_t k, int32_t n, const std::string& content) {
  if (n <= 1) return content;
  return "[" + std::to_string(k) + "/" + std::to_string(n) + "]" + content;
}

// A count above the bound is billed as the instalments its rows were written for.
StatementLine lineOf(const LedgerEntry& entry, int32_t k) {
  const int32_t n = billedInstalments(entry.instalments);
  StatementLine line;
  line.date = entry.entryDate;
  line.content = instalmentContent(k, n, entry.content);
  line.amount = instalmentAmount(entry.amount, n, k);
  line.kind = entry.entryKind;
  line.entryId = entry.entryId;
  line.instalmentNo = k;
  line.instalments = n;
  line.reserveId = entry.reserveId;
  line.note = entry.note;
  line.majorItem = entry.majorItem;
  line.minorItem = entry.minorItem;
  line.cardId = entry.assetId;
  return line;
}

// What instalments k+1 to n of the entry still bill.
TotalAmount afterInstalment(const LedgerEntry& entry, int32_t k) {
  const int32_t n = billedInstalments(entry.instalments);
  if (n <= 1 || k >= n) return 0;
  return TotalAmount{entry.amount} - TotalAmount{entry.amount / n} * k;
}

}  // namespace

bool hasCompleteBillingPeriod(const Asset& card) {
  return card.periodFromMonth > 0 && card.periodFromDay > 0 && card.periodToMonth > 0 && card.periodToDay > 0;
}

YearMonth billingPeriodMonth(int year, int month, int32_t periodMonth) {
  // The settings hold 1 to 3, giving months -1 to 12; any other stored value still lands in a real
  // month. Counted as 64-bit months, so no value overflows or takes long; a year beyond the
  // range of int is held at its end.
  const int64_t months = int64_t{year} * 12 + (int64_t{month} - 1) + (int64_t{periodMonth} - 3);
  int64_t y = months / 12;
  int64_t m = months % 12;
  if (m < 0) {
    m += 12;
    --y;
  }
  y = std::clamp<int64_t>(y, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  return {static_cast<int>(y), static_cast<int>(m) + 1};
}

std::optional<DateRange> billingPeriod(const Asset& card, int year, int month) {
  if (!hasCompleteBillingPeriod(card)) return std::nullopt;
  const YearMonth from = billingPeriodMonth(year, month, card.periodFromMonth);
  const YearMonth to = billingPeriodMonth(year, month, card.periodToMonth);
  return DateRange{formatDateText(from.year, from.month, card.periodFromDay),
                   formatDateText(to.year, to.month, card.periodToDay)};
}

CardStatement buildCardStatement(Book& book, int year, int month, int32_t cardId, const DateRange& fallback) {
  CardStatement statement;
  statement.year = year;
  statement.month = month;

  std::vector<BilledCard> cards;
  for (const Asset& card : loadAssetsOfKind(book, kCreditCardKind)) {
    if (cardId != 0 && card.assetId != cardId) continue;
    cards.push_back({card.assetId, billingPeriod(card, year, month).value_or(fallback)});
  }
  if (cards.empty()) return statement;
  std::string first = cards.front().range.start;
  std::string last = cards.front().range.end;
  for (const BilledCard& card : cards) {
    first = std::min(first, card.range.start);
    last = std::max(last, card.range.end);
  }

  // One walk serves every card: each takes the card expenses from its own start onwards. Past the
  // latest period end only the amounts still to come matter, so that long tail is read lightly.
  for (const LedgerEntry& entry : entriesInRange(book, first, last)) {
    if (!isYes(entry.cardFlag)) continue;
    const BilledCard* card = findCard(cards, entry.assetId);
    if (card == nullptr || entry.entryDate < card->range.start) continue;
    if (entry.entryDate > card->range.end) {
      statement.toCome += entry.amount;
      continue;
    }
    statement.lines.push_back(lineOf(entry, 1));
    statement.toCome += afterInstalment(entry, 1);
  }
  for (const EntryAmount& later : entryAmountsAfter(book, last)) {
    if (isYes(later.cardFlag) && findCard(cards, later.assetId) != nullptr) statement.toCome += later.amount;
  }

  for (const InstalmentRow& row : instalmentsInRange(book, first, last)) {
    const BilledCard* card = findCard(cards, row.cardId);
    if (card == nullptr || row.instDate < card->range.start || row.instDate > card->range.end) continue;
    const std::optional<LedgerEntry> entry = findEntry(book, row.entryId);
    // A row whose number the entry no longer has bills nothing (the entry's rows are rebuilt on
    // every change, so only foreign data can hold one).
    if (!entry || row.instNo < 2 || row.instNo > billedInstalments(entry->instalments)) continue;
    statement.lines.push_back(lineOf(*entry, row.instNo));
    statement.toCome += afterInstalment(*entry, row.instNo);
  }

  std::sort(statement.lines.begin(), statement.lines.end(), [](const StatementLine& a, const StatementLine& b) {
    return std::tie(a.date, a.kind, a.entryId, a.instalmentNo) < std::tie(b.date, b.kind, b.entryId, b.instalmentNo);
  });
  for (const StatementLine& line : statement.lines) statement.billed += line.amount;
  return statement;
}

std::string statementMonthText(int year, int month) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%d년 %d월", year, month);
  return buffer;
}

}  // namespace coinest
