#include "ledger/entry_row.h"

#include "calendar/amount.h"

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
  if (entry.entryKind == "3") {
    prefix = "[이]";
  } else if (entry.cardFlag == "Y") {
    prefix = "[카]";
  } else if (entry.phoneFlag == "Y") {
    prefix = "[폰]";
  } else if (entry.assetId < 1) {
    prefix = "";
  } else if (entry.checkCardFlag == "Y") {
    prefix = "[체]";
  }
  return prefix + entry.content;
}

std::string reservationMarked(std::string content, int32_t reserveId) {
  return reserveId > 0 ? "@" + content : content;
}

std::string rowAmountText(const LedgerEntry& entry) {
  const std::string amount = formatAmount(entry.amount);
  if (entry.entryKind == "1") return "+" + amount;
  if (entry.entryKind == "2") return "-" + amount;
  return amount;
}

EntryListRow entryListRowOf(const LedgerEntry& entry) {
  return EntryListRow{rowDateText(entry.entryDate), entryRowContent(entry), rowAmountText(entry), entry.entryId};
}

}  // namespace coinest
