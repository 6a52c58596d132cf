#pragma once

// The categories page: the income or expense major categories, the minor categories of the
// selected major, and deleting and moving them.

#include <cstdint>
#include <string>

#include "store/category_tables.h"

namespace coinest {

struct ShellContext;

// The commands of the categories page (its command-bar set and the minor list's popup menu).
inline constexpr int kAddMajorCategory = 10501;
inline constexpr int kEditMajorCategory = 10502;
inline constexpr int kDeleteMajorCategory = 10503;
inline constexpr int kMoveMinorCategoryUp = 10505;
inline constexpr int kMoveMinorCategoryDown = 10506;
inline constexpr int kMoveMajorCategoryUp = 10507;
inline constexpr int kMoveMajorCategoryDown = 10508;
inline constexpr int kAddMinorCategory = 10509;
inline constexpr int kEditMinorCategory = 10510;
inline constexpr int kDeleteMinorCategory = 10511;

// The header strip above the minor list.
inline constexpr char kMinorNameHeading[] = "소항목명";
inline constexpr char kMinorInUseHeading[] = "사용여부";
// The second column of the minor list.
inline constexpr char kMinorInUseText[] = "사용";
inline constexpr char kMinorNotInUseText[] = "미사용";

struct CategoriesPageState {
  bool income = false;  // the kind buttons: 21041 income, 21042 expense
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

// 20018: reloads the major list and the minor list of the selected major, first minor selected.
void reloadCategoryLists(ShellContext& context);
// Reloads both lists keeping the selections (a change, the dialog's save): the major named
// `newMajorName` or else the remembered major row; the minor with the remembered id or else the
// remembered minor row. A row past a shortened list becomes its last row.
void loadCategoryLists(ShellContext& context);
// 21041 (income) and 21042 (expense).
void setCategoryKind(ShellContext& context, bool income);
void majorSelectionChanged(ShellContext& context, int row);
void majorTapped(ShellContext& context, int row);
void minorSelectionChanged(ShellContext& context, int row);
// The previous (-1) or next (+1) major category, wrapping at the ends.
void stepMajorCategory(ShellContext& context, int step);
// 10503 and 10511 (delete, asking first), 10505 to 10508 (moves); the add and edit commands
// open the category dialog. A command without a selected row does nothing; a failed write is
// shown with the caption "오류". The focus ends on the minor list.
void runCategoryCommand(ShellContext& context, int command);

}  // namespace coinest
