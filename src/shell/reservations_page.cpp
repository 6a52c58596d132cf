#include "shell/reservations_page.h"

#include <string>
#include <vector>

#include "dialogs/reservation_list.h"
#include "shell/list_rows.h"
#include "shell/shell_context.h"
#include "store/reservation_tables.h"

namespace coinest {

namespace {

int& rememberedRow(ShellContext& context) {
  return context.state.selectedRow[static_cast<int>(ListPage::Reservations)];
}

void selectReservation(ShellContext& context, int row) {
  context.reservations.selectedId = selectListRow(context.screen, kReservationList, row, rememberedRow(context));
}

void selectRememberedReservation(ShellContext& context) {
  selectReservation(context, rememberedRowIn(rememberedRow(context), context.screen.rowCount(kReservationList)));
}

}  // namespace

void rebuildReservationList(ShellContext& context) {
  WaitCursor waiting(context.ui);
  std::vector<ListRowCells> rows;
  int idRow = -1;
  for (const ReservationListRow& row : loadReservationList(context.book)) {
    if (row.reserveId == context.reservations.idToSelect && context.reservations.idToSelect != 0)
      idRow = static_cast<int>(rows.size());
    rows.push_back({row.day, row.content, row.amount, std::to_string(row.reserveId)});
  }
  context.screen.setRows(kReservationList, std::move(rows));
  context.reservations.idToSelect = 0;
  if (idRow >= 0) {
    selectReservation(context, idRow);
  } else {
    selectRememberedReservation(context);
  }
}

void restoreReservationList(ShellContext& context) {
  context.screen.selectRow(kReservationList, -1);
  selectRememberedReservation(context);
}

void reservationSelectionChanged(ShellContext& context, int row) { selectReservation(context, row); }

void deleteSelectedReservation(ShellContext& context) {
  const int row = context.screen.selectedRow(kReservationList);
  const int32_t reserveId = context.reservations.selectedId;
  if (row < 0 || reserveId == 0) return;
  if (context.ui.askYesNo(kDeleteReservationQuestion)) {
    Status done = Status::ok();
    {
      WaitCursor waiting(context.ui);
      done = deleteReservationAndLinks(context.book, reserveId);
    }
    if (!done) context.ui.showMessage(done.reason(), MessageCaption::Error);
    // The remembered row stays: the rebuild selects the row that took its place, or the row
    // above when the last row went away.
    rebuildReservationList(context);
    bookChanged(context, BookChange::Reservations);
  }
  context.focus(kReservationList);
}

}  // namespace coinest
