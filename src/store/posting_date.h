#pragma once

// "CoinestRBDate": the date up to which reservations have been posted.

#include <string>

#include "platform/object_store.h"
#include "store/book.h"

namespace coinest {

// The stored date text; "2001-01-01" when there is no record or the text is not 10 characters,
// and the empty text when the table cannot be opened.
std::string readPostingDate(ObjectStore& store);

// Writes the date (a new book's first posting date: no change file).
bool writePostingDate(ObjectStore& store, const std::string& dateText);

// Writes the date and, whenever exchange is on (even while the journal is suppressed or an
// import is applied), the "G" modify change file.
Status writePostingDate(Book& book, const std::string& dateText);

}  // namespace coinest
