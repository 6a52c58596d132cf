#include "dialogs/query_filter.h"

#include "store/entry_kind.h"
#include "store/reserved_names.h"
#include "store/yes_no_flag.h"

namespace coinest {

namespace {

bool categoryMatches(const LedgerEntry& entry, const BooksCriteria& c) {
  if (c.majorFilter == kAnyCategory) return true;
  return c.majorFilter == entry.majorItem && (c.minorFilter == kAnyCategory || c.minorFilter == entry.minorItem);
}

bool assetMatches(const LedgerEntry& entry, const BooksCriteria& c) {
  return c.assetFilter == 0 || c.assetFilter == entry.assetId;
}

// Money in hand on at least one side: an income or expense paid in cash, a transfer from or to
// cash. A phone payment or a card spends no cash.
bool movesCash(const LedgerEntry& entry) {
  if (isYes(entry.checkCardFlag) || isYes(entry.phoneFlag) || isYes(entry.cardFlag)) return false;
  if (entry.entryKind == kTransferKind) return entry.assetId == 0 || entry.toAssetId == 0;
  return entry.assetId == 0;
}

bool movesAccount(const LedgerEntry& entry, const BooksCriteria& c) {
  if (isYes(entry.checkCardFlag) || isYes(entry.cardFlag)) return false;
  if (c.assetFilter != 0 && c.assetFilter != entry.assetId && c.assetFilter != entry.toAssetId) return false;
  if (entry.assetId <= 0 && entry.toAssetId <= 0) return false;
  // A cash advance leaves a card; it moves an account only when it is paid into one.
  if (entry.entryKind == kTransferKind && entry.minorItem == kCashAdvanceMinor) return entry.toAssetId > 0;
  return true;
}

bool passesCode(const LedgerEntry& entry, const BooksCriteria& c) {
  const std::string_view code = c.filterCode;
  const bool income = entry.entryKind == kIncomeKind && entry.majorItem != kCarryOverCategory;
  const bool expense = entry.entryKind == kExpenseKind && entry.majorItem != kCardPaymentCategory;
  const bool card = isYes(entry.cardFlag);
  if (code == kFilterAll) return true;
  if (code == kFilterCash) return movesCash(entry);
  if (code == kFilterAccount) return movesAccount(entry, c);
  if (code == kFilterCardPayment) return entry.entryKind == kExpenseKind && entry.majorItem == kCardPaymentCategory;
  if (code == kFilterIncome) return income;
  if (code == kFilterCashIncome) return income && entry.assetId == 0;
  if (code == kFilterAccountIncome) return income && entry.assetId > 0 && assetMatches(entry, c);
  if (code == kFilterExpense) return expense;
  if (code == kFilterCashExpense) return expense && entry.assetId == 0 && !isYes(entry.phoneFlag) && !card;
  if (code == kFilterAccountExpense) {
    return expense && entry.assetId > 0 && assetMatches(entry, c) && !isYes(entry.checkCardFlag) && !card;
  }
  if (code == kFilterCardExpense) return expense && card && assetMatches(entry, c);
  if (code == kFilterCheckCardExpense) {
    return expense && entry.assetId > 0 && assetMatches(entry, c) && isYes(entry.checkCardFlag) && !card;
  }
  if (code == kFilterPhoneExpense) return expense && entry.assetId == 0 && isYes(entry.phoneFlag) && !card;
  return false;
}

}  // namespace

std::string_view filterCodeName(std::string_view code) {
  for (const FilterCode& f : kFilterCodes) {
    if (f.code == code) return f.name;
  }
  return {};
}

bool isFilterCode(std::string_view code) { return !filterCodeName(code).empty(); }

bool usesCategoryFilter(std::string_view code) {
  return isFilterCode(code) && code != kFilterAll && code != kFilterCardPayment && code != kFilterCash &&
         code != kFilterAccount;
}

bool usesAssetFilter(std::string_view code) {
  return code == kFilterCardExpense || code == kFilterAccountIncome || code == kFilterAccountExpense ||
         code == kFilterCheckCardExpense || code == kFilterAccount;
}

bool passesBooksFilter(const LedgerEntry& entry, const BooksCriteria& criteria) {
  if (!passesCode(entry, criteria)) return false;
  return !usesCategoryFilter(criteria.filterCode) || categoryMatches(entry, criteria);
}

}  // namespace coinest
