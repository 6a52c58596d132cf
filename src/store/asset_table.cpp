#include "store/asset_table.h"

#include <algorithm>
#include <string>

#include "store/asset_kind.h"
#include "store/entry_table.h"
#include "store/id_counters.h"
#include "store/journaled_writes.h"
#include "store/record_layout.h"
#include "store/table_access.h"
#include "store/table_catalogue.h"

namespace coinest {

namespace {

constexpr PropId kKindOrder = makePropId(2, PropType::Text);

// Walks the table by kind from `from` to its end and keeps the assets `wanted` accepts, at most
// a list's capacity of them, in walk order.
template <class Wanted>
std::vector<Asset> walkKinds(Book& book, std::string_view from, Wanted wanted) {
  std::vector<Asset> list;
  TableHandle table = book.store.openTable(kAssetsTable, kKindOrder);
  if (!table) return list;
  table.seek(SeekMode::SeekFromFirst, 0);
  for (RecordId r = table.seek(SeekMode::SeekAtLeast, std::string(from)); r != 0 && list.size() < kAssetListCapacity;
       r = table.seek(SeekMode::SeekFromCurrent, 1)) {
    Asset asset;
    readRecord(table, asset);
    if (wanted(asset.assetKind)) list.push_back(std::move(asset));
  }
  return list;
}

}  // namespace

std::vector<Asset> loadAssetsOfKind(Book& book, std::string_view assetKind) {
  return walkKinds(book, assetKind, [&](const std::string& kind) { return kind == assetKind; });
}

std::vector<Asset> loadPaymentAssets(Book& book, std::string_view assetKind) {
  std::vector<Asset> list =
      assetKind == kPaymentAssetKinds
          ? walkKinds(book, assetKind,
                      [](const std::string& kind) { return kind == kBankAccountKind || kind == kCheckCardKind; })
          : walkKinds(book, assetKind, [&](const std::string& kind) { return kind == assetKind; });
  std::stable_sort(list.begin(), list.end(), [](const Asset& a, const Asset& b) {
    if (a.assetKind != b.assetKind) return a.assetKind < b.assetKind;
    return a.company < b.company;
  });
  return list;
}

std::optional<Asset> findAsset(Book& book, int32_t assetId) {
  return findById<Asset>(book.store, kAssetsTable, assetId);
}

Status addAsset(Book& book, const Asset& asset) {
  // Assets share their counter with the reservations.
  return addJournaled(book, kAssetsTable, ChangeLetter::Asset, CounterNo::Reservation, asset.assetId, asset);
}

bool deleteAsset(Book& book, int32_t assetId) {
  TransactionGuard tx(book.store);
  const bool existed = deleteJournaled(book, kAssetsTable, ChangeLetter::Asset, assetId);
  // A replacement deletes under a suppressed journal and keeps the card's instalment rows.
  if (existed && !book.modes.journalSuppressed && !deleteInstalmentsOfCard(book, assetId)) tx.abandon();
  return tx.commit() && existed;
}

Status removeAsset(Book& book, int32_t assetId) {
  TransactionGuard tx(book.store);
  static_cast<void>(deleteAsset(book, assetId));  // false also for an asset already gone, no failure
  return tx.finish();
}

Status replaceAsset(Book& book, const Asset& asset) {
  return replaceJournaled(
      book, ChangeLetter::Asset, asset.assetId, asset, [&] { return deleteAsset(book, asset.assetId); },
      [&] { return addAsset(book, asset); });
}

bool assetIdFree(Book& book, int32_t assetId) { return idFree(book.store, kAssetsTable, assetId); }

std::string assetDisplayText(const Asset& asset) {
  return asset.company + " " + asset.assetName + " " + asset.holder;
}

}  // namespace coinest
