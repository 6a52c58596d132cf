#pragma once

// The commands that open the dialogs recording the book (entries, assets, reservations,
// categories) and the query conditions, and what the pages do after a save.

namespace coinest {

struct ShellContext;

// 10101 (add) and 10102 (change the selected entry; needs rows).
void runEntryDialogCommand(ShellContext& context, bool change);
// 10401 (add an asset of the selected kind) and 10402 (change the selected asset; needs rows).
void runAssetDialogCommand(ShellContext& context, bool change);
// 10201 (add) and 10202 (change the selected reservation; needs rows on the reservations page).
void runReservationDialogCommand(ShellContext& context, bool change);
// 10501, 10502 (major) and 10509, 10510 (minor): add, or change the selected category.
void runCategoryDialogCommand(ShellContext& context, bool minor, bool change);
// 10601: the condition dialog of `queryKind`.
void runQueryDialogCommand(ShellContext& context);

}  // namespace coinest
