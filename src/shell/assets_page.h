#pragma once

// The assets page: the asset-kind list, the assets of the selected kind and the asset detail
// panel.

#include <cstdint>
#include <string>

namespace coinest {

struct ShellContext;

struct AssetsPageState {
  int kindRow = 0;
  std::string kindText;
  int32_t selectedAssetId = 0;
};

// The question kDeleteAsset asks before it deletes.
inline constexpr char kDeleteAssetQuestion[] = "자산 자료를 삭제 하시겠습니까?";

// Fills the asset-kind list and the asset list of the selected kind.
void rebuildAssetsPage(ShellContext& context);
void restoreAssetsList(ShellContext& context);
void assetSelectionChanged(ShellContext& context, int row);
// Remembers the kind and clears the asset selection; the asset list follows on the tap.
void assetKindSelectionChanged(ShellContext& context, int row);
void assetKindTapped(ShellContext& context, int row);
// The previous (-1) or next (+1) asset kind, wrapping at the ends, with its assets.
void stepAssetKind(ShellContext& context, int step);
// kShowAssetDetail and kHideAssetDetail.
void showAssetDetail(ShellContext& context);
void hideAssetDetail(ShellContext& context);
// kDeleteAsset: asks first; a delete the book refuses is reported with the caption "오류".
void deleteSelectedAsset(ShellContext& context);

}  // namespace coinest
