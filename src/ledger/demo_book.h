#pragma once

// A sample household book to look at: two months of a Korean household's entries, ending today.
// It is written through the same operations as the dialogs (addAsset, addEntry, the reservation
// table and the posting run), so every balance, instalment row and change file is what the user
// would have made by hand.

#include <cstdint>

#include "store/book.h"

namespace coinest {

// The balance the sample bank account opens with, before any entry moves it.
inline constexpr int32_t kDemoOpeningBalance = 2'350'000;

struct DemoBookResult {
  Status status;
  int32_t entries = 0;  // entries in the book after the fill
  int32_t assets = 0;   // assets the fill added
};

// Fills a book whose entry table is empty with the month before today's and today's month up to
// today: a bank account with kDemoOpeningBalance, a credit card and a check card drawing on the
// account; salary, cash, check-card, credit-card (one purchase in instalments), mobile-phone and
// transfer entries; and one monthly reservation posted for the months it covers. The posting date
// is moved back to the first day of the previous month when it is later, then the posting run
// brings it to today.
// One transaction: a book that holds entries is refused with its reason and left as it was, and
// any failure leaves the book as it was, with the store's reason.
DemoBookResult fillDemoBook(Book& book);

}  // namespace coinest
