#pragma once

// The kinds of the entry dialog and the lists of its means ("구분" / "－계좌") and to-side
// ("＋계좌") fields: what each kind, and each transfer minor, offers to pay from and to.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/book.h"

namespace coinest {

// The four kind buttons, in their order on the dialog. "지출" and "카드지출" share the entry kind
// "2" and differ in the card flag.
enum class EntryDialogKind { Income, Expense, CardExpense, Transfer };

// "수입", "지출", "카드지출", "이체".
std::string_view entryDialogKindText(EntryDialogKind kind);

// The entry kind code of the button (entry_kind.h).
const char* entryKindCode(EntryDialogKind kind);

// The fixed items of the lists.
inline constexpr std::string_view kCashItem = "현금";
inline constexpr std::string_view kPhonePaymentItem = "휴대폰 결제";

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

// The position of the item that stands for `assetId` (cash and the other fixed items stand for
// 0), or -1.
int indexOfAsset(const std::vector<PaymentItem>& items, int32_t assetId);

}  // namespace coinest
