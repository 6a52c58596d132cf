#pragma once

// The choice lists an entry or a reservation is made from: the kinds an income or expense is
// recorded as, the means it is paid or received by ("구분"), the instalment periods of a card
// expense, and the category lists of a kind. Each asset is shown as "company assetName holder".

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ledger/choice_list.h"
#include "store/book.h"
#include "store/records.h"
#include "store/yes_no_flag.h"

namespace coinest {

// The kind radios of an income or expense: "수입", "지출", "카드지출".
enum class PaymentKind { Income, Expense, CardExpense };

std::string_view paymentKindLabel(PaymentKind kind);
// kIncomeKind for Income, kExpenseKind for the other two.
std::string_view entryKindOf(PaymentKind kind);
// The kind a stored record shows: "1" income; "2" with the card flag "N" expense; anything else
// the credit-card expense.
PaymentKind paymentKindOf(std::string_view entryKind, std::string_view cardFlag);

// The means list of a kind, with the assets behind its items:
//   income: "현금", then the bank accounts;
//   expense: "현금", "휴대폰 결제", then the bank accounts and check cards;
//   credit-card expense: an empty item, then the credit cards.
struct MeansChoices {
  ChoiceList list;            // the first item selected; ids are the assets' (0 before them)
  std::vector<Asset> assets;  // in list order, from row firstAssetRow on
  int firstAssetRow = 0;
};
MeansChoices loadMeansChoices(Book& book, PaymentKind kind);

// How a record is paid, from the kind and the chosen means row: the expense's second row is the
// phone payment; an asset row names its asset, and a check card sets the check-card flag.
struct PaymentFields {
  int32_t assetId = 0;
  std::string phoneFlag = kNo;
  std::string checkCardFlag = kNo;
};
PaymentFields paymentOf(const MeansChoices& means, PaymentKind kind, int row);

// The row that shows a stored payment: the asset's row; else, for an expense paid by phone, the
// phone row; else the first row.
int meansRowOf(const MeansChoices& means, PaymentKind kind, int32_t assetId, std::string_view phoneFlag);

// The instalment list: an empty item, "일시불", then "%d개월" for 2 to 24; the row is the stored
// `instalments`.
ChoiceList instalmentChoices();
inline constexpr int kLumpSumRow = 1;

// The major categories of a kind (entry_kind.h) in their order, behind each its majorId.
ChoiceList majorChoices(Book& book, std::string_view itemKind);
// The minor categories in use of a major, in their order, behind each its minorId.
ChoiceList inUseMinorChoices(Book& book, int32_t majorId);

// Selects the item `text`; a list that lacks it (a category deleted, or no longer in use, since
// the record was made) gets it appended, with id 0, and selected.
void selectOrAppend(ChoiceList& list, std::string_view text);

}  // namespace coinest
