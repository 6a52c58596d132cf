#pragma once

// Small rules the page lists share: how an entry row fills a list's four columns, which row a
// rebuilt list selects, and which row a list selects after its selected row was deleted.

#include <cstdint>

#include "ledger/entry_row.h"
#include "shell/screen.h"

namespace coinest {

// Date, content, amount and the entry id in the hidden column 3.
ListRowCells entryListCells(const EntryListRow& row);

// The record id a list holds in the hidden column of `row`; 0 when the row or the cell holds none.
int32_t idInList(const Screen& screen, int listId, int row, int column);

// The row to select again in a list of `count` rows: the first when none is remembered (-1), the
// last when the list has become shorter than the remembered row; -1 for an empty list.
int rememberedRowIn(int remembered, int count);

// The row to select once `deleted` has gone from a list that had `countBefore` rows: the same
// place, or the row above when the last row was deleted.
int rowAfterDelete(int deleted, int countBefore);

}  // namespace coinest
