#pragma once

// The asset table "CoinestAssets": accounts, cards and other assets with their stored balances.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/book.h"
#include "store/records.h"

namespace coinest {

inline constexpr std::size_t kAssetListCapacity = 500;

// Asks loadPaymentAssets for the bank accounts and the check cards together; no asset has this kind.
inline constexpr char kPaymentAssetKinds[] = "0";

// The assets of a kind, in table order (the asset page).
std::vector<Asset> loadAssetsOfKind(Book& book, std::string_view assetKind);
// For kPaymentAssetKinds the bank accounts and check cards, otherwise the assets of that kind;
// sorted by kind, then by company (the account and card choices of the dialogs).
std::vector<Asset> loadPaymentAssets(Book& book, std::string_view assetKind);
std::optional<Asset> findAsset(Book& book, int32_t assetId);

// "company name holder": how every list and panel names an asset to the user.
std::string assetDisplayText(const Asset& asset);

// Writes a "D" add change file (usual rule); while an import is applied an id below 500000
// raises the reservation/asset counter.
Status addAsset(Book& book, const Asset& asset);
// Deletes and adds again under the same id with the journal suppressed, then writes one modify
// change file (whenever exchange is on). The card's instalment rows stay.
Status replaceAsset(Book& book, const Asset& asset);
// Writes a delete change file (usual rule) whether or not it existed; when it existed and the
// journal is not suppressed, also deletes the card's instalment rows. Returns whether it existed.
bool deleteAsset(Book& book, int32_t assetId);
// deleteAsset as one transaction that reports whether the book took the delete: done also when
// there was no such asset (its delete change file is still written), failed with the reason when
// the store or the change for the desktop failed, and then nothing changed.
Status removeAsset(Book& book, int32_t assetId);
bool assetIdFree(Book& book, int32_t assetId);

}  // namespace coinest
