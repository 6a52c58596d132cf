#include "dialogs/entry_dialog.h"

#include <algorithm>

#include "calendar/date_text.h"
#include "calendar/typed_text.h"
#include "dialogs/amount_field.h"
#include "dialogs/category_choices.h"
#include "ledger/entry_rules.h"
#include "platform/text_field.h"
#include "store/entry_table.h"
#include "store/id_counters.h"
#include "store/instalment_count.h"
#include "store/new_record.h"
#include "store/reserved_names.h"
#include "store/yes_no_flag.h"

namespace coinest {

namespace {

const PaymentItem* selectedItem(const ChoiceList& list, const std::vector<PaymentItem>& items) {
  const int row = list.selected;
  return row >= 0 && row < list.size() ? &items[static_cast<std::size_t>(row)] : nullptr;
}

}  // namespace

std::optional<EntryFieldRefusal> checkTypedEntryFields(std::string_view content, std::string_view amount) {
  if (trimTypedText(content).empty()) return EntryFieldRefusal{kContentRequiredMessage, EntryDialogField::Content};
  if (const std::optional<std::string_view> refusal = amountRefusal(amount, AmountRule::Payment)) {
    return EntryFieldRefusal{*refusal, EntryDialogField::Amount};
  }
  return std::nullopt;
}

EntryDialog::EntryDialog(Book& book, UiPort& ui, DialogMode mode, bool latinInput)
    : RecordDialog(ui, mode, EntryDialogField::Date, latinInput), book_(&book), instalments_(instalmentChoices()) {}

EntryDialog EntryDialog::openForAdd(Book& book, UiPort& ui, std::string date, bool latinInput) {
  EntryDialog dialog(book, ui, DialogMode::Add, latinInput);
  dialog.date_ = std::move(date);
  dialog.fillMajors();
  dialog.fillPaymentLists();
  return dialog;
}

std::optional<EntryDialog> EntryDialog::openForChange(Book& book, UiPort& ui, int32_t entryId, bool latinInput) {
  std::optional<LedgerEntry> entry = findEntry(book, entryId);
  if (!entry) return std::nullopt;
  EntryDialog dialog(book, ui, DialogMode::Change, latinInput);
  dialog.showEntry(*entry);
  return dialog;
}

void EntryDialog::showEntry(const LedgerEntry& entry) {
  original_ = entry;
  date_ = entry.entryDate;
  content_ = entry.content;
  amount_ = std::to_string(entry.amount);
  note_ = entry.note;
  instalments_.select(validInstalments(entry.instalments) ? entry.instalments : kNoInstalmentsRow);
  kind_ = dialogKindOf(entry.entryKind, entry.cardFlag, TransferOffered::Yes);

  fillMajors();
  // A major deleted since is listed at the end, with the entry's minor alone under it; a minor no
  // longer in use is listed at the end of its major's minors.
  if (majors_.rowOf(entry.majorItem) < 0) keptMinor_ = entry.minorItem;
  selectOrAppend(majors_, entry.majorItem);
  fillMinorsOfSelectedMajor();
  selectOrAppend(minors_, entry.minorItem);

  fillPaymentLists();
  if (kind_ == EntryDialogKind::Transfer) {
    means_.selected = indexOfAsset(meansItems_, entry.assetId);
    toSides_.selected = indexOfAsset(toSideItems_, entry.toAssetId);
  } else {
    means_.select(meansRowOf(meansItems_, kind_, entry.assetId, entry.phoneFlag));
  }
}

std::string_view EntryDialog::meansLabel() const { return kind_ == EntryDialogKind::Transfer ? "－계좌" : "구분"; }

bool EntryDialog::shown(EntryDialogField field) const {
  if (field == EntryDialogField::ToSide) return kind_ == EntryDialogKind::Transfer;
  if (field == EntryDialogField::Instalments) return kind_ == EntryDialogKind::CardExpense;
  return true;
}

void EntryDialog::fillMajors() {
  majors_ = majorChoices(*book_, entryKindCode(kind_));
  keptMinor_.clear();
  fillMinorsOfSelectedMajor();
}

void EntryDialog::fillMinorsOfSelectedMajor() {
  minors_.clear();
  if (majors_.selected < 0) return;
  if (majors_.selectedId() == 0) {
    minors_.add(keptMinor_);
    minors_.select(0);
  } else {
    minors_ = inUseMinorChoices(*book_, majors_.selectedId());
  }
}

void EntryDialog::fillPaymentLists() {
  PaymentLists lists = paymentListsOf(*book_, kind_, minors_.selectedText());
  meansItems_ = std::move(lists.means);
  toSideItems_ = std::move(lists.toSides);
  means_ = choicesOf(meansItems_, kFirstMeansRow);
  toSides_ = choicesOf(toSideItems_, kFirstMeansRow);
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
  if (!majors_.select(index)) return false;
  fillMinorsOfSelectedMajor();
  if (kind_ == EntryDialogKind::Transfer) fillPaymentLists();
  return true;
}

bool EntryDialog::chooseMinor(int index) {
  if (!minors_.select(index)) return false;
  if (kind_ == EntryDialogKind::Transfer) fillPaymentLists();
  return true;
}

bool EntryDialog::chooseMeans(int index) {
  if (!means_.select(index)) return false;
  if (index != kFirstMeansRow) instalments_.select(kLumpSumRow);
  return true;
}

bool EntryDialog::chooseToSide(int index) { return toSides_.select(index); }

bool EntryDialog::chooseInstalments(int index) { return instalments_.select(index); }

void EntryDialog::setContent(std::string_view text) { content_ = fitTextField(text, kContentMaxChars); }
void EntryDialog::setAmount(std::string_view text) { amount_ = fitTextField(text, kAmountFieldMaxChars); }
void EntryDialog::setNote(std::string_view text) { note_ = fitTextField(text, kNoteMaxChars); }

void EntryDialog::focusField(EntryDialogField field) {
  setFocus(field);
  if (field != EntryDialogField::Content && field != EntryDialogField::Amount) return;
  const std::vector<ContentAmount> earlier =
      previousContents(*book_, entryKindCode(kind_), majors_.selectedText(), minors_.selectedText());
  if (field == EntryDialogField::Content) {
    contentChoices_.clear();
    contentChoices_.add("");
    for (const ContentAmount& pair : earlier) {
      if (contentChoices_.items.back() != pair.content) contentChoices_.add(pair.content);
    }
    contentChoices_.selected = contentChoices_.rowOf(content_);
  } else {
    amountChoices_.clear();
    amountChoices_.add("");
    for (const ContentAmount& pair : earlier) {
      if (pair.content == content_) amountChoices_.add(std::to_string(pair.amount));
    }
    amountChoices_.selected = amountChoices_.rowOf(amount_);
  }
}

std::optional<LedgerEntry> EntryDialog::buildEntry() {
  LedgerEntry entry;
  entry.entryDate = date_;
  entry.entryKind = entryKindCode(kind_);
  entry.majorItem = majors_.selectedText();
  entry.minorItem = minors_.selectedText();
  entry.content = content_;
  entry.amount = readTypedAmount(amount_).value;
  entry.note = note_;
  entry.cardFlag = kind_ == EntryDialogKind::CardExpense ? kYes : kNo;

  const PaymentItem* from = selectedItem(means_, meansItems_);
  const PaymentItem* to = selectedItem(toSides_, toSideItems_);
  if (kind_ != EntryDialogKind::Transfer) {
    // The lists of income, expense and card expense always hold their first item.
    const PaymentFields payment = paymentOf(kind_, from);
    entry.assetId = payment.assetId;
    entry.phoneFlag = payment.phoneFlag;
    entry.checkCardFlag = payment.checkCardFlag;
    if (kind_ == EntryDialogKind::CardExpense) entry.instalments = std::max(instalments_.selected, kNoInstalmentsRow);
    return entry;
  }
  // Each transfer minor asks for the sides it moves money between: a deposit comes from cash, a
  // withdrawal goes to cash.
  const std::string& kindOfMove = entry.minorItem;
  const bool fromCash = kindOfMove == kCashDepositMinor;
  const bool toCash = kindOfMove == kCashWithdrawalMinor;
  if (!fromCash && !from) {
    refuse(kFromSideRequiredMessage, EntryDialogField::Means);
    return std::nullopt;
  }
  if (!toCash && !to) {
    refuse(kToSideRequiredMessage, EntryDialogField::ToSide);
    return std::nullopt;
  }
  if (kindOfMove == kAccountTransferMinor && from->assetId == to->assetId) {
    refuse(kSameAccountMessage, EntryDialogField::Means);
    return std::nullopt;
  }
  entry.assetId = fromCash ? 0 : from->assetId;
  entry.toAssetId = toCash ? 0 : to->assetId;
  return entry;
}

bool EntryDialog::save() {
  if (const std::optional<EntryFieldRefusal> refusal = checkTypedEntryFields(content_, amount_)) {
    return refuse(refusal->message, refusal->field);
  }
  std::optional<LedgerEntry> entry = buildEntry();
  if (!entry) return false;
  // A change keeps the entry's id and the reservation that posted it.
  entry->entryId = original_.entryId;
  entry->reserveId = original_.reserveId;
  const Status saved = saveRecord(*book_, mode() == DialogMode::Change, *entry, &LedgerEntry::entryId, CounterNo::Entry,
                                  addEntry, updateEntry, entryIdFree);
  if (!written(saved, entry->entryId)) return false;
  lastSaved_ = std::move(entry);
  return true;
}

void EntryDialog::clearForNext() {
  content_.clear();
  amount_.clear();
  note_.clear();
  setFocus(EntryDialogField::Content);
}

}  // namespace coinest
