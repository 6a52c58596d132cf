#include "export/export_source.h"

#include <set>
#include <utility>

#include "store/asset_kind.h"
#include "store/asset_table.h"
#include "store/entry_table.h"

namespace coinest {

namespace {

// Below and above every stored date; records without a date read as "" and so stay out.
constexpr char kBeforeEveryDate[] = "0000-00-00";
constexpr char kAfterEveryDate[] = "9999-99-99";

}  // namespace

ExportAssets::ExportAssets(std::vector<Asset> assets) {
  for (Asset& asset : assets) {
    const int32_t id = asset.assetId;
    byId_.emplace(id, std::move(asset));  // an id held twice keeps the first asset read
  }
}

const Asset* ExportAssets::find(int32_t assetId) const {
  const auto it = byId_.find(assetId);
  return it == byId_.end() ? nullptr : &it->second;
}

std::string ExportAssets::textOf(int32_t assetId) const {
  if (const Asset* asset = find(assetId)) return assetDisplayText(*asset);
  return kDeletedAssetText + std::to_string(assetId);
}

std::vector<const Asset*> ExportAssets::all() const {
  std::vector<const Asset*> assets;
  assets.reserve(byId_.size());
  for (const auto& [id, asset] : byId_) assets.push_back(&asset);
  return assets;
}

std::vector<const Asset*> ExportAssets::creditCards() const {
  std::vector<const Asset*> cards = all();
  std::erase_if(cards, [](const Asset* asset) { return asset->assetKind != kCreditCardKind; });
  return cards;
}

ExportSource readExportSource(Book& book, const ExportRange& range) {
  ExportSource source;
  source.entries = entriesInRange(book, range.first.value_or(kBeforeEveryDate), range.last.value_or(kAfterEveryDate));

  std::vector<Asset> assets;
  for (const char* kind :
       {kBankAccountKind, kCreditCardKind, kInsuranceKind, kSecuritiesKind, kOtherAssetKind, kCheckCardKind}) {
    for (Asset& asset : loadAssetsOfKind(book, kind)) assets.push_back(std::move(asset));
  }
  // A kind's list stops at its capacity; an asset past it is still found by its id.
  std::set<int32_t> loaded;
  for (const Asset& asset : assets) loaded.insert(asset.assetId);
  auto lookUp = [&](int32_t id) {
    if (id == 0 || !loaded.insert(id).second) return;
    if (std::optional<Asset> asset = findAsset(book, id)) assets.push_back(std::move(*asset));
  };
  for (const LedgerEntry& e : source.entries) {
    lookUp(e.assetId);
    lookUp(e.toAssetId);
  }
  // The accounts the check cards draw on.
  for (std::size_t i = 0; i < assets.size(); ++i) {
    if (assets[i].assetKind == kCheckCardKind) lookUp(assets[i].linkOrPayDay);
  }
  source.assets = ExportAssets(std::move(assets));
  return source;
}

}  // namespace coinest
