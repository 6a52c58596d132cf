#pragma once

// The reservations page: the monthly reservations and their deletion.

#include <cstdint>

namespace coinest {

struct ShellContext;

struct ReservationsPageState {
  int32_t selectedId = 0;
};

void rebuildReservationList(ShellContext& context);
void restoreReservationList(ShellContext& context);
void reservationSelectionChanged(ShellContext& context, int row);
// 10203: asks first.
void deleteSelectedReservation(ShellContext& context);

}  // namespace coinest
