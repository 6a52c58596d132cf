#include "ledger/entry_row.h"

#include "calendar/amount.h"
#include "store/entry_kind.h"
#include "store/yes_no_flag.h"

namespace coinest {

std::string rowDateText(std::string_view entryDate) {
  std::string text(entryDate.size() > 5 ? entryDate.substr(entryDate.size() - 5) : entryDate);
  for (char& c : text) {
    if (c == '-') c = '/';
  }
  return text;
}

std::string prefixedContent(const LedgerEntry& entry) {
  const char* prefix = "[계]";
  if (entry.entryKind == kTransferKind) {
    prefix = "[이]";
  } else if (isYes(entry.cardFlag)) {
    prefix = "[카]";
  } else if (isYes(entry.phoneFlag)) {
    prefix = "[폰]";
  } else if (entry.assetId < 1) {
    prefix = "";
  } else if (isYes(entry.checkCardFlag)) {
    prefix = "[체]";
  }
  return prefix + entry.content;
}

std::string reservationMarked(std::string content, int32_t reserveId) {
  return reserveId > 0 ? "@" + content : content;
}

std::string rowAmountText(const LedgerEntry& entry) {
  const std::string amount = formatAmount(entry.amount);
  if (entry.entryKind == kIncomeKind) return "+" + amount;
  if (entry.entryKind == kExpenseKind) return "-" + amount;
  return amount;
}

EntryListRow entryListRowOf(const LedgerEntry& entry) {
  return EntryListRow{rowDateText(entry.entryDate), entryRowContent(entry), rowAmountText(entry), entry.entryId};
}

}  // namespace coinest
