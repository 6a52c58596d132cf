#pragma once

// A credit card's billing period for a statement month, and the card statement (카드 조회): for
// one statement month and one card or every credit card, the lines billed and what is still to
// come. A pure read of the entry, instalment and asset tables.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calendar/amount.h"
#include "calendar/date_text.h"
#include "ledger/total_amount.h"
#include "store/book.h"
#include "store/records.h"

namespace coinest {

// Inclusive date texts, compared as text.
struct DateRange {
  std::string start;
  std::string end;
  bool operator==(const DateRange&) const = default;
};

// True when all four period fields of the card are above 0.
bool hasCompleteBillingPeriod(const Asset& card);

// The month `periodMonth` (1 two months before, 2 the month before, 3 the statement month) names
// for the statement month (year, month). Any other value counts on or back from the statement
// month just as far; the year stops at the ends of int.
YearMonth billingPeriodMonth(int year, int month, int32_t periodMonth);

// The card's billing period for the statement month, or nothing when the period is not
// complete. The days are written as set, so 32 ("말일") stays 32 and compares after every real
// day of its month: 전월 1일 to 전월 말일 for 2007-05 is "2007-04-01" to "2007-04-32".
std::optional<DateRange> billingPeriod(const Asset& card, int year, int month);

// One billed item of a statement.
struct StatementLine {
  std::string date;     // the purchase date, also for instalments 2 to n
  std::string content;  // "[k/n]content" for an entry of n > 1 instalments, else the content
  Amount amount = 0;    // billed by this statement
  std::string kind;     // entryKind, for ordering
  int32_t entryId = 0;
  int32_t instalmentNo = 1;
  int32_t instalments = 0;
  int32_t reserveId = 0;
  std::string note;
  std::string majorItem;
  std::string minorItem;
  int32_t cardId = 0;
  bool operator==(const StatementLine&) const = default;
};

struct CardStatement {
  int year = 0;
  int month = 0;
  std::vector<StatementLine> lines;  // by date, kind, entry id (then instalment number)
  TotalAmount billed = 0;            // the sum of the line amounts
  TotalAmount toCome = 0;            // billed by later statements
};

// The statement of (year, month) for the credit card `cardId`, or for every credit card when
// `cardId` is 0, each card over its own billing period, or over `fallback` when its period is
// not complete. A card expense inside the period bills its first instalment (or its whole amount)
// and leaves the rest to come; one dated after the period leaves its whole amount to come; an
// instalment row inside the period bills instalment k and leaves the instalments after k to come.
// Purchases are taken from the period's start on, so a period that ends before it starts bills
// nothing and leaves what is dated from its start on to come.
// An id that names no credit card gives an empty statement; so do tables that cannot be opened.
CardStatement buildCardStatement(Book& book, int year, int month, int32_t cardId, const DateRange& fallback);

// "%d년 %d월".
std::string statementMonthText(int year, int month);

}  // namespace coinest
