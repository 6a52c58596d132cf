#include "dialogs/query_account.h"

#include "store/asset_table.h"
#include "store/entry_table.h"

namespace coinest {

namespace {

QueryRow accountRow(const LedgerEntry& e, int32_t accountId) {
  QueryRow row;
  row.entryId = e.entryId;
  row.entryDate = e.entryDate;
  row.content = reservationMarked(e.content, e.reserveId);
  row.entryKind = e.entryKind;
  row.cardFlag = e.cardFlag;
  row.majorItem = e.majorItem;
  row.minorItem = e.minorItem;
  const TotalAmount amount = e.amount;
  if (e.entryKind == "3") {
    row.signedAmount = e.assetId == accountId ? -amount : amount;
  } else {
    row.signedAmount = e.entryKind == "2" ? -amount : amount;
  }
  row.amountText = formatSignedTotalAmount(row.signedAmount);
  row.reserveId = e.reserveId;
  row.assetId = e.assetId;
  row.toAssetId = e.toAssetId;
  row.phoneFlag = e.phoneFlag;
  row.checkCardFlag = e.checkCardFlag;
  return row;
}

}  // namespace

AccountQueryView buildAccountQuery(Book& book, const AccountCriteria& criteria, QueryRowCache& cache) {
  const int32_t account = criteria.accountFilter;
  const QueryReadKey key{criteria.accountFrom, criteria.accountTo, account};
  if (cache.needsRead(key)) {
    cache.rows.clear();
    if (account != 0) {
      for (const LedgerEntry& e : entriesInRange(book, criteria.accountFrom, criteria.accountTo)) {
        if (e.assetId == account || e.toAssetId == account) cache.rows.push_back(accountRow(e, account));
      }
    }
    sortQueryRows(cache.rows);
    cache.key = key;
    cache.queryReread = false;
  }

  AccountQueryView view;
  for (const QueryRow& row : cache.rows) {
    view.rows.push_back({rowDateText(row.entryDate), row.content, row.amountText, row.entryId});
  }
  view.fromText = criteria.accountFrom;
  view.toText = "~ " + criteria.accountTo;
  view.company = criteria.company;
  view.assetName = criteria.assetName;
  view.assetNumber = criteria.assetNumber;
  view.holder = criteria.holder;
  if (account != 0) {
    if (const std::optional<Asset> asset = findAsset(book, account)) view.balance = asset->balance;
  }
  view.balanceText = formatSignedAmount(view.balance);
  return view;
}

}  // namespace coinest
