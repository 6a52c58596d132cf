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

#include "ledger/entry_payment_lists.h"
#include "platform/status.h"
#include "platform/ui_port.h"
#include "store/book.h"
#include "store/records.h"

namespace coinest {

inline constexpr std::string_view kContentRequiredMessage = "가계부 내용은 반드시 입력해야 합니다";
inline constexpr std::string_view kAmountPositiveMessage = "금액은 0보다 커야 합니다";
inline constexpr std::string_view kAmountTooLongMessage = "금액은 최대 8자리까지 입력 가능합니다";
inline constexpr std::string_view kFromSideRequiredMessage = "－계좌는 반드시 선택해야 합니다";
inline constexpr std::string_view kToSideRequiredMessage = "＋계좌는 반드시 선택해야 합니다";
inline constexpr std::string_view kSameAccountMessage = "동일한 통장으로 현금이동 할 수 없습니다";

// The lengths of the text fields, in characters.
inline constexpr std::size_t kEntryContentMaxChars = 40;
inline constexpr std::size_t kEntryAmountMaxChars = 9;  // one more than an amount may have, so a
                                                         // ninth digit is told rather than lost
inline constexpr std::size_t kEntryAmountMaxDigits = 8;
inline constexpr std::size_t kEntryNoteMaxChars = 256;

// The fields of the dialog, top to bottom; the one with the focus is one of them.
enum class EntryDialogField { Date, Kind, Major, Minor, Content, Means, ToSide, Amount, Instalments, Note };

// A list control: its items and the selected one (-1: none).
struct EntryChoiceList {
  std::vector<std::string> items;
  int selected = -1;
};

// The empty item, "일시불", then "2개월" to "24개월": the position is the stored `instalments`.
std::vector<std::string> instalmentItems();

// A refusal of the typed fields: the message (caption "오류") and the field that takes the focus.
struct EntryFieldRefusal {
  std::string_view message;
  EntryDialogField field = EntryDialogField::Content;
};

// The checks of content and amount, in their order: content empty once trimmed; amount empty;
// not digits (one leading minus passes); not above 0; longer than 8 characters. Nothing when both
// pass.
std::optional<EntryFieldRefusal> checkTypedEntryFields(std::string_view content, std::string_view amount);

class EntryDialog {
 public:
  enum class Mode { Add, Change };

  // Add mode on `date` ("YYYY-MM-DD", the date selected on the books page): "지출", the first
  // expense major and its first minor in use, "현금". `latinInput` is the remembered input mode of
  // the note field (true: Latin).
  static EntryDialog openForAdd(Book& book, UiPort& ui, std::string date, bool latinInput);
  // Change mode on the stored entry; nothing when there is no entry with this id. A category
  // deleted or no longer in use since is listed at the end of its list, selected.
  static std::optional<EntryDialog> openForChange(Book& book, UiPort& ui, int32_t entryId, bool latinInput);

  // What the form draws.
  Mode mode() const { return mode_; }
  const std::string& date() const { return date_; }
  EntryDialogKind kind() const { return kind_; }
  const EntryChoiceList& majors() const { return majors_; }
  const EntryChoiceList& minors() const { return minors_; }
  const std::string& content() const { return content_; }
  // The content drop-down, as focusField(Content) last filled it.
  const EntryChoiceList& contentChoices() const { return contentChoices_; }
  const EntryChoiceList& means() const { return means_; }
  const EntryChoiceList& toSides() const { return toSides_; }
  const std::string& amount() const { return amount_; }
  // The amount drop-down, as focusField(Amount) last filled it.
  const EntryChoiceList& amountChoices() const { return amountChoices_; }
  const EntryChoiceList& instalments() const { return instalments_; }
  const std::string& note() const { return note_; }
  // "구분", or "－계좌" for a transfer; the to-side's label is always "＋계좌".
  std::string_view meansLabel() const;
  static std::string_view toSideLabel() { return "＋계좌"; }
  // The to side only for a transfer, the instalment period only for a card expense; every other
  // field always. No field of this dialog is ever greyed out: enabled means shown.
  bool shown(EntryDialogField field) const;
  bool enabled(EntryDialogField field) const { return shown(field); }
  // "계속등록" is offered in add mode only.
  bool continueShown() const { return mode_ == Mode::Add; }
  EntryDialogField focus() const { return focus_; }
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

  // "확인": checks, saves and closes; a refusal or a failed write is told (caption "오류") and the
  // dialog stays open with the focus on the field concerned. True when saved.
  bool pressOk();
  // "계속등록" (add mode): saves as "확인" does, then empties content, amount and note and puts
  // the focus on content, keeping everything else for the next entry. True when saved.
  bool pressContinue();
  void pressCancel() { closed_ = true; }

  bool closed() const { return closed_; }
  // The id of the entry saved last (the books page selects it), and the entry as saved.
  std::optional<int32_t> savedEntryId() const;
  const std::optional<LedgerEntry>& lastSaved() const { return lastSaved_; }

  // The note field's input mode: the window reports a switch, and the caller reads it back when
  // the dialog closes (the next entry and asset dialogs open in it).
  bool latinInput() const { return latinInput_; }
  void setLatinInput(bool latin) { latinInput_ = latin; }

 private:
  EntryDialog(Book& book, UiPort& ui, Mode mode, bool latinInput);

  void fillMajors();
  void fillMinorsOfSelectedMajor();
  void fillPaymentLists();
  void showEntry(const LedgerEntry& entry);
  std::optional<LedgerEntry> buildEntry();
  bool refuse(std::string_view message, EntryDialogField field);
  std::optional<LedgerEntry> refuseEntry(std::string_view message, EntryDialogField field);
  Status write(LedgerEntry& entry);
  bool save();

  Book* book_;
  UiPort* ui_;
  Mode mode_;
  LedgerEntry original_;  // change mode: the entry as stored
  std::string date_;
  EntryDialogKind kind_ = EntryDialogKind::Expense;
  EntryChoiceList majors_;
  std::vector<std::optional<int32_t>> majorIds_;  // none: a major no longer stored
  std::string keptMinor_;                         // the minor listed under such a major
  EntryChoiceList minors_;
  std::string content_;
  EntryChoiceList contentChoices_;
  EntryChoiceList means_;
  std::vector<PaymentItem> meansItems_;
  EntryChoiceList toSides_;
  std::vector<PaymentItem> toSideItems_;
  std::string amount_;
  EntryChoiceList amountChoices_;
  EntryChoiceList instalments_;
  std::string note_;
  EntryDialogField focus_ = EntryDialogField::Date;
  bool latinInput_ = false;
  bool closed_ = false;
  std::optional<LedgerEntry> lastSaved_;
};

}  // namespace coinest
