#include "dialogs/query_account.h"

#include "store/asset_table.h"
#include "store/entry_kind.h"
#include "store/entry_table.h"

namespace coinest {

namespace {

QueryRow accountRow(const LedgerEntry& e, int32_t accountId) {
  const TotalAmount amount = e.amount;
  // A transfer leaves the account on its from side and enters it on its to side.
  const bool leaves = e.entryKind == kTransferKind ? e.assetId == accountId : e.entryKind == kExpenseKind;
  const TotalAmount signedAmount = leaves ? -amount : amount;
  return QueryRow{e, reservationMarked(e.content, e.reserveId), signedAmount, formatSignedTotalAmount(signedAmount)};
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
    view.rows.push_back({rowDateText(row.entry.entryDate), row.content, row.amountText, row.entry.entryId});
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
