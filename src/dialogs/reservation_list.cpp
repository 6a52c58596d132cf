#include "dialogs/reservation_list.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

#include "ledger/total_amount.h"
#include "store/entry_kind.h"
#include "store/reservation_tables.h"
#include "store/yes_no_flag.h"

namespace coinest {

namespace {

std::string dayText(int32_t dayOfMonth) {
  char text[16];
  std::snprintf(text, sizeof text, "%2d", static_cast<int>(dayOfMonth));
  return std::string(text) + "일";
}

// The first rule that holds wins, as on the books page; a reservation has no transfer kind.
std::string prefixedContent(const Reservation& r) {
  if (isYes(r.cardFlag)) return "[카]" + r.content;
  if (isYes(r.phoneFlag)) return "[폰]" + r.content;
  if (r.assetId < 1) return r.content;
  if (isYes(r.checkCardFlag)) return "[체]" + r.content;
  return "[계]" + r.content;
}

std::string signedAmountText(const Reservation& r) {
  // Wide, so that an amount a foreign file made the smallest 32-bit value still negates.
  const TotalAmount amount = r.amount;
  return formatSignedTotalAmount(r.entryKind == kExpenseKind ? -amount : amount);
}

}  // namespace

ReservationListRow reservationListRowOf(const Reservation& reservation) {
  return {dayText(reservation.dayOfMonth), prefixedContent(reservation), signedAmountText(reservation),
          reservation.reserveId};
}

std::vector<ReservationListRow> reservationListRows(const std::vector<Reservation>& reservations) {
  struct Keyed {
    ReservationListRow row;
    std::string kind;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(reservations.size());
  for (const Reservation& r : reservations) keyed.push_back({reservationListRowOf(r), r.entryKind});
  std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
    return std::tie(a.row.day, a.kind, a.row.reserveId) < std::tie(b.row.day, b.kind, b.row.reserveId);
  });
  std::vector<ReservationListRow> rows;
  rows.reserve(keyed.size());
  for (Keyed& k : keyed) rows.push_back(std::move(k.row));
  return rows;
}

std::vector<ReservationListRow> loadReservationList(Book& book) {
  return reservationListRows(loadReservations(book));
}

}  // namespace coinest
