#pragma once

// The popup menus of the page lists (tap-and-hold, a right click or Enter) and the command-bar
// command each item stands for.

#include "shell/shell_state.h"
#include "shell/shell_ui.h"

namespace coinest {

// The menu of a page list in the page's current panel mode, with the check mark on the books
// list's view item of `bookViewMode`; a menu without items for a list that has none.
PopupMenu popupMenuOf(int listId, const ShellState& state);

// The command-bar command a popup item forwards to; 0 for the "취소하기" items and any number
// that is no popup item.
int commandOfPopupItem(int item);

}  // namespace coinest
