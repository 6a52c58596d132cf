#pragma once

// How the pages that list entries show them: the four cells of a list row (the id hidden in the
// last), and the shared detail panel's five lines for one entry.

#include <cstdint>
#include <vector>

#include "ledger/entry_row.h"
#include "shell/screen.h"
#include "store/book.h"

namespace coinest {

// The detail panel's controls: the four captions, then the note field.
inline constexpr int kEntryDetailControls[] = {21079, 21080, 21081, 21111, 21082};

// Date, content, amount and the entry id ("%d") of each row.
std::vector<ListRowCells> entryListCells(const std::vector<EntryListRow>& rows);

// The entry id in the hidden column of `row` of an entry list; 0 when the row holds none.
int32_t entryIdOfRow(const Screen& screen, int listId, int row);

// Writes the five detail lines of the entry into the detail panel; all empty when the book no
// longer has the entry (0 included).
void fillEntryDetailPanel(Screen& screen, Book& book, int32_t entryId);

}  // namespace coinest
