#pragma once

// The asset dialog: adds an asset of one kind, or changes one, with the fields of its kind.
//
// Every kind has four text fields (their labels by kind, asset_view.h) and a note; a bank account
// has its balance ("잔고"), a credit card its payment day ("결제일") and billing period
// ("청구기간": start month and day, end month and day), a check card the bank account it draws on
// ("통장계좌"). The kind is the page's and never changes here. Saving writes the asset with a new
// id from the counter it shares with the reservations (add), or again under its id (change), with
// the change file for the desktop.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "dialogs/choice_list.h"
#include "dialogs/record_dialog.h"
#include "ledger/asset_view.h"
#include "platform/ui_port.h"
#include "store/book.h"
#include "store/records.h"

namespace coinest {

inline constexpr std::string_view kBillingPeriodInvalidMessage = "결제청구기간 자료가 올바르지 않습니다";

enum class AssetField {
  Company,          // text, 40 characters
  AssetName,        // text, 40
  AssetNumber,      // text, 40
  Holder,           // text, 40
  Balance,          // text, 10: bank account
  PayDay,           // list: credit card
  PeriodFromMonth,  // list: credit card
  PeriodFromDay,
  PeriodToMonth,
  PeriodToDay,
  LinkedAccount,    // list: check card
  Note,             // text, 256
};
inline constexpr std::size_t kAssetFieldCount = 12;

// The field's text box, or false for a list.
bool isAssetTextField(AssetField field);
// The longest text a text field keeps, in characters (0 for a list).
std::size_t assetFieldMaxChars(AssetField field);

class AssetDialog final : public RecordDialog<AssetField> {
 public:
  // Add mode for an asset of `kind`: every field empty, the focus on the company field.
  // REQUIRES: `kind` is an asset kind (findAssetKind).
  AssetDialog(Book& book, UiPort& ui, const AssetKindInfo& kind, bool latinInput);
  // Change mode on `asset` as stored: texts as stored, the balance as "%d", each list at the
  // stored row (the empty item for a value it lacks), the linked account by its id.
  // REQUIRES: the asset's kind is an asset kind.
  AssetDialog(Book& book, UiPort& ui, const Asset& asset, bool latinInput);

  const AssetKindInfo& kind() const { return kind_; }
  // "은행명", "카드명", "잔고", "결제일", "청구기간" (for the four period lists), "통장계좌", "비고".
  std::string_view label(AssetField field) const;
  // Whether the field is shown for the dialog's kind.
  bool shown(AssetField field) const;

  // Text fields. setText keeps what the field would: the characters the code page holds, cut to
  // the field's length. textRefusal says why a text would not be kept whole (nothing when it would).
  const std::string& text(AssetField field) const;
  void setText(AssetField field, std::string_view typed);
  std::optional<std::string> textRefusal(AssetField field, std::string_view text) const;

  // Lists: the payment day ("", "1일".."31일"), period months ("", "전전월", "전월", "당월"), period
  // days ("", "1일".."31일", "말일"), the linked account ("", then the bank accounts with their ids).
  const ChoiceList& list(AssetField field) const;
  // False, nothing changed, for a text field or a row outside the list.
  bool choose(AssetField field, int row);

  // The asset the form describes: the fields of other kinds 0, the balance 0 unless a bank
  // account. Its id is the changed asset's (0 in add mode).
  Asset record() const;

 private:
  AssetDialog(Book& book, UiPort& ui, const AssetKindInfo& kind, DialogMode mode, bool latinInput);
  bool save() override;
  void clearForNext() override;
  bool check();

  Book& book_;
  const AssetKindInfo& kind_;
  int32_t assetId_ = 0;
  std::array<std::string, kAssetFieldCount> texts_;
  std::array<ChoiceList, kAssetFieldCount> lists_;
};

// The dialog in change mode on the stored asset; nothing when there is no such asset, or its
// kind is none the dialog knows.
std::optional<AssetDialog> openAssetChange(Book& book, UiPort& ui, int32_t assetId, bool latinInput);

}  // namespace coinest
