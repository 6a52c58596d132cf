#include "dialogs/payment_lists.h"

#include "store/asset_kind.h"
#include "store/asset_table.h"
#include "store/instalment_count.h"
#include "store/reserved_names.h"

namespace coinest {

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

ChoiceList choicesOf(const std::vector<PaymentItem>& items, int selected) {
  ChoiceList list;
  for (const PaymentItem& item : items) list.add(item.text, item.assetId);
  list.select(selected);
  return list;
}

int indexOfAsset(const std::vector<PaymentItem>& items, int32_t assetId) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].assetId == assetId) return static_cast<int>(i);
  }
  return -1;
}

PaymentFields paymentOf(EntryDialogKind kind, const PaymentItem* chosen) {
  PaymentFields payment;
  if (chosen == nullptr) return payment;
  if (kind == EntryDialogKind::Expense && chosen->means == PaymentItem::Means::Phone) payment.phoneFlag = kYes;
  if (chosen->means == PaymentItem::Means::Asset) {
    payment.assetId = chosen->assetId;
    if (kind == EntryDialogKind::Expense && chosen->assetKind == kCheckCardKind) payment.checkCardFlag = kYes;
  }
  return payment;
}

int meansRowOf(const std::vector<PaymentItem>& items, EntryDialogKind kind, int32_t assetId,
               std::string_view phoneFlag) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (assetId > 0 && items[i].means == PaymentItem::Means::Asset && items[i].assetId == assetId) {
      return static_cast<int>(i);
    }
  }
  if (kind == EntryDialogKind::Expense && isYes(phoneFlag)) return kPhonePaymentRow;
  return kFirstMeansRow;
}

ChoiceList instalmentChoices() {
  ChoiceList list;
  list.add("");
  list.add("일시불");
  for (int months = 2; months <= kMaxInstalments; ++months) list.add(std::to_string(months) + "개월");
  list.select(kNoInstalmentsRow);
  return list;
}

}  // namespace coinest
