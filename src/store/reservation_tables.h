#pragma once

// The reservation tables: "CoinestReserve" (reservations), "CoinestRBLink" (one link per
// reservation and month posted). The posting run itself is the ledger's
// (ledger/reservation_posting.h).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/date_text.h"
#include "store/book.h"
#include "store/records.h"

namespace coinest {

// A day of the month lists at most this many reservations (the first found are kept).
inline constexpr std::size_t kDayListCapacity = 500;
// The reservations page lists at most this many (the first by day are kept).
inline constexpr std::size_t kReservationListCapacity = 500;

std::optional<Reservation> findReservation(Book& book, int32_t reserveId);
// Every reservation with a day of the month of 1 or more, by day (the reservations page).
std::vector<Reservation> loadReservations(Book& book);
// The ids of the reservations that fall on this day of the month.
std::vector<int32_t> reservationsOnDay(Book& book, int32_t dayOfMonth);

// The first date from today on (today included) on which a reservation of this day falls: this
// month or the next, the day cut to the month's last day.
std::string reservationStartDate(int32_t dayOfMonth, const TodayDate& today);

// Writes the reservation with its start date computed from today; a "B" add change file (usual).
Status saveNewReservation(Book& book, Reservation reservation);
// Writes the reservation as given (start date included); while an import is applied an id below
// 500000 raises the reservation/asset counter; a "B" add change file (usual).
Status addReservation(Book& book, const Reservation& reservation);
// Recomputes the start date from today, deletes and adds again with the journal suppressed, then
// one modify change file (whenever exchange is on). Its links stay.
Status replaceReservation(Book& book, Reservation reservation);
// A delete change file (usual) whether or not it existed; returns whether it did. Its links and
// posted entries stay.
bool deleteReservation(Book& book, int32_t reserveId);
// deleteReservation and deleteLinksOfReservation in one transaction: both or neither. Done also
// when there was no such reservation (its delete change file is still written).
Status deleteReservationAndLinks(Book& book, int32_t reserveId);
bool reservationIdFree(Book& book, int32_t reserveId);

// A "C" add change file (usual); while an import is applied an id below 500000 raises the link
// counter.
Status addReservationLink(Book& book, const ReservationLink& link);
bool deleteReservationLink(Book& book, int32_t linkId);
// No change file.
Status deleteLinksOfReservation(Book& book, int32_t reserveId);
// Whether the reservation was posted for the month ("YYYYMM").
bool linkExists(Book& book, int32_t reserveId, std::string_view postedMonth);

}  // namespace coinest
