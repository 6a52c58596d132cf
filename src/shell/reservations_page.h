#pragma once

// The reservations page: the monthly reservations and their deletion.

#include <cstdint>

namespace coinest {

struct ShellContext;

struct ReservationsPageState {
  int32_t selectedId = 0;
  // The reservation the next rebuild selects (a reservation just saved), then forgotten; 0 for
  // the remembered row.
  int32_t idToSelect = 0;
};

// The question kDeleteReservation asks before it deletes.
inline constexpr char kDeleteReservationQuestion[] = "예약 자료를 삭제 하시겠습니까?";

// Reads the reservations and fills the list; selects the row of `idToSelect`, else the
// remembered row.
void rebuildReservationList(ShellContext& context);
void restoreReservationList(ShellContext& context);
void reservationSelectionChanged(ShellContext& context, int row);
// kDeleteReservation: asks first; on Yes deletes the reservation and its links in one transaction (the
// entries it posted stay); a delete the book refuses is reported with the caption "오류".
void deleteSelectedReservation(ShellContext& context);

}  // namespace coinest
