#include "shell/assets_page.h"

#include <array>
#include <string>
#include <vector>

#include "ledger/asset_view.h"
#include "shell/command_ids.h"
#include "shell/detail_panel.h"
#include "shell/list_rows.h"
#include "shell/shell_context.h"
#include "store/asset_table.h"

namespace coinest {

namespace {

int& rememberedRow(ShellContext& context) { return context.state.selectedRow[static_cast<int>(ListPage::Assets)]; }

int kindCount() { return static_cast<int>(assetKinds().size()); }

const AssetKindInfo& selectedKind(const ShellContext& context) {
  const int row = context.assets.kindRow;
  return assetKinds()[static_cast<std::size_t>(row >= 0 && row < kindCount() ? row : 0)];
}

// The detail of the selected asset; empty lines when it is gone from the book.
void fillDetailPanel(ShellContext& context) {
  AssetDetail detail{};
  if (const std::optional<Asset> asset = findAsset(context.book, context.assets.selectedAssetId))
    detail = assetDetail(context.book, *asset);
  showDetailLines(context.screen, detail);
}

// Selects `row` of the asset list (nothing outside it) and remembers it with its asset's id;
// the detail panel follows while it is open.
void selectAsset(ShellContext& context, int row) {
  context.assets.selectedAssetId = selectListRow(context.screen, kAssetList, row, rememberedRow(context));
  if (context.state.assetsPanel == PanelMode::Detail) fillDetailPanel(context);
}

void selectRememberedAsset(ShellContext& context) {
  selectAsset(context, rememberedRowIn(rememberedRow(context), context.screen.rowCount(kAssetList)));
}

// The header names the columns by the labels of the kind: the company on the left, the asset's
// name and holder on the right.
void showKindCaptions(ShellContext& context) {
  const AssetKindInfo& kind = selectedKind(context);
  context.screen.setText(kAssetCompanyHeader, kind.companyLabel);
  context.screen.setText(kAssetNameHeader, std::string(kind.nameLabel) + " / " + std::string(kind.holderLabel));
}

// The captions and the assets of the selected kind in table order, the remembered row selected.
void showKindAssets(ShellContext& context) {
  showKindCaptions(context);
  std::vector<ListRowCells> rows;
  for (const Asset& asset : loadAssetsOfKind(context.book, selectedKind(context).code))
    rows.push_back({asset.company, asset.assetName, asset.holder, std::to_string(asset.assetId)});
  context.screen.setRows(kAssetList, std::move(rows));
  selectRememberedAsset(context);
}

}  // namespace

void rebuildAssetsPage(ShellContext& context) {
  std::vector<ListRowCells> kinds;
  for (const AssetKindInfo& kind : assetKinds()) kinds.push_back({std::string(kind.pageText)});
  context.screen.setRows(kAssetKindList, std::move(kinds));
  AssetsPageState& page = context.assets;
  if (page.kindRow < 0 || page.kindRow >= kindCount()) page.kindRow = 0;
  context.screen.selectRow(kAssetKindList, page.kindRow);
  page.kindText = std::string(selectedKind(context).pageText);
  showKindAssets(context);
}

void restoreAssetsList(ShellContext& context) {
  context.screen.selectRow(kAssetList, -1);
  selectRememberedAsset(context);
}

void assetSelectionChanged(ShellContext& context, int row) { selectAsset(context, row); }

void assetKindSelectionChanged(ShellContext& context, int row) {
  if (row < 0 || row >= kindCount()) return;
  AssetsPageState& page = context.assets;
  page.kindRow = row;
  page.kindText = std::string(assetKinds()[static_cast<std::size_t>(row)].pageText);
  context.screen.selectRow(kAssetKindList, row);
  // The asset list still shows the kind before: nothing of it stays selected, and the new kind's
  // list starts at its first row.
  context.screen.selectRow(kAssetList, -1);
  rememberedRow(context) = -1;
  page.selectedAssetId = 0;
}

void assetKindTapped(ShellContext& context, int row) {
  if (row >= 0 && row != context.assets.kindRow) assetKindSelectionChanged(context, row);
  showKindAssets(context);
  context.focus(kAssetList);
}

void stepAssetKind(ShellContext& context, int step) {
  const int count = kindCount();
  assetKindSelectionChanged(context, ((context.assets.kindRow + step) % count + count) % count);
  showKindAssets(context);
  context.focus(kAssetList);
}

void showAssetDetail(ShellContext& context) {
  if (context.screen.rowCount(kAssetList) == 0) return;
  if (context.screen.selectedRow(kAssetList) < 0) selectRememberedAsset(context);
  fillDetailPanel(context);
  switchPanel(context, context.state.assetsPanel, PanelMode::Detail, kAssetList);
}

void hideAssetDetail(ShellContext& context) {
  switchPanel(context, context.state.assetsPanel, PanelMode::List, kAssetList);
}

void deleteSelectedAsset(ShellContext& context) {
  Screen& screen = context.screen;
  const int row = screen.selectedRow(kAssetList);
  const int32_t assetId = context.assets.selectedAssetId;
  if (row < 0 || assetId == 0) return;
  if (context.ui.askYesNo(kDeleteAssetQuestion)) {
    if (const Status done = removeAsset(context.book, assetId); !done)
      context.ui.showMessage(done.reason(), MessageCaption::Error);
    // The remembered row stays: the reload selects the row that took its place, or the row above
    // when the last row went away.
    showKindAssets(context);
  }
  context.focus(kAssetList);
}

}  // namespace coinest
