#pragma once

// The tab row along the top of every page, left to right: each tab's command and the page it
// shows. The Left and Right keys walk it round.

#include <array>
#include <optional>

#include "shell/command_ids.h"
#include "shell/shell_state.h"

namespace coinest {

struct Tab {
  int command;
  int page;
};

inline constexpr std::array<Tab, 6> kTabRow{{{kBooksTab, PageBooks},
                                             {kQueryTab, PageQuery},
                                             {kSettlementTab, PageSettlement},
                                             {kReservationsTab, PageReservations},
                                             {kCategoriesTab, PageCategories},
                                             {kAssetsTab, PageAssets}}};

// The place of `page`'s tab in the row; -1 for a number that is no page.
int tabIndexOfPage(int page);
// The page a tab's command shows; nothing for a command that is no tab.
std::optional<int> pageOfTab(int command);
// The command of `page`'s tab; 0 for a number that is no page.
int tabOfPage(int page);

}  // namespace coinest
