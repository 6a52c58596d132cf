#include "ledger/card_statement.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <tuple>

#include "ledger/instalments.h"
#include "store/asset_kind.h"
#include "store/asset_table.h"
#include "store/card_month_sums.h"
#include "store/entry_table.h"
#include "store/yes_no_flag.h"

namespace coinest {

namespace {

struct BilledCard {
  int32_t cardId = 0;
  DateRange range;
  // The month of the later of the period's two days: the card's purchases in the months after it
  // are still to come whole, and the book's card sums hold them.
  std::string lastMonth;
};

// A stretch of the entry table to walk: from a date to the last entry of a month.
struct WalkSpan {
  std::string first;
  std::string lastMonth;
};

// What the cards' statements read of the entry table when the later months come from the sums:
// each card's stretch from its period's start to the end of its last month, joined where they
// meet, in date order.
std::vector<WalkSpan> walkSpans(const std::vector<BilledCard>& cards) {
  std::vector<WalkSpan> spans;
  for (const BilledCard& card : cards) spans.push_back({card.range.start, card.lastMonth});
  std::sort(spans.begin(), spans.end(), [](const WalkSpan& a, const WalkSpan& b) { return a.first < b.first; });
  std::vector<WalkSpan> joined;
  for (WalkSpan& span : spans) {
    if (!joined.empty() && monthKeyOfDate(span.first) <= joined.back().lastMonth) {
      joined.back().lastMonth = std::max(joined.back().lastMonth, span.lastMonth);
    } else {
      joined.push_back(std::move(span));
    }
  }
  return joined;
}

const BilledCard* findCard(const std::vector<BilledCard>& cards, int32_t cardId) {
  for (const BilledCard& card : cards) {
    if (card.cardId == cardId) return &card;
  }
  return nullptr;
}

// The cards' periods as disjoint ranges in date order, overlapping ones joined; a period that
// ends before it starts holds no day and is left out.
std::vector<DateRange> mergedPeriods(const std::vector<BilledCard>& cards) {
  std::vector<DateRange> periods;
  for (const BilledCard& card : cards) {
    if (card.range.start <= card.range.end) periods.push_back(card.range);
  }
  std::sort(periods.begin(), periods.end(), [](const DateRange& a, const DateRange& b) { return a.start < b.start; });
  std::vector<DateRange> merged;
  for (DateRange& period : periods) {
    if (!merged.empty() && period.start <= merged.back().end) {
      merged.back().end = std::max(merged.back().end, period.end);
    } else {
      merged.push_back(std::move(period));
    }
  }
  return merged;
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

  // One snapshot: the cards, the sums and the walks see the same book.
  TransactionGuard snapshot(book.store, TransactionKind::Read);
  std::vector<BilledCard> cards;
  for (const Asset& card : loadAssetsOfKind(book, kCreditCardKind)) {
    if (cardId != 0 && card.assetId != cardId) continue;
    const DateRange range = billingPeriod(card, year, month).value_or(fallback);
    cards.push_back({card.assetId, range, std::string(monthKeyOfDate(std::max(range.start, range.end)))});
  }
  if (cards.empty()) return statement;

  // A card's purchases after its period are still to come whole. Those in the months after its
  // last month come from the book's card sums, so only the stretch up to there is walked; when the
  // sums are stale the walk goes on to the end of the table.
  bool summed = true;
  TotalAmount laterMonths = 0;
  for (const BilledCard& card : cards) {
    const std::optional<std::vector<TallyTotal>> later =
        card.lastMonth.empty() ? std::nullopt : cardSumsAfterMonth(book.store, card.lastMonth);
    if (!later) {
      summed = false;
      break;
    }
    for (const TallyTotal& sum : *later) {
      if (sum.group == card.cardId) laterMonths += sum.total;
    }
  }
  std::vector<WalkSpan> spans;
  if (summed) {
    statement.toCome += laterMonths;
    spans = walkSpans(cards);
  } else {
    std::string first = cards.front().range.start;
    for (const BilledCard& card : cards) first = std::min(first, card.range.start);
    spans.push_back({first, ""});
  }

  // Everything else a card's statement needs is dated on or after its start: the purchases it
  // bills, and those after its period. The walks read only the amount fields of each entry and
  // read whole only the purchases billed here.
  for (const WalkSpan& span : spans) {
    walkEntryAmounts(
        book.store, span.first, span.lastMonth,
        [&](const EntryAmount& entry) {
          if (!isYes(entry.cardFlag)) return false;
          const BilledCard* card = findCard(cards, entry.assetId);
          if (card == nullptr || entry.entryDate < card->range.start) return false;
          if (summed && monthKeyOfDate(entry.entryDate) > card->lastMonth) return false;  // in the sums
          if (entry.entryDate <= card->range.end) return true;
          statement.toCome += entry.amount;
          return false;
        },
        [&](LedgerEntry&& entry) {
          statement.lines.push_back(lineOf(entry, 1));
          statement.toCome += afterInstalment(entry, 1);
        });
  }

  // The instalment rows are read only inside the periods: periods that overlap are read once.
  for (const DateRange& range : mergedPeriods(cards)) {
    for (const InstalmentRow& row : instalmentsInRange(book, range.start, range.end)) {
      const BilledCard* card = findCard(cards, row.cardId);
      if (card == nullptr || row.instDate < card->range.start || row.instDate > card->range.end) continue;
      const std::optional<LedgerEntry> entry = findEntry(book, row.entryId);
      // A row whose number the entry no longer has bills nothing (the entry's rows are rebuilt on
      // every change, so only foreign data can hold one).
      if (!entry || row.instNo < 2 || row.instNo > billedInstalments(entry->instalments)) continue;
      statement.lines.push_back(lineOf(*entry, row.instNo));
      statement.toCome += afterInstalment(*entry, row.instNo);
    }
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
