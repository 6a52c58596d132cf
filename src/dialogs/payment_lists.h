#pragma once

// The lists an entry or a reservation is paid from and to: the means ("구분", or "－계좌" for a
// transfer), the to side ("＋계좌", a transfer's only) and the instalment period ("할부기간"), with
// the payment fields a chosen item stands for.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/choice_list.h"
#include "dialogs/dialog_kind.h"
#include "store/book.h"
#include "store/yes_no_flag.h"

namespace coinest {

// The fixed items of the lists, and the rows they stand at.
inline constexpr std::string_view kCashItem = "현금";
inline constexpr std::string_view kPhonePaymentItem = "휴대폰 결제";
inline constexpr int kFirstMeansRow = 0;  // "현금", or a card expense's empty item
inline constexpr int kPhonePaymentRow = 1;  // an expense's

// One item of the means or to-side list and what it stands for.
struct PaymentItem {
  enum class Means { Cash, Phone, NoCard, Asset };
  std::string text;         // "현금", "휴대폰 결제", empty, or the asset as "company name holder"
  Means means = Means::Cash;
  int32_t assetId = 0;      // Asset only
  std::string assetKind;    // Asset only
};

struct PaymentLists {
  std::vector<PaymentItem> means;
  std::vector<PaymentItem> toSides;  // a transfer's only
};

// The lists of a kind: income "현금" and the bank accounts; expense "현금", "휴대폰 결제", the bank
// accounts and check cards; card expense an empty item and the credit cards; a transfer by its
// minor ("현금 입금", "현금 인출", "현금서비스", "계좌 이동"; any other minor offers nothing).
// Assets come sorted by kind, then company.
PaymentLists paymentListsOf(Book& book, EntryDialogKind kind, std::string_view transferMinor);

// The items as a list control: their texts, behind each its asset's id (0 for the fixed items),
// `selected` chosen (-1: none).
ChoiceList choicesOf(const std::vector<PaymentItem>& items, int selected);

// The position of the item that stands for `assetId` (cash and the other fixed items stand for
// 0), or -1.
int indexOfAsset(const std::vector<PaymentItem>& items, int32_t assetId);

// How an income, expense or card expense is paid by the chosen means item (none: nothing chosen):
// an asset names its asset, and a check card paying an expense sets the check-card flag; the
// phone item of an expense sets the phone flag. Cash and the empty item set nothing.
struct PaymentFields {
  int32_t assetId = 0;
  std::string phoneFlag = kNo;
  std::string checkCardFlag = kNo;
};
PaymentFields paymentOf(EntryDialogKind kind, const PaymentItem* chosen);

// The means row that shows a stored income, expense or card expense: the row of its asset; else,
// for an expense paid by phone, the phone row; else the first row.
int meansRowOf(const std::vector<PaymentItem>& items, EntryDialogKind kind, int32_t assetId,
               std::string_view phoneFlag);

// The instalment list: an empty item, "일시불", then "%d개월" for 2 to kMaxInstalments; the row is
// the stored `instalments`. The empty item is selected.
ChoiceList instalmentChoices();
inline constexpr int kNoInstalmentsRow = 0;
inline constexpr int kLumpSumRow = 1;

}  // namespace coinest
