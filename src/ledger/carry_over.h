#pragma once

// The monthly cash carry-over and the book reset.

#include "platform/ui_port.h"
#include "store/book.h"

namespace coinest {

// At start: when the carry-over is switched on and not yet offered this month, records this month
// as offered and asks "지난달 현금잔액을 전월이월 하시겠습니까?"; on Yes runs carryOverCash. Fails
// (asking nothing) when the month cannot be recorded as offered.
Status offerCarryOver(Book& book, UiPort& ui);

// Writes the previous month's cash balance as a "전월이월" income entry on the 1st of (year,
// month), or tells the user there is nothing to carry. One transaction. On a failure nothing is
// written and nothing is told: the caller shows the reason.
Status carryOverCash(Book& book, UiPort& ui, int year, int month);

struct ResetResult {
  bool confirmed = false;  // the user answered Yes
  Status status;           // whether the tables were emptied (ok when not confirmed)
};

// Asks the reset question; on Yes empties the entry and instalment tables (one transaction).
ResetResult resetBook(Book& book, UiPort& ui);

}  // namespace coinest
