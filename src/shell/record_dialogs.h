#pragma once

// The commands that open the dialogs recording the book (entries, assets, reservations,
// categories) and the query conditions, and what the pages do after a save.

namespace coinest {

struct ShellContext;

// kAddEntry (add) and kEditEntry (change the selected entry; needs rows).
void runEntryDialogCommand(ShellContext& context, bool change);
// kAddAsset (add an asset of the selected kind) and kEditAsset (change the selected asset; needs
// rows).
void runAssetDialogCommand(ShellContext& context, bool change);
// kAddReservation (add) and kEditReservation (change the selected reservation; needs rows on the
// reservations page).
void runReservationDialogCommand(ShellContext& context, bool change);
// kAddMajorCategory, kEditMajorCategory (major) and kAddMinorCategory, kEditMinorCategory
// (minor): add, or change the selected category.
void runCategoryDialogCommand(ShellContext& context, bool minor, bool change);
// kChangeQueryCondition: the condition dialog of `queryKind`.
void runQueryDialogCommand(ShellContext& context);

}  // namespace coinest
