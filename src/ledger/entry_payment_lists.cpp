#include "ledger/entry_payment_lists.h"

#include "store/asset_kind.h"
#include "store/asset_table.h"
#include "store/entry_kind.h"
#include "store/reserved_names.h"

namespace coinest {

std::string_view entryDialogKindText(EntryDialogKind kind) {
  switch (kind) {
    case EntryDialogKind::Income: return "수입";
    case EntryDialogKind::Expense: return "지출";
    case EntryDialogKind::CardExpense: return "카드지출";
    case EntryDialogKind::Transfer: return "이체";
  }
  return {};
}

const char* entryKindCode(EntryDialogKind kind) {
  switch (kind) {
    case EntryDialogKind::Income: return kIncomeKind;
    case EntryDialogKind::Expense:
    case EntryDialogKind::CardExpense: return kExpenseKind;
    case EntryDialogKind::Transfer: return kTransferKind;
  }
  return kExpenseKind;
}

namespace {

PaymentItem fixedItem(std::string_view text, PaymentItem::Means means) { return {std::string(text), means, 0, {}}; }

// `items` followed by the assets loadPaymentAssets gives for `assetKinds`.
std::vector<PaymentItem> withAssets(Book& book, std::vector<PaymentItem> items, std::string_view assetKinds) {
  for (const Asset& asset : loadPaymentAssets(book, assetKinds)) {
    items.push_back({assetDisplayText(asset), PaymentItem::Means::Asset, asset.assetId, asset.assetKind});
  }
  return items;
}

PaymentLists transferLists(Book& book, std::string_view minor) {
  const PaymentItem cash = fixedItem(kCashItem, PaymentItem::Means::Cash);
  if (minor == kCashDepositMinor) return {{cash}, withAssets(book, {}, kBankAccountKind)};
  if (minor == kCashWithdrawalMinor) return {withAssets(book, {}, kBankAccountKind), {cash}};
  if (minor == kCashAdvanceMinor) return {withAssets(book, {}, kCreditCardKind), withAssets(book, {cash}, kBankAccountKind)};
  if (minor == kAccountTransferMinor) {
    std::vector<PaymentItem> accounts = withAssets(book, {}, kBankAccountKind);
    return {accounts, accounts};
  }
  return {};
}

}  // namespace

PaymentLists paymentListsOf(Book& book, EntryDialogKind kind, std::string_view transferMinor) {
  const PaymentItem cash = fixedItem(kCashItem, PaymentItem::Means::Cash);
  switch (kind) {
    case EntryDialogKind::Income: return {withAssets(book, {cash}, kBankAccountKind), {}};
    case EntryDialogKind::Expense:
      return {withAssets(book, {cash, fixedItem(kPhonePaymentItem, PaymentItem::Means::Phone)}, kPaymentAssetKinds), {}};
    case EntryDialogKind::CardExpense:
      return {withAssets(book, {fixedItem("", PaymentItem::Means::NoCard)}, kCreditCardKind), {}};
    case EntryDialogKind::Transfer: return transferLists(book, transferMinor);
  }
  return {};
}

int indexOfAsset(const std::vector<PaymentItem>& items, int32_t assetId) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].assetId == assetId) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace coinest
