#pragma once

// The categories page: the income or expense major categories, the minor categories of the
// selected major, and deleting and moving them.

#include <cstdint>
#include <string>

#include "shell/command_ids.h"
#include "store/category_tables.h"

namespace coinest {

struct ShellContext;

// The header strip above the minor list.
inline constexpr char kMinorNameHeading[] = "소항목명";
inline constexpr char kMinorInUseHeading[] = "사용여부";
// The second column of the minor list.
inline constexpr char kMinorInUseText[] = "사용";
inline constexpr char kMinorNotInUseText[] = "미사용";

struct CategoriesPageState {
  bool income = false;  // the kind buttons: kIncomeKindButton income, kExpenseKindButton expense
  int majorRow = 0;     // -1 none
  std::string majorName;
  int32_t minorId = 0;  // selected again after a reload when still listed
  int minorRow = 0;     // -1 none; taken when minorId is not listed
  // Set by the category dialog after an add, so that the reload selects the new major.
  std::string newMajorName;
  // The lists as last loaded (their highest orders place a new category last).
  MajorList majors;
  MinorList minors;
};

// kCategoriesTab: reloads the major list and the minor list of the selected major, first minor
// selected.
void reloadCategoryLists(ShellContext& context);
// Reloads both lists keeping the selections (a change, the dialog's save): the major named
// `newMajorName` or else the remembered major row; the minor with the remembered id or else the
// remembered minor row. A row past a shortened list becomes its last row.
void loadCategoryLists(ShellContext& context);
// kIncomeKindButton (income) and kExpenseKindButton (expense).
void setCategoryKind(ShellContext& context, bool income);
void majorSelectionChanged(ShellContext& context, int row);
void majorTapped(ShellContext& context, int row);
void minorSelectionChanged(ShellContext& context, int row);
// The previous (-1) or next (+1) major category, wrapping at the ends.
void stepMajorCategory(ShellContext& context, int step);
// kDeleteMajorCategory and kDeleteMinorCategory (delete, asking first), kMoveMinorCategoryUp to
// kMoveMajorCategoryDown (moves); the add and edit commands open the category dialog. A command
// without a selected row does nothing; a failed write is shown with the caption "오류". The focus ends on the minor list.
void runCategoryCommand(ShellContext& context, int command);

}  // namespace coinest
