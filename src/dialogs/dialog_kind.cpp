#include "dialogs/dialog_kind.h"

#include "store/entry_kind.h"
#include "store/yes_no_flag.h"

namespace coinest {

std::string_view entryDialogKindText(EntryDialogKind kind) {
  switch (kind) {
    case EntryDialogKind::Income: return "수입";
    case EntryDialogKind::Expense: return "지출";
    case EntryDialogKind::CardExpense: return "카드지출";
    case EntryDialogKind::Transfer: return "이체";
  }
  return {};
}

const char* entryKindCode(EntryDialogKind kind) {
  switch (kind) {
    case EntryDialogKind::Income: return kIncomeKind;
    case EntryDialogKind::Expense:
    case EntryDialogKind::CardExpense: return kExpenseKind;
    case EntryDialogKind::Transfer: return kTransferKind;
  }
  return kExpenseKind;
}

EntryDialogKind dialogKindOf(std::string_view entryKind, std::string_view cardFlag, TransferOffered transfers) {
  if (entryKind == kIncomeKind) return EntryDialogKind::Income;
  if (entryKind == kTransferKind && transfers == TransferOffered::Yes) return EntryDialogKind::Transfer;
  return isYes(cardFlag) ? EntryDialogKind::CardExpense : EntryDialogKind::Expense;
}

}  // namespace coinest
