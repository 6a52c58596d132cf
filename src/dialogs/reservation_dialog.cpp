#include "dialogs/reservation_dialog.h"

#include <algorithm>
#include <cstdio>

#include "calendar/amount.h"
#include "calendar/typed_text.h"
#include "dialogs/category_choices.h"
#include "ledger/reservation_posting.h"
#include "platform/text_field.h"
#include "store/id_counters.h"
#include "store/new_record.h"
#include "store/reservation_tables.h"

namespace coinest {

namespace {

constexpr int kDaysInLongestMonth = 31;

std::size_t index(ReservationField field) { return static_cast<std::size_t>(field); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "매월 1일" .. "매월31일": the day padded to two places with a space.
ChoiceList dayChoices() {
  ChoiceList list;
  for (int day = 1; day <= kDaysInLongestMonth; ++day) {
    char text[16];
    std::snprintf(text, sizeof text, "%2d", day);
    list.add("매월" + std::string(text) + "일", day);  // behind each item its day, for the command line
  }
  list.select(0);
  return list;
}

}  // namespace

std::size_t reservationFieldMaxChars(ReservationField field) {
  switch (field) {
    case ReservationField::Content: return kContentMaxChars;
    case ReservationField::Amount: return kAmountFieldMaxChars;
    case ReservationField::Note: return kNoteMaxChars;
    default: return 0;
  }
}

ReservationDialog::ReservationDialog(Book& book, UiPort& ui, DialogMode mode, bool latinInput)
    : RecordDialog(ui, mode, ReservationField::Content, latinInput),
      book_(book),
      days_(dayChoices()),
      instalments_(instalmentChoices()) {}

ReservationDialog::ReservationDialog(Book& book, UiPort& ui, bool latinInput)
    : ReservationDialog(book, ui, DialogMode::Add, latinInput) {
  majors_ = majorChoices(book_, entryKindCode(kind_));
  fillMinors();
  fillMeans();
}

ReservationDialog::ReservationDialog(Book& book, UiPort& ui, const Reservation& reservation, bool latinInput)
    : ReservationDialog(book, ui, DialogMode::Change, latinInput) {
  reserveId_ = reservation.reserveId;
  if (!days_.select(reservation.dayOfMonth - 1)) days_.select(0);
  texts_[index(ReservationField::Content)] = reservation.content;
  texts_[index(ReservationField::Amount)] = std::to_string(reservation.amount);
  texts_[index(ReservationField::Note)] = reservation.note;
  if (!instalments_.select(reservation.instalments)) instalments_.select(kNoInstalmentsRow);
  kind_ = dialogKindOf(reservation.entryKind, reservation.cardFlag, TransferOffered::No);
  fillMeans();
  means_.select(meansRowOf(meansItems_, kind_, reservation.assetId, reservation.phoneFlag));
  majors_ = majorChoices(book_, entryKindCode(kind_));
  selectOrAppend(majors_, reservation.majorItem);
  // A major no longer in the book has no minors to offer but the reservation's own.
  if (majors_.selectedId() == 0) {
    minors_.clear();
  } else {
    minors_ = inUseMinorChoices(book_, majors_.selectedId());
  }
  selectOrAppend(minors_, reservation.minorItem);
}

void ReservationDialog::fillMinors() { minors_ = inUseMinorChoices(book_, majors_.selectedId()); }

void ReservationDialog::fillMeans() {
  meansItems_ = paymentListsOf(book_, kind_, {}).means;
  means_ = choicesOf(meansItems_, kFirstMeansRow);
}

std::string_view ReservationDialog::label(ReservationField field) const {
  switch (field) {
    case ReservationField::Day: return "일자";
    case ReservationField::Kind: return "분류";
    case ReservationField::Major:
    case ReservationField::Minor: return "항목";
    case ReservationField::Content: return "내용";
    case ReservationField::Means: return "구분";
    case ReservationField::Amount: return "금액";
    case ReservationField::Instalments: return "할부기간";
    case ReservationField::Note: return "비고";
  }
  return {};
}

bool ReservationDialog::shown(ReservationField field) const {
  return field != ReservationField::Instalments || kind_ == EntryDialogKind::CardExpense;
}

void ReservationDialog::chooseKind(EntryDialogKind kind) {
  if (kind == kind_ || kind == EntryDialogKind::Transfer) return;
  const bool otherSide = std::string_view(entryKindCode(kind)) != entryKindCode(kind_);
  kind_ = kind;
  if (otherSide) {
    majors_ = majorChoices(book_, entryKindCode(kind_));
    fillMinors();
  }
  fillMeans();
}

ChoiceList& ReservationDialog::listOf(ReservationField field) {
  switch (field) {
    case ReservationField::Day: return days_;
    case ReservationField::Major: return majors_;
    case ReservationField::Minor: return minors_;
    case ReservationField::Means: return means_;
    case ReservationField::Instalments: return instalments_;
    default: return noList_;
  }
}

const ChoiceList& ReservationDialog::list(ReservationField field) const {
  return const_cast<ReservationDialog*>(this)->listOf(field);
}

bool ReservationDialog::choose(ReservationField field, int row) {
  if (!listOf(field).select(row)) return false;
  if (field == ReservationField::Major) fillMinors();
  if (field == ReservationField::Means && row != kFirstMeansRow) instalments_.select(kLumpSumRow);
  return true;
}

const std::string& ReservationDialog::text(ReservationField field) const { return texts_[index(field)]; }

void ReservationDialog::setText(ReservationField field, std::string_view typed) {
  const std::size_t maxChars = reservationFieldMaxChars(field);
  if (maxChars == 0) return;
  std::string kept(typed);
  if (field == ReservationField::Amount) std::erase_if(kept, [](char c) { return !isDigit(c); });
  texts_[index(field)] = fitTextField(kept, maxChars);
}

std::optional<std::string> ReservationDialog::textRefusal(ReservationField field, std::string_view text) const {
  if (field == ReservationField::Amount && !std::all_of(text.begin(), text.end(), isDigit)) {
    return std::string(kAmountDigitsOnlyMessage);
  }
  return textFieldRefusal(text, reservationFieldMaxChars(field));
}

Reservation ReservationDialog::record() const {
  Reservation r;
  r.reserveId = reserveId_;
  r.dayOfMonth = days_.selected + 1;
  r.entryKind = entryKindCode(kind_);
  r.cardFlag = kind_ == EntryDialogKind::CardExpense ? kYes : kNo;
  r.majorItem = majors_.selectedText();
  r.minorItem = minors_.selectedText();
  r.content = text(ReservationField::Content);
  r.amount = readTypedAmount(text(ReservationField::Amount)).value;
  r.note = text(ReservationField::Note);
  const int row = means_.selected;
  const PaymentFields payment =
      paymentOf(kind_, row >= 0 && row < means_.size() ? &meansItems_[static_cast<std::size_t>(row)] : nullptr);
  r.assetId = payment.assetId;
  r.phoneFlag = payment.phoneFlag;
  r.checkCardFlag = payment.checkCardFlag;
  r.instalments = kind_ == EntryDialogKind::CardExpense ? std::max(instalments_.selected, kNoInstalmentsRow) : 0;
  return r;
}

bool ReservationDialog::check() {
  if (trimTypedText(text(ReservationField::Content)).empty()) {
    return refuse(kReservationContentRequiredMessage, ReservationField::Content);
  }
  if (const std::optional<std::string_view> refusal = amountRefusal(text(ReservationField::Amount), AmountRule::Payment)) {
    return refuse(*refusal, ReservationField::Amount);
  }
  return true;
}

bool ReservationDialog::save() {
  if (!check()) return false;
  Reservation reservation = record();
  const Status stored = saveRecord(book_, mode() == DialogMode::Change, reservation, &Reservation::reserveId,
                                   CounterNo::Reservation, saveNewReservation, replaceReservation, reservationIdFree);
  if (!written(stored, reservation.reserveId)) return false;
  // The reservation is stored whatever the posting does: a run that fails is told, and the next
  // run (the day-change timer's) posts what this one could not.
  if (Status posted = postDueReservations(book_); !posted) ui().showMessage(posted.reason(), MessageCaption::Error);
  return true;
}

void ReservationDialog::clearForNext() {
  texts_ = {};
  setFocus(ReservationField::Content);
}

std::optional<ReservationDialog> openReservationChange(Book& book, UiPort& ui, int32_t reserveId, bool latinInput) {
  const std::optional<Reservation> reservation = findReservation(book, reserveId);
  if (!reservation) return std::nullopt;
  return ReservationDialog(book, ui, *reservation, latinInput);
}

}  // namespace coinest
