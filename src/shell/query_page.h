#pragma once

// The query page: the three query forms (books, card, account) with their condition fields, the
// result list and the entry detail panel.

#include <cstdint>

#include "dialogs/query_page_state.h"

namespace coinest {

struct ShellContext;

struct QueryPageModel {
  QueryPageState model;
  int32_t selectedEntryId = 0;
};

// Fills the fields of `queryKind` and the result list (reading the entries again when the
// query's criteria or the book changed).
void rebuildQueryList(ShellContext& context);
// The page shown again: the list filled again, the remembered row selected.
void restoreQueryList(ShellContext& context);
// 21097, 21098, 21115.
void setQueryKind(ShellContext& context, int kind);
void querySelectionChanged(ShellContext& context, int row);
// 10605 and 10606.
void showQueryDetail(ShellContext& context);
void hideQueryDetail(ShellContext& context);

}  // namespace coinest
