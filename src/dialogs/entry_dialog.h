#pragma once

// The entry dialog: records a new entry (add mode) or changes an existing one (change mode). The
// model holds what the dialog's controls hold (the date, the kind buttons, the category lists,
// content, means and to-side lists, amount, instalment period and note), refills the lists as the
// user chooses, checks the typed fields, maps the choices onto a LedgerEntry and saves it through
// addEntry / updateEntry. Every message goes through the UiPort; the window only draws the model
// and calls its methods, the command line drives it as a user would.

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

inline constexpr std::string_view kContentRequiredMessage = "가계부 내용은 반드시 입력해야 합니다";
inline constexpr std::string_view kFromSideRequiredMessage = "－계좌는 반드시 선택해야 합니다";
inline constexpr std::string_view kToSideRequiredMessage = "＋계좌는 반드시 선택해야 합니다";
inline constexpr std::string_view kSameAccountMessage = "동일한 통장으로 현금이동 할 수 없습니다";

// The fields of the dialog, top to bottom; the one with the focus is one of them.
enum class EntryDialogField { Date, Kind, Major, Minor, Content, Means, ToSide, Amount, Instalments, Note };

// A refusal of the typed fields: the message (caption "오류") and the field that takes the focus.
struct EntryFieldRefusal {
  std::string_view message;
  EntryDialogField field = EntryDialogField::Content;
};

// The checks of content and amount, in their order: content empty once trimmed; then the amount
// by the payment rule (amount_field.h). Nothing when both pass.
std::optional<EntryFieldRefusal> checkTypedEntryFields(std::string_view content, std::string_view amount);

class EntryDialog final : public RecordDialog<EntryDialogField> {
 public:
  // Add mode on `date` ("YYYY-MM-DD", the date selected on the books page): "지출", the first
  // expense major and its first minor in use, "현금". `latinInput` is the remembered input mode of
  // the note field (true: Latin).
  static EntryDialog openForAdd(Book& book, UiPort& ui, std::string date, bool latinInput);
  // Change mode on the stored entry; nothing when there is no entry with this id. A category
  // deleted or no longer in use since is listed at the end of its list, selected.
  static std::optional<EntryDialog> openForChange(Book& book, UiPort& ui, int32_t entryId, bool latinInput);

  // What the form draws.
  const std::string& date() const { return date_; }
  EntryDialogKind kind() const { return kind_; }
  const ChoiceList& majors() const { return majors_; }
  const ChoiceList& minors() const { return minors_; }
  const std::string& content() const { return content_; }
  // The content drop-down, as focusField(Content) last filled it.
  const ChoiceList& contentChoices() const { return contentChoices_; }
  const ChoiceList& means() const { return means_; }
  const ChoiceList& toSides() const { return toSides_; }
  const std::string& amount() const { return amount_; }
  // The amount drop-down, as focusField(Amount) last filled it.
  const ChoiceList& amountChoices() const { return amountChoices_; }
  const ChoiceList& instalments() const { return instalments_; }
  const std::string& note() const { return note_; }
  // "구분", or "－계좌" for a transfer; the to-side's label is always "＋계좌".
  std::string_view meansLabel() const;
  static std::string_view toSideLabel() { return "＋계좌"; }
  // The to side only for a transfer, the instalment period only for a card expense; every other
  // field always. No field of this dialog is ever greyed out: enabled means shown.
  bool shown(EntryDialogField field) const;
  bool enabled(EntryDialogField field) const { return shown(field); }
  // What the means and to-side items stand for (the command line finds an asset by id here).
  const std::vector<PaymentItem>& meansItems() const { return meansItems_; }
  const std::vector<PaymentItem>& toSideItems() const { return toSideItems_; }

  // What the form calls. The choose* methods ignore a position outside their list (false).
  // A date that is not a real "YYYY-MM-DD" day of the years 1841 to 2050 is refused (false).
  bool setDate(std::string_view date);
  void chooseKind(EntryDialogKind kind);
  bool chooseMajor(int index);
  bool chooseMinor(int index);
  bool chooseMeans(int index);
  bool chooseToSide(int index);
  bool chooseInstalments(int index);
  // The texts keep at most their field's length, and only characters the code page holds.
  void setContent(std::string_view text);
  void setAmount(std::string_view text);
  void setNote(std::string_view text);
  // The focus moves to `field`; the content and amount fields refill their drop-downs with what
  // earlier entries of this kind and these categories recorded.
  void focusField(EntryDialogField field);

  // The entry as saved last (the books page shows its date and selects it).
  const std::optional<LedgerEntry>& lastSaved() const { return lastSaved_; }

 private:
  EntryDialog(Book& book, UiPort& ui, DialogMode mode, bool latinInput);

  // "확인" and "계속등록": a refusal or a failed write is told (caption "오류") and the dialog
  // stays open with the focus on the field concerned. "계속등록" then empties content, amount and
  // note and puts the focus on content, keeping everything else for the next entry.
  bool save() override;
  void clearForNext() override;

  void fillMajors();
  void fillMinorsOfSelectedMajor();
  void fillPaymentLists();
  void showEntry(const LedgerEntry& entry);
  std::optional<LedgerEntry> buildEntry();

  Book* book_;
  LedgerEntry original_;  // change mode: the entry as stored
  std::string date_;
  EntryDialogKind kind_ = EntryDialogKind::Expense;
  ChoiceList majors_;      // behind each its majorId; 0 for a major no longer stored
  std::string keptMinor_;  // the minor listed under such a major
  ChoiceList minors_;
  std::string content_;
  ChoiceList contentChoices_;
  ChoiceList means_;
  std::vector<PaymentItem> meansItems_;
  ChoiceList toSides_;
  std::vector<PaymentItem> toSideItems_;
  std::string amount_;
  ChoiceList amountChoices_;
  ChoiceList instalments_;
  std::string note_;
  std::optional<LedgerEntry> lastSaved_;
};

}  // namespace coinest
