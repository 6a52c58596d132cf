#pragma once

// The reservation dialog: adds or changes a reservation, an income or expense that recurs on a
// day of every month. A sibling of the entry dialog with the same kinds (without transfers),
// category, means and instalment lists (category_choices.h, payment_lists.h), but a day of the
// month for a date.
//
// A save refuses, in this order: content of blanks only ("예약 내용은 반드시 입력해야 합니다",
// focus on the content); then the amount by the payment rule of an entry (amount_field.h), focus
// on the amount: a reservation posts entries, so it holds no amount an entry could not. It writes the reservation (a new id from the counter it
// shares with the assets, or again under its id with its start date computed from today), then
// posts every reservation that has fallen due, so one due today is in the book at once.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/amount_field.h"
#include "dialogs/choice_list.h"
#include "dialogs/dialog_kind.h"
#include "dialogs/payment_lists.h"
#include "dialogs/record_dialog.h"
#include "platform/ui_port.h"
#include "store/book.h"
#include "store/records.h"

namespace coinest {

inline constexpr std::string_view kReservationContentRequiredMessage = "예약 내용은 반드시 입력해야 합니다";

enum class ReservationField {
  Day,          // list: "매월 1일" .. "매월31일"
  Kind,         // radios "수입", "지출", "카드지출"
  Major,        // list: the majors of the kind
  Minor,        // list: the minors in use of the major
  Content,      // text, 40 characters
  Means,        // list ("구분")
  Amount,       // text, digits only, 9 characters
  Instalments,  // list ("할부기간"): shown for the card expense only
  Note,         // text, 256 characters
};
inline constexpr std::size_t kReservationFieldCount = 9;

// The longest text a text field keeps (0 for the others).
std::size_t reservationFieldMaxChars(ReservationField field);

class ReservationDialog final : public RecordDialog<ReservationField> {
 public:
  // Add mode: day 1, an expense with the first major and minor selected, paid in cash; the focus
  // on the content.
  ReservationDialog(Book& book, UiPort& ui, bool latinInput);
  // Change mode on the stored reservation: its day, kind, categories (a name the list no longer
  // offers is appended and selected), means, amount as "%d", instalments, content and note.
  ReservationDialog(Book& book, UiPort& ui, const Reservation& reservation, bool latinInput);

  std::string_view label(ReservationField field) const;
  bool shown(ReservationField field) const;

  EntryDialogKind kind() const { return kind_; }
  // Checks a kind radio (kReservationDialogKinds; "이체" is none and changes nothing): the card flag follows; a change between income and expense refills the
  // category lists (first rows selected), while expense and card expense keep them; the means
  // list is refilled with its first item selected; the instalments show for the card expense.
  void chooseKind(EntryDialogKind kind);

  // The lists of Day, Major, Minor, Means and Instalments (an empty list for the others).
  const ChoiceList& list(ReservationField field) const;
  // Chooses a row; false, nothing changed, for a row outside the list or a field that is no list.
  // Another major refills the minors (the first selected); a means other than the first sets the
  // instalments to "일시불".
  bool choose(ReservationField field, int row);

  // Text fields: Content, Amount, Note. setText keeps what the field would (the characters the
  // code page holds, the amount's digits, cut to the field's length); textRefusal says why a text
  // would not be kept whole.
  const std::string& text(ReservationField field) const;
  void setText(ReservationField field, std::string_view typed);
  std::optional<std::string> textRefusal(ReservationField field, std::string_view text) const;

  // The reservation the form describes (its start date left to the save). Id 0 in add mode.
  Reservation record() const;

 private:
  ReservationDialog(Book& book, UiPort& ui, DialogMode mode, bool latinInput);
  bool save() override;
  void clearForNext() override;
  bool check();
  void fillMinors();
  void fillMeans();
  ChoiceList& listOf(ReservationField field);

  Book& book_;
  int32_t reserveId_ = 0;
  EntryDialogKind kind_ = EntryDialogKind::Expense;
  std::array<std::string, kReservationFieldCount> texts_;
  ChoiceList days_;
  ChoiceList majors_;
  ChoiceList minors_;
  ChoiceList means_;
  std::vector<PaymentItem> meansItems_;
  ChoiceList instalments_;
  ChoiceList noList_;  // what list() gives for a field that is no list: always empty
};

// The dialog in change mode on the stored reservation; nothing when there is none.
std::optional<ReservationDialog> openReservationChange(Book& book, UiPort& ui, int32_t reserveId, bool latinInput);

}  // namespace coinest
