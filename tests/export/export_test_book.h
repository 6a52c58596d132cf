#pragma once

// The small book the export tests write out: every means of payment and every transfer, a
// carry-over, a card bill, a deleted asset and a deleted category, and texts that the file
// formats must take care of. Entries go through addEntry, so ids and balances are real.

#include <cstdint>

#include "store/book.h"

namespace coinest::testing {

struct ExportTestBook {
  int32_t salaryAccount = 0;  // 국민은행 급여통장 홍길동
  int32_t savingsAccount = 0;
  int32_t linkedCheckCard = 0;  // draws on the salary account
  int32_t ownCheckCard = 0;     // draws on no account
  int32_t taptapCard = 0;       // credit card, named by the card bill
  int32_t pointCard = 0;        // credit card, the cash advance
  int32_t deletedAccount = 0;   // gone from the asset table, still named by an entry
  int32_t deletedCard = 0;
};

// Fills a new book with February to April 2007: February ends with 94,000 in cash, which the
// carry-over of the 1st of March carries; March has one entry of each kind.
ExportTestBook fillExportTestBook(Book& book);

// Adds the entry under the next entry id; aborts the test program when the book refuses it.
int32_t addTestEntry(Book& book, LedgerEntry entry);

}  // namespace coinest::testing
