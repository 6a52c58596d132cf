#pragma once

// The categories page: the income or expense major categories, the minor categories of the
// selected major, and deleting and moving them.

#include <cstdint>
#include <string>

namespace coinest {

struct ShellContext;

struct CategoriesPageState {
  bool income = false;  // the kind buttons: 21041 income, 21042 expense
  int majorRow = 0;
  std::string majorName;
  int32_t minorId = 0;
};

// 20018: reloads the major list and the minor list of the selected major, first minor selected.
void reloadCategoryLists(ShellContext& context);
// 21041 (income) and 21042 (expense).
void setCategoryKind(ShellContext& context, bool income);
void majorSelectionChanged(ShellContext& context, int row);
void majorTapped(ShellContext& context, int row);
void minorSelectionChanged(ShellContext& context, int row);
// The previous (-1) or next (+1) major category, wrapping at the ends.
void stepMajorCategory(ShellContext& context, int step);
// 10503 and 10511 (delete, asking first), 10505 to 10508 (moves); the add and edit commands
// open the category dialog.
void runCategoryCommand(ShellContext& context, int command);

}  // namespace coinest
