#pragma once

// The popup menus of the page lists (tap-and-hold, a right click or Enter) and the command-bar
// command each item stands for.

#include <optional>
#include <vector>

#include "shell/shell_state.h"
#include "shell/shell_ui.h"

namespace coinest {

// The menu of a page list in the page's current panel mode, with the check mark on the books
// list's view item of `bookViewMode`; a menu without items for a list that has none.
PopupMenu popupMenuOf(int listId, const ShellState& state);

// The command-bar command a popup item forwards to: 0 for the "취소하기" items, nothing for a
// number that is no popup item.
std::optional<int> commandOfPopupItem(int item);

// Every popup menu of the window, in resource order, without check marks.
std::vector<PopupMenu> allPopupMenus();

}  // namespace coinest
