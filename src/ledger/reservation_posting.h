#pragma once

#include "store/book.h"

namespace coinest {

// Posts every reservation due from the last posting date through today: one entry and one link
// per reservation and month, dated on its day (or the month's last day), then stores today as the
// posting date. One transaction.
Status postDueReservations(Book& book);

}  // namespace coinest
