#include "ledger/entry_choices.h"

#include "ledger/asset_view.h"
#include "store/asset_kind.h"
#include "store/asset_table.h"
#include "store/category_tables.h"
#include "store/entry_kind.h"

namespace coinest {

namespace {

constexpr char kCashItem[] = "현금";
constexpr char kPhoneItem[] = "휴대폰 결제";
constexpr int kPhoneRow = 1;
constexpr int kLongestInstalment = 24;

}  // namespace

std::string_view paymentKindLabel(PaymentKind kind) {
  switch (kind) {
    case PaymentKind::Income: return "수입";
    case PaymentKind::Expense: return "지출";
    case PaymentKind::CardExpense: return "카드지출";
  }
  return {};
}

std::string_view entryKindOf(PaymentKind kind) { return kind == PaymentKind::Income ? kIncomeKind : kExpenseKind; }

PaymentKind paymentKindOf(std::string_view entryKind, std::string_view cardFlag) {
  if (entryKind == kIncomeKind) return PaymentKind::Income;
  if (entryKind == kExpenseKind && !isYes(cardFlag)) return PaymentKind::Expense;
  return PaymentKind::CardExpense;
}

MeansChoices loadMeansChoices(Book& book, PaymentKind kind) {
  MeansChoices means;
  switch (kind) {
    case PaymentKind::Income:
      means.list.add(kCashItem);
      means.assets = loadPaymentAssets(book, kBankAccountKind);
      break;
    case PaymentKind::Expense:
      means.list.add(kCashItem);
      means.list.add(kPhoneItem);
      means.assets = loadPaymentAssets(book, kPaymentAssetKinds);
      break;
    case PaymentKind::CardExpense:
      means.list.add("");
      means.assets = loadPaymentAssets(book, kCreditCardKind);
      break;
  }
  means.firstAssetRow = means.list.size();
  for (const Asset& asset : means.assets) means.list.add(assetDisplayText(asset), asset.assetId);
  means.list.select(0);
  return means;
}

PaymentFields paymentOf(const MeansChoices& means, PaymentKind kind, int row) {
  PaymentFields payment;
  if (kind == PaymentKind::Expense && row == kPhoneRow) {
    payment.phoneFlag = kYes;
    return payment;
  }
  const int assetRow = row - means.firstAssetRow;
  if (assetRow < 0 || assetRow >= static_cast<int>(means.assets.size())) return payment;
  const Asset& asset = means.assets[static_cast<std::size_t>(assetRow)];
  payment.assetId = asset.assetId;
  if (kind == PaymentKind::Expense && asset.assetKind == kCheckCardKind) payment.checkCardFlag = kYes;
  return payment;
}

int meansRowOf(const MeansChoices& means, PaymentKind kind, int32_t assetId, std::string_view phoneFlag) {
  for (std::size_t i = 0; i < means.assets.size(); ++i) {
    if (assetId > 0 && means.assets[i].assetId == assetId) return means.firstAssetRow + static_cast<int>(i);
  }
  if (kind == PaymentKind::Expense && isYes(phoneFlag)) return kPhoneRow;
  return 0;
}

ChoiceList instalmentChoices() {
  ChoiceList list;
  list.add("");
  list.add("일시불");
  for (int months = 2; months <= kLongestInstalment; ++months) list.add(std::to_string(months) + "개월");
  list.select(0);
  return list;
}

ChoiceList majorChoices(Book& book, std::string_view itemKind) {
  ChoiceList list;
  for (const MajorItem& major : loadMajorItems(book, itemKind).items) list.add(major.itemName, major.majorId);
  list.select(0);
  return list;
}

ChoiceList inUseMinorChoices(Book& book, int32_t majorId) {
  ChoiceList list;
  for (const MinorItem& minor : loadMinorItems(book, majorId).items) {
    if (isYes(minor.inUse)) list.add(minor.itemName, minor.minorId);
  }
  list.select(0);
  return list;
}

void selectOrAppend(ChoiceList& list, std::string_view text) {
  int row = list.rowOf(text);
  if (row < 0) {
    list.add(std::string(text));
    row = list.size() - 1;
  }
  list.select(row);
}

}  // namespace coinest
