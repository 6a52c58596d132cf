#pragma once

// "CoinestRBDate": the date up to which reservations have been posted.

#include <string>

#include "platform/object_store.h"

namespace coinest {

// The stored date text; "2001-01-01" when there is no record or the text is not 10 characters.
std::string readPostingDate(ObjectStore& store);
void writePostingDate(ObjectStore& store, const std::string& dateText);

}  // namespace coinest
