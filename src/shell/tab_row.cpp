#include "shell/tab_row.h"

namespace coinest {

int tabIndexOfPage(int page) {
  for (std::size_t i = 0; i < kTabRow.size(); ++i) {
    if (kTabRow[i].page == page) return static_cast<int>(i);
  }
  return -1;
}

std::optional<int> pageOfTab(int command) {
  for (const Tab& tab : kTabRow) {
    if (tab.command == command) return tab.page;
  }
  return std::nullopt;
}

int tabOfPage(int page) {
  const int index = tabIndexOfPage(page);
  return index < 0 ? 0 : kTabRow[static_cast<std::size_t>(index)].command;
}

}  // namespace coinest
