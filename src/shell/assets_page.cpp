#include "shell/assets_page.h"

#include "shell/shell_context.h"

namespace coinest {

void rebuildAssetsPage(ShellContext&) {}
void restoreAssetsList(ShellContext&) {}
void assetSelectionChanged(ShellContext&, int) {}
void assetKindSelectionChanged(ShellContext&, int) {}
void assetKindTapped(ShellContext&, int) {}
void stepAssetKind(ShellContext&, int) {}
void showAssetDetail(ShellContext&) {}
void hideAssetDetail(ShellContext&) {}
void deleteSelectedAsset(ShellContext&) {}

}  // namespace coinest
