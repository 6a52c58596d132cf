#pragma once

// Small rules the page lists share: how an entry row fills a list's four columns, selecting a row
// with the record id it holds, which row a rebuilt list selects (also after a delete), and switching a page between its list and its detail panel.

#include <cstdint>
#include <vector>

#include "ledger/entry_row.h"
#include "shell/screen.h"

namespace coinest {

// Date, content, amount and the entry id in the hidden column 3.
ListRowCells entryListCells(const EntryListRow& row);
std::vector<ListRowCells> entryListCells(const std::vector<EntryListRow>& rows);

// The record id in the hidden column 3 of `row`; 0 when the row holds none.
int32_t idOfRow(const Screen& screen, int listId, int row);

struct ShellContext;

// Selects `row` of `listId` (nothing outside the list), keeps the row selected in `remembered`
// (-1 for none) and returns the record id of its hidden column 3 (0 for none).
int32_t selectListRow(Screen& screen, int listId, int row, int& remembered);

// The row to select again in a list of `count` rows: the first when none is remembered (-1), the
// last when the list has become shorter than the remembered row (so after the last row was
// deleted the row above it is selected); -1 for an empty list.
int rememberedRowIn(int remembered, int count);

// Sets a page's panel mode ('V' its detail panel, 'L' its list), shows the page's controls after
// it and focuses the page's list.
void switchPanel(ShellContext& context, PanelMode& panel, PanelMode mode, int listId);

}  // namespace coinest
