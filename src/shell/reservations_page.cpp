#include "shell/reservations_page.h"

#include "shell/shell_context.h"

namespace coinest {

void rebuildReservationList(ShellContext&) {}
void restoreReservationList(ShellContext&) {}
void reservationSelectionChanged(ShellContext&, int) {}
void deleteSelectedReservation(ShellContext&) {}

}  // namespace coinest
