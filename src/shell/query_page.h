#pragma once

// The query page: the three query forms (books, card, account) with their condition fields, the
// result list and the entry detail panel.

#include <cstdint>

#include "dialogs/query_page_state.h"
#include "shell/shell_state.h"

namespace coinest {

struct ShellContext;

// REQUIRES: `model` set from startQueryPageState before the page is first filled (the shell's
// start does it).
struct QueryPageModel {
  QueryPageState model;
  int32_t selectedEntryId = 0;  // the entry of the remembered row (ShellState::selectedRow)
};

// Fills the fields of `queryKind` and the result list with the entries read again (the book
// changed), the first row selected.
void rebuildQueryList(ShellContext& context);
// The page shown again: the list filled again (read again only when the criteria ask for other
// entries than those read), the remembered entry selected, or else the remembered row (the last
// row when the list got shorter).
void restoreQueryList(ShellContext& context);
// kQueryBooksKindButton, kQueryCardKindButton, kQueryAccountKindButton: the field group and the
// list of the kind, its first row selected, the focus on the list.
void setQueryKind(ShellContext& context, QueryKind kind);
void querySelectionChanged(ShellContext& context, int row);
// kShowQueryDetail (needs a selected row) and kHideQueryDetail; the focus ends on the query list.
void showQueryDetail(ShellContext& context);
void hideQueryDetail(ShellContext& context);

}  // namespace coinest
