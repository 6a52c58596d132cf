#pragma once

// The rows of the reservations page: one a reservation, its day, its content behind the prefix of
// its means, its signed amount and its id, ordered by the day text, then kind, then id.

#include <cstdint>
#include <string>
#include <vector>

#include "store/book.h"
#include "store/records.h"

namespace coinest {

struct ReservationListRow {
  std::string day;      // "%2d일": days 1 to 9 begin with a space
  std::string content;  // "[카]", "[폰]", none for cash, "[체]" or "[계]" before the content
  std::string amount;   // signed: "-" for an expense, "+" for an income
  int32_t reserveId = 0;
  bool operator==(const ReservationListRow&) const = default;
};

// The row of one reservation.
ReservationListRow reservationListRowOf(const Reservation& reservation);

// The rows of `reservations`, ordered by the day text compared by character codes (so the space
// that pads days 1 to 9 puts them before 10), then by `entryKind` ("1" before "2"), then by id.
std::vector<ReservationListRow> reservationListRows(const std::vector<Reservation>& reservations);

// The rows of the reservations in the book (loadReservations).
std::vector<ReservationListRow> loadReservationList(Book& book);

}  // namespace coinest
