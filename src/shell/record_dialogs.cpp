#include "shell/record_dialogs.h"

#include "dialogs/asset_dialog.h"
#include "dialogs/category_dialog.h"
#include "dialogs/entry_dialog.h"
#include "dialogs/query_dialogs.h"
#include "dialogs/reservation_dialog.h"
#include "ledger/asset_view.h"
#include "shell/list_rows.h"
#include "shell/shell_context.h"
#include "store/entry_kind.h"

namespace coinest {

namespace {

// The row of `listId` whose hidden column holds `id`; -1 when none does.
int rowWithId(const Screen& screen, int listId, int32_t id) {
  for (int row = 0; row < screen.rowCount(listId); ++row) {
    if (idOfRow(screen, listId, row) == id) return row;
  }
  return -1;
}

int32_t selectedId(const Screen& screen, int listId) {
  return idOfRow(screen, listId, screen.selectedRow(listId));
}

// Entries were added or changed: every list that shows them reads the book again.
void entriesChanged(ShellContext& context) { bookChanged(context, BookChange::Entries); }

void rememberInputMode(ShellContext& context, bool latin) { context.state.latinInput = latin; }

}  // namespace

void runEntryDialogCommand(ShellContext& context, bool change) {
  ShellUi& ui = context.ui;
  const bool latin = context.state.latinInput;
  const int32_t id = change ? selectedId(context.screen, kBooksList) : 0;
  if (change && id == 0) return;
  std::optional<EntryDialog> dialog = change ? EntryDialog::openForChange(context.book, ui, id, latin)
                                             : EntryDialog::openForAdd(context.book, ui, context.state.bookDate, latin);
  if (dialog) {
    ui.runEntryDialog(*dialog);
    ui.showSoftInputPanel(false);
    rememberInputMode(context, dialog->latinInput());
    if (const std::optional<LedgerEntry>& saved = dialog->lastSaved()) {
      // The saved entry's date in the page's current view, the entry selected.
      entriesChanged(context);
      context.state.bookDate = saved->entryDate;
      context.books.selectedEntryId = saved->entryId;
      setBookViewMode(context, context.state.bookViewMode);
      if (const int row = rowWithId(context.screen, kBooksList, saved->entryId); row >= 0) {
        booksSelectionChanged(context, row);
      }
      context.state.rebuild(ListPage::Books) = false;
    }
  }
  context.focus(kBooksList);
}

void runAssetDialogCommand(ShellContext& context, bool change) {
  ShellUi& ui = context.ui;
  const bool latin = context.state.latinInput;
  const int32_t id = change ? selectedId(context.screen, kAssetList) : 0;
  if (change && id == 0) return;
  std::optional<AssetDialog> dialog = [&]() -> std::optional<AssetDialog> {
    if (change) return openAssetChange(context.book, ui, id, latin);
    const std::span<const AssetKindInfo> kinds = assetKinds();
    const int row = context.assets.kindRow;
    return AssetDialog(context.book, ui, kinds[row >= 0 && row < static_cast<int>(kinds.size()) ? row : 0], latin);
  }();
  if (dialog) {
    ui.runAssetDialog(*dialog);
    ui.showSoftInputPanel(false);
    rememberInputMode(context, dialog->latinInput());
    if (const std::optional<int32_t> saved = dialog->savedId()) {
      rebuildAssetsPage(context);
      if (const int row = rowWithId(context.screen, kAssetList, *saved); row >= 0) assetSelectionChanged(context, row);
      // Entries show the assets' names, and a balance may have been set.
      entriesChanged(context);
    }
  }
  context.focus(kAssetList);
}

void runReservationDialogCommand(ShellContext& context, bool change) {
  ShellUi& ui = context.ui;
  const bool latin = context.state.latinInput;
  const int32_t id = change ? selectedId(context.screen, kReservationList) : 0;
  if (change && (context.state.currentPage != PageReservations || id == 0)) return;
  std::optional<ReservationDialog> dialog = change ? openReservationChange(context.book, ui, id, latin)
                                                   : std::optional<ReservationDialog>(std::in_place, context.book, ui, latin);
  if (dialog) {
    ui.runReservationDialog(*dialog);
    ui.showSoftInputPanel(false);
    rememberInputMode(context, dialog->latinInput());
    if (const std::optional<int32_t> saved = dialog->savedId()) {
      // Saving posts what is due, which may have added entries.
      entriesChanged(context);
      context.reservations.idToSelect = *saved;
      rebuildReservationList(context);
    }
  }
  context.focus(kReservationList);
}

void runCategoryDialogCommand(ShellContext& context, bool minor, bool change) {
  CategoriesPageState& page = context.categories;
  const int majorRow = page.majorRow;
  const bool hasMajor = majorRow >= 0 && majorRow < static_cast<int>(page.majors.items.size());
  CategoryDialogRequest request;
  request.mode = change ? DialogMode::Change : DialogMode::Add;
  request.level = minor ? CategoryLevel::Minor : CategoryLevel::Major;
  request.itemKind = page.income ? kIncomeKind : kExpenseKind;
  request.majorId = hasMajor ? page.majors.items[static_cast<std::size_t>(majorRow)].majorId : 0;
  request.minorId = minor && change ? page.minorId : 0;
  const bool needsMajor = minor || change;
  if ((needsMajor && !hasMajor) || (minor && change && request.minorId == 0)) {
    context.focus(kMinorCategoryList);
    return;
  }
  std::optional<CategoryDialog> dialog =
      openCategoryDialog(context.book, context.ui, request, context.state.latinInput != 0);
  if (dialog) {
    context.ui.runCategoryDialog(*dialog);
    context.ui.showSoftInputPanel(false);
    rememberInputMode(context, dialog->latinInput());
    if (const std::optional<int32_t> saved = dialog->savedId()) {
      if (!minor) page.newMajorName = dialog->name();
      if (minor) page.minorId = *saved;
      loadCategoryLists(context);
      bookChanged(context, BookChange::Categories);
    }
  }
  context.focus(kMinorCategoryList);
}

void runQueryDialogCommand(ShellContext& context) {
  ShellUi& ui = context.ui;
  QueryPageState& query = context.query.model;
  bool accepted = false;
  switch (context.state.queryKind) {
    case QueryKind::Card: {
      CardQueryDialog dialog(context.book, ui, query);
      ui.runCardQueryDialog(dialog);
      accepted = dialog.accepted();
      break;
    }
    case QueryKind::Account: {
      AccountQueryDialog dialog(context.book, query);
      ui.runAccountQueryDialog(dialog);
      accepted = dialog.accepted();
      break;
    }
    case QueryKind::Books: {
      BooksQueryDialog dialog(context.book, query);
      ui.runBooksQueryDialog(dialog);
      accepted = dialog.accepted();
      break;
    }
  }
  ui.showSoftInputPanel(false);
  if (accepted) restoreQueryList(context);
  context.focus(kQueryList);
}

}  // namespace coinest
