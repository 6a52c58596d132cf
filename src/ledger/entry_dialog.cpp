#include "ledger/entry_dialog.h"

#include <algorithm>
#include <cstdio>

#include "calendar/amount.h"
#include "calendar/date_text.h"
#include "calendar/typed_text.h"
#include "ledger/entry_rules.h"
#include "platform/clock.h"
#include "platform/text_field.h"
#include "store/asset_kind.h"
#include "store/category_tables.h"
#include "store/entry_kind.h"
#include "store/entry_table.h"
#include "store/instalment_count.h"
#include "store/new_record.h"
#include "store/reserved_names.h"
#include "store/yes_no_flag.h"

namespace coinest {

namespace {

int indexOf(const std::vector<std::string>& items, std::string_view text) {
  const auto found = std::find(items.begin(), items.end(), text);
  return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

bool inList(const EntryChoiceList& list, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < list.items.size();
}

const std::string* selectedText(const EntryChoiceList& list) {
  return inList(list, list.selected) ? &list.items[static_cast<std::size_t>(list.selected)] : nullptr;
}

const PaymentItem* selectedItem(const EntryChoiceList& list, const std::vector<PaymentItem>& items) {
  return inList(list, list.selected) ? &items[static_cast<std::size_t>(list.selected)] : nullptr;
}

EntryChoiceList textsOf(const std::vector<PaymentItem>& items, int selected) {
  EntryChoiceList list{{}, selected};
  for (const PaymentItem& item : items) list.items.push_back(item.text);
  return list;
}

EntryDialogKind dialogKindOf(const LedgerEntry& entry) {
  if (entry.entryKind == kIncomeKind) return EntryDialogKind::Income;
  if (entry.entryKind == kTransferKind) return EntryDialogKind::Transfer;
  return isYes(entry.cardFlag) ? EntryDialogKind::CardExpense : EntryDialogKind::Expense;
}

}  // namespace

std::vector<std::string> instalmentItems() {
  std::vector<std::string> items{"", "일시불"};
  for (int months = 2; months <= kMaxInstalments; ++months) items.push_back(std::to_string(months) + "개월");
  return items;
}

std::optional<EntryFieldRefusal> checkTypedEntryFields(std::string_view content, std::string_view amount) {
  if (trimTypedText(content).empty()) return EntryFieldRefusal{kContentRequiredMessage, EntryDialogField::Content};
  const std::string typed = trimTypedText(amount);
  const TypedAmount read = readTypedAmount(typed);
  switch (read.kind) {
    case TypedAmountKind::Empty: return EntryFieldRefusal{kAmountRequiredMessage, EntryDialogField::Amount};
    case TypedAmountKind::NotInteger: return EntryFieldRefusal{kAmountDigitsOnlyMessage, EntryDialogField::Amount};
    case TypedAmountKind::OutOfRange:
      // Only a text longer than the field can hold gets here; its sign decides which limit it breaks.
      return EntryFieldRefusal{typed.front() == '-' ? kAmountPositiveMessage : kAmountTooLongMessage,
                               EntryDialogField::Amount};
    case TypedAmountKind::Ok: break;
  }
  if (read.value <= 0) return EntryFieldRefusal{kAmountPositiveMessage, EntryDialogField::Amount};
  if (typed.size() > kEntryAmountMaxDigits) return EntryFieldRefusal{kAmountTooLongMessage, EntryDialogField::Amount};
  return std::nullopt;
}

EntryDialog::EntryDialog(Book& book, UiPort& ui, Mode mode, bool latinInput)
    : book_(&book), ui_(&ui), mode_(mode), latinInput_(latinInput) {
  instalments_ = {instalmentItems(), 0};
}

EntryDialog EntryDialog::openForAdd(Book& book, UiPort& ui, std::string date, bool latinInput) {
  EntryDialog dialog(book, ui, Mode::Add, latinInput);
  dialog.date_ = std::move(date);
  dialog.fillMajors();
  dialog.fillPaymentLists();
  return dialog;
}

std::optional<EntryDialog> EntryDialog::openForChange(Book& book, UiPort& ui, int32_t entryId, bool latinInput) {
  std::optional<LedgerEntry> entry = findEntry(book, entryId);
  if (!entry) return std::nullopt;
  EntryDialog dialog(book, ui, Mode::Change, latinInput);
  dialog.showEntry(*entry);
  return dialog;
}

void EntryDialog::showEntry(const LedgerEntry& entry) {
  original_ = entry;
  date_ = entry.entryDate;
  content_ = entry.content;
  amount_ = std::to_string(entry.amount);
  note_ = entry.note;
  instalments_.selected = validInstalments(entry.instalments) ? entry.instalments : 0;
  kind_ = dialogKindOf(entry);

  fillMajors();
  // A major deleted since is listed at the end, with the entry's minor alone under it; a minor no
  // longer in use is listed at the end of its major's minors.
  majors_.selected = indexOf(majors_.items, entry.majorItem);
  if (majors_.selected < 0) {
    majors_.items.push_back(entry.majorItem);
    majorIds_.push_back(std::nullopt);
    keptMinor_ = entry.minorItem;
    majors_.selected = static_cast<int>(majors_.items.size()) - 1;
  }
  fillMinorsOfSelectedMajor();
  minors_.selected = indexOf(minors_.items, entry.minorItem);
  if (minors_.selected < 0) {
    minors_.items.push_back(entry.minorItem);
    minors_.selected = static_cast<int>(minors_.items.size()) - 1;
  }

  fillPaymentLists();
  const int found = indexOfAsset(meansItems_, entry.assetId);
  switch (kind_) {
    case EntryDialogKind::Income:
    case EntryDialogKind::CardExpense: means_.selected = entry.assetId > 0 && found >= 0 ? found : 0; break;
    case EntryDialogKind::Expense:
      if (entry.assetId > 0 && found >= 0) {
        means_.selected = found;
      } else {
        means_.selected = isYes(entry.phoneFlag) ? 1 : 0;
      }
      break;
    case EntryDialogKind::Transfer:
      means_.selected = found;
      toSides_.selected = indexOfAsset(toSideItems_, entry.toAssetId);
      break;
  }
}

std::string_view EntryDialog::meansLabel() const { return kind_ == EntryDialogKind::Transfer ? "－계좌" : "구분"; }

bool EntryDialog::shown(EntryDialogField field) const {
  if (field == EntryDialogField::ToSide) return kind_ == EntryDialogKind::Transfer;
  if (field == EntryDialogField::Instalments) return kind_ == EntryDialogKind::CardExpense;
  return true;
}

void EntryDialog::fillMajors() {
  majors_ = {};
  majorIds_.clear();
  keptMinor_.clear();
  for (const MajorItem& major : loadMajorItems(*book_, entryKindCode(kind_)).items) {
    majors_.items.push_back(major.itemName);
    majorIds_.push_back(major.majorId);
  }
  if (!majors_.items.empty()) majors_.selected = 0;
  fillMinorsOfSelectedMajor();
}

void EntryDialog::fillMinorsOfSelectedMajor() {
  minors_ = {};
  if (!inList(majors_, majors_.selected)) return;
  const std::optional<int32_t> majorId = majorIds_[static_cast<std::size_t>(majors_.selected)];
  if (!majorId) {
    minors_.items.push_back(keptMinor_);
  } else {
    for (const MinorItem& minor : loadMinorItems(*book_, *majorId).items) {
      if (isYes(minor.inUse)) minors_.items.push_back(minor.itemName);
    }
  }
  if (!minors_.items.empty()) minors_.selected = 0;
}

void EntryDialog::fillPaymentLists() {
  const std::string* minor = selectedText(minors_);
  PaymentLists lists = paymentListsOf(*book_, kind_, minor ? std::string_view(*minor) : std::string_view());
  meansItems_ = std::move(lists.means);
  toSideItems_ = std::move(lists.toSides);
  means_ = textsOf(meansItems_, meansItems_.empty() ? -1 : 0);
  toSides_ = textsOf(toSideItems_, toSideItems_.empty() ? -1 : 0);
}

bool EntryDialog::setDate(std::string_view date) {
  const std::optional<CalendarDate> day = parseIsoDate(std::string(date).c_str());
  if (!day || day->year < kFirstCalendarYear || day->year > kLastCalendarYear) return false;
  date_ = std::string(date);
  return true;
}

void EntryDialog::chooseKind(EntryDialogKind kind) {
  if (kind == kind_) return;
  const bool sameCode = std::string_view(entryKindCode(kind)) == entryKindCode(kind_);
  kind_ = kind;
  // "지출" and "카드지출" share their categories, so moving between them keeps the chosen ones.
  if (!sameCode) fillMajors();
  fillPaymentLists();
}

bool EntryDialog::chooseMajor(int index) {
  if (!inList(majors_, index)) return false;
  majors_.selected = index;
  fillMinorsOfSelectedMajor();
  if (kind_ == EntryDialogKind::Transfer) fillPaymentLists();
  return true;
}

bool EntryDialog::chooseMinor(int index) {
  if (!inList(minors_, index)) return false;
  minors_.selected = index;
  if (kind_ == EntryDialogKind::Transfer) fillPaymentLists();
  return true;
}

bool EntryDialog::chooseMeans(int index) {
  if (!inList(means_, index)) return false;
  means_.selected = index;
  if (index != 0) instalments_.selected = 1;  // "일시불"
  return true;
}

bool EntryDialog::chooseToSide(int index) {
  if (!inList(toSides_, index)) return false;
  toSides_.selected = index;
  return true;
}

bool EntryDialog::chooseInstalments(int index) {
  if (!inList(instalments_, index)) return false;
  instalments_.selected = index;
  return true;
}

void EntryDialog::setContent(std::string_view text) { content_ = fitTextField(text, kEntryContentMaxChars); }
void EntryDialog::setAmount(std::string_view text) { amount_ = fitTextField(text, kEntryAmountMaxChars); }
void EntryDialog::setNote(std::string_view text) { note_ = fitTextField(text, kEntryNoteMaxChars); }

void EntryDialog::focusField(EntryDialogField field) {
  focus_ = field;
  if (field != EntryDialogField::Content && field != EntryDialogField::Amount) return;
  const std::string* major = selectedText(majors_);
  const std::string* minor = selectedText(minors_);
  const std::vector<ContentAmount> earlier =
      previousContents(*book_, entryKindCode(kind_), major ? *major : std::string(), minor ? *minor : std::string());
  if (field == EntryDialogField::Content) {
    contentChoices_ = {{""}, -1};
    for (const ContentAmount& pair : earlier) {
      if (contentChoices_.items.back() != pair.content) contentChoices_.items.push_back(pair.content);
    }
    contentChoices_.selected = indexOf(contentChoices_.items, content_);
  } else {
    amountChoices_ = {{""}, -1};
    for (const ContentAmount& pair : earlier) {
      if (pair.content == content_) amountChoices_.items.push_back(std::to_string(pair.amount));
    }
    amountChoices_.selected = indexOf(amountChoices_.items, amount_);
  }
}

bool EntryDialog::refuse(std::string_view message, EntryDialogField field) {
  ui_->showMessage(message, MessageCaption::Error);
  focus_ = field;
  return false;
}

std::optional<LedgerEntry> EntryDialog::refuseEntry(std::string_view message, EntryDialogField field) {
  refuse(message, field);
  return std::nullopt;
}

std::optional<LedgerEntry> EntryDialog::buildEntry() {
  LedgerEntry entry;
  entry.entryDate = date_;
  entry.entryKind = entryKindCode(kind_);
  const std::string* major = selectedText(majors_);
  const std::string* minor = selectedText(minors_);
  entry.majorItem = major ? *major : std::string();
  entry.minorItem = minor ? *minor : std::string();
  entry.content = content_;
  entry.amount = readTypedAmount(amount_).value;
  entry.note = note_;
  entry.cardFlag = kNo;

  // The lists of income, expense and card expense always hold their first item.
  const PaymentItem* from = selectedItem(means_, meansItems_);
  const PaymentItem* to = selectedItem(toSides_, toSideItems_);
  switch (kind_) {
    case EntryDialogKind::Income:
      if (from && from->means == PaymentItem::Means::Asset) entry.assetId = from->assetId;
      break;
    case EntryDialogKind::Expense:
      if (from && from->means == PaymentItem::Means::Phone) entry.phoneFlag = kYes;
      if (from && from->means == PaymentItem::Means::Asset) {
        entry.assetId = from->assetId;
        if (from->assetKind == kCheckCardKind) entry.checkCardFlag = kYes;
      }
      break;
    case EntryDialogKind::CardExpense:
      entry.cardFlag = kYes;
      if (from && from->means == PaymentItem::Means::Asset) entry.assetId = from->assetId;
      entry.instalments = std::max(instalments_.selected, 0);
      break;
    case EntryDialogKind::Transfer: {
      // Each transfer minor asks for the sides it moves money between: a deposit comes from cash,
      // a withdrawal goes to cash.
      const std::string& kindOfMove = entry.minorItem;
      const bool fromCash = kindOfMove == kCashDepositMinor;
      const bool toCash = kindOfMove == kCashWithdrawalMinor;
      if (!fromCash && !from) return refuseEntry(kFromSideRequiredMessage, EntryDialogField::Means);
      if (!toCash && !to) return refuseEntry(kToSideRequiredMessage, EntryDialogField::ToSide);
      if (kindOfMove == kAccountTransferMinor && from->assetId == to->assetId) {
        return refuseEntry(kSameAccountMessage, EntryDialogField::Means);
      }
      entry.assetId = fromCash ? 0 : from->assetId;
      entry.toAssetId = toCash ? 0 : to->assetId;
      break;
    }
  }
  return entry;
}

Status EntryDialog::write(LedgerEntry& entry) {
  Book& book = *book_;
  TransactionGuard tx(book.store);
  if (mode_ == Mode::Add) {
    const std::optional<int32_t> id = newEntryId(book);
    if (!id) {
      tx.abandon();
      return Status::failure(book.store.lastError().empty() ? "no entry id could be taken" : book.store.lastError());
    }
    entry.entryId = *id;
    if (Status added = addEntry(book, entry); !added) {
      tx.abandon();
      return added;
    }
  } else {
    // The desktop may have deleted the entry while the dialog was open; an update would then
    // write nothing and still look done.
    if (!findEntry(book, original_.entryId)) {
      tx.abandon();
      return Status::failure(std::string(kRecordDeletedMeanwhileMessage));
    }
    entry.entryId = original_.entryId;
    entry.reserveId = original_.reserveId;
    if (Status updated = updateEntry(book, entry); !updated) {
      tx.abandon();
      return updated;
    }
  }
  return tx.finish();
}

bool EntryDialog::save() {
  if (const std::optional<EntryFieldRefusal> refusal = checkTypedEntryFields(content_, amount_)) {
    return refuse(refusal->message, refusal->field);
  }
  std::optional<LedgerEntry> entry = buildEntry();
  if (!entry) return false;
  if (Status written = write(*entry); !written) {
    ui_->showMessage(written.reason(), MessageCaption::Error);
    return false;
  }
  lastSaved_ = std::move(entry);
  return true;
}

bool EntryDialog::pressOk() {
  if (!save()) return false;
  closed_ = true;
  return true;
}

bool EntryDialog::pressContinue() {
  if (mode_ != Mode::Add || !save()) return false;
  content_.clear();
  amount_.clear();
  note_.clear();
  focus_ = EntryDialogField::Content;
  return true;
}

std::optional<int32_t> EntryDialog::savedEntryId() const {
  return lastSaved_ ? std::optional<int32_t>(lastSaved_->entryId) : std::nullopt;
}

}  // namespace coinest
