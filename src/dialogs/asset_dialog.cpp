#include "dialogs/asset_dialog.h"

#include "calendar/amount.h"
#include "calendar/typed_text.h"
#include "dialogs/amount_field.h"
#include "platform/text_field.h"
#include "store/asset_kind.h"
#include "store/asset_table.h"
#include "store/id_counters.h"
#include "store/new_record.h"

namespace coinest {

namespace {

constexpr std::size_t kAssetTextMaxChars = 40;
constexpr int kDaysInLongestMonth = 31;
constexpr int kPeriodMonths = 3;  // 전전월, 전월, 당월

std::size_t index(AssetField field) { return static_cast<std::size_t>(field); }

bool isPeriodField(AssetField field) { return field >= AssetField::PeriodFromMonth && field <= AssetField::PeriodToDay; }

// The four period lists, in the order a save checks them.
constexpr AssetField kPeriodFields[] = {AssetField::PeriodFromMonth, AssetField::PeriodFromDay,
                                        AssetField::PeriodToMonth, AssetField::PeriodToDay};
constexpr AssetField kTextFields[] = {AssetField::Company, AssetField::AssetName, AssetField::AssetNumber,
                                      AssetField::Holder, AssetField::Balance, AssetField::Note};

ChoiceList choicesFrom(int first, int last, std::string (*text)(int32_t)) {
  ChoiceList list;
  list.add("");
  for (int value = first; value <= last; ++value) list.add(text(value));
  list.select(0);
  return list;
}

std::string monthWordText(int32_t month) { return std::string(periodMonthWord(month)); }

// A stored choice as its row: the value itself, or the empty first row for a value the list lacks.
void chooseStored(ChoiceList& list, int32_t value) {
  if (!list.select(value)) list.select(0);
}

}  // namespace

bool isAssetTextField(AssetField field) {
  for (AssetField text : kTextFields) {
    if (text == field) return true;
  }
  return false;
}

std::size_t assetFieldMaxChars(AssetField field) {
  if (field == AssetField::Balance) return kBalanceFieldMaxChars;
  if (field == AssetField::Note) return kNoteMaxChars;
  return isAssetTextField(field) ? kAssetTextMaxChars : 0;
}

AssetDialog::AssetDialog(Book& book, UiPort& ui, const AssetKindInfo& kind, bool latinInput)
    : AssetDialog(book, ui, kind, DialogMode::Add, latinInput) {}

AssetDialog::AssetDialog(Book& book, UiPort& ui, const AssetKindInfo& kind, DialogMode mode, bool latinInput)
    : RecordDialog(ui, mode, AssetField::Company, latinInput), book_(book), kind_(kind) {
  lists_[index(AssetField::PayDay)] = choicesFrom(1, kDaysInLongestMonth, periodDayText);
  lists_[index(AssetField::PeriodFromMonth)] = choicesFrom(1, kPeriodMonths, monthWordText);
  lists_[index(AssetField::PeriodFromDay)] = choicesFrom(1, kLastDayOfMonth, periodDayText);
  lists_[index(AssetField::PeriodToMonth)] = lists_[index(AssetField::PeriodFromMonth)];
  lists_[index(AssetField::PeriodToDay)] = lists_[index(AssetField::PeriodFromDay)];
  ChoiceList& accounts = lists_[index(AssetField::LinkedAccount)];
  accounts.add("");
  if (kind_.code == kCheckCardKind) {
    for (const Asset& account : loadPaymentAssets(book_, kBankAccountKind)) {
      accounts.add(assetDisplayText(account), account.assetId);
    }
  }
  accounts.select(0);
}

AssetDialog::AssetDialog(Book& book, UiPort& ui, const Asset& asset, bool latinInput)
    : AssetDialog(book, ui, *findAssetKind(asset.assetKind), DialogMode::Change, latinInput) {
  assetId_ = asset.assetId;
  texts_[index(AssetField::Company)] = asset.company;
  texts_[index(AssetField::AssetName)] = asset.assetName;
  texts_[index(AssetField::AssetNumber)] = asset.assetNumber;
  texts_[index(AssetField::Holder)] = asset.holder;
  texts_[index(AssetField::Note)] = asset.note;
  texts_[index(AssetField::Balance)] = std::to_string(asset.balance);
  if (kind_.code == kCreditCardKind) {
    chooseStored(lists_[index(AssetField::PayDay)], asset.linkOrPayDay);
    chooseStored(lists_[index(AssetField::PeriodFromMonth)], asset.periodFromMonth);
    chooseStored(lists_[index(AssetField::PeriodFromDay)], asset.periodFromDay);
    chooseStored(lists_[index(AssetField::PeriodToMonth)], asset.periodToMonth);
    chooseStored(lists_[index(AssetField::PeriodToDay)], asset.periodToDay);
  }
  ChoiceList& accounts = lists_[index(AssetField::LinkedAccount)];
  const int row = asset.linkOrPayDay > 0 ? accounts.rowOfId(asset.linkOrPayDay) : -1;
  accounts.select(row < 0 ? 0 : row);
}

std::string_view AssetDialog::label(AssetField field) const {
  switch (field) {
    case AssetField::Company: return kind_.companyLabel;
    case AssetField::AssetName: return kind_.nameLabel;
    case AssetField::AssetNumber: return kind_.numberLabel;
    case AssetField::Holder: return kind_.holderLabel;
    case AssetField::Balance: return "잔고";
    case AssetField::PayDay: return "결제일";
    case AssetField::LinkedAccount: return "통장계좌";
    case AssetField::Note: return "비고";
    default: return "청구기간";
  }
}

bool AssetDialog::shown(AssetField field) const {
  if (field == AssetField::Balance) return kind_.code == kBankAccountKind;
  if (field == AssetField::PayDay || isPeriodField(field)) return kind_.code == kCreditCardKind;
  if (field == AssetField::LinkedAccount) return kind_.code == kCheckCardKind;
  return true;
}

const std::string& AssetDialog::text(AssetField field) const { return texts_[index(field)]; }

void AssetDialog::setText(AssetField field, std::string_view typed) {
  if (isAssetTextField(field)) texts_[index(field)] = fitTextField(typed, assetFieldMaxChars(field));
}

std::optional<std::string> AssetDialog::textRefusal(AssetField field, std::string_view text) const {
  return textFieldRefusal(text, assetFieldMaxChars(field));
}

const ChoiceList& AssetDialog::list(AssetField field) const { return lists_[index(field)]; }

bool AssetDialog::choose(AssetField field, int row) {
  return !isAssetTextField(field) && lists_[index(field)].select(row);
}

Asset AssetDialog::record() const {
  Asset asset;
  asset.assetId = assetId_;
  asset.assetKind = std::string(kind_.code);
  asset.company = text(AssetField::Company);
  asset.assetName = text(AssetField::AssetName);
  asset.assetNumber = text(AssetField::AssetNumber);
  asset.holder = text(AssetField::Holder);
  asset.note = text(AssetField::Note);
  if (kind_.code == kBankAccountKind) {
    const TypedAmount balance = readTypedAmount(text(AssetField::Balance));
    asset.balance = balance.value;
  } else if (kind_.code == kCreditCardKind) {
    asset.linkOrPayDay = list(AssetField::PayDay).selected;
    asset.periodFromMonth = list(AssetField::PeriodFromMonth).selected;
    asset.periodFromDay = list(AssetField::PeriodFromDay).selected;
    asset.periodToMonth = list(AssetField::PeriodToMonth).selected;
    asset.periodToDay = list(AssetField::PeriodToDay).selected;
  } else if (kind_.code == kCheckCardKind) {
    asset.linkOrPayDay = list(AssetField::LinkedAccount).selectedId();
  }
  return asset;
}

bool AssetDialog::check() {
  if (trimTypedText(text(AssetField::Company)).empty()) {
    return refuse(std::string(kind_.companyLabel) + "은 반드시 입력해야 합니다", AssetField::Company);
  }
  if (kind_.code == kBankAccountKind) {
    // A negative balance is a debt the account carries.
    if (const std::optional<std::string_view> refusal = amountRefusal(text(AssetField::Balance), AmountRule::Balance)) {
      return refuse(*refusal, AssetField::Balance);
    }
  }
  if (kind_.code == kCreditCardKind) {
    bool anyChosen = false;
    for (AssetField field : kPeriodFields) anyChosen = anyChosen || list(field).selected > 0;
    for (AssetField field : kPeriodFields) {
      if (anyChosen && list(field).selected <= 0) return refuse(kBillingPeriodInvalidMessage, field);
    }
  }
  return true;
}

bool AssetDialog::save() {
  if (!check()) return false;
  Asset asset = record();
  const Status saved = saveRecord(book_, mode() == DialogMode::Change, asset, &Asset::assetId, CounterNo::Reservation,
                                  addAsset, replaceAsset, assetIdFree);
  return written(saved, asset.assetId);
}

void AssetDialog::clearForNext() {
  for (AssetField field : kTextFields) texts_[index(field)].clear();
  for (ChoiceList& list : lists_) {
    if (!list.empty()) list.select(0);
  }
  setFocus(AssetField::Company);
}

std::optional<AssetDialog> openAssetChange(Book& book, UiPort& ui, int32_t assetId, bool latinInput) {
  const std::optional<Asset> asset = findAsset(book, assetId);
  if (!asset || findAssetKind(asset->assetKind) == nullptr) return std::nullopt;
  return AssetDialog(book, ui, *asset, latinInput);
}

}  // namespace coinest
