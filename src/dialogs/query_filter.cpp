#include "dialogs/query_filter.h"

namespace coinest {

namespace {

constexpr std::string_view kCarryOverMajor = "전월이월";
constexpr std::string_view kCardBillMajor = "카드대금";
constexpr std::string_view kCashAdvanceMinor = "현금서비스";

bool categoryMatches(const LedgerEntry& entry, const BooksCriteria& c) {
  if (c.majorFilter == kAnyCategory) return true;
  return c.majorFilter == entry.majorItem && (c.minorFilter == kAnyCategory || c.minorFilter == entry.minorItem);
}

bool assetMatches(const LedgerEntry& entry, const BooksCriteria& c) {
  return c.assetFilter == 0 || c.assetFilter == entry.assetId;
}

bool yes(const std::string& flag) { return flag == "Y"; }

// Money in hand on at least one side: an income or expense paid in cash, a transfer from or to
// cash. A phone payment or a card spends no cash.
bool movesCash(const LedgerEntry& entry) {
  if (yes(entry.checkCardFlag) || yes(entry.phoneFlag) || yes(entry.cardFlag)) return false;
  if (entry.entryKind == "3") return entry.assetId == 0 || entry.toAssetId == 0;
  return entry.assetId == 0;
}

bool movesAccount(const LedgerEntry& entry, const BooksCriteria& c) {
  if (yes(entry.checkCardFlag) || yes(entry.cardFlag)) return false;
  if (c.assetFilter != 0 && c.assetFilter != entry.assetId && c.assetFilter != entry.toAssetId) return false;
  if (entry.assetId <= 0 && entry.toAssetId <= 0) return false;
  // A cash advance leaves a card; it moves an account only when it is paid into one.
  if (entry.entryKind == "3" && entry.minorItem == kCashAdvanceMinor) return entry.toAssetId > 0;
  return true;
}

bool passesCode(const LedgerEntry& entry, const BooksCriteria& c) {
  const std::string_view code = c.filterCode;
  const bool income = entry.entryKind == "1" && entry.majorItem != kCarryOverMajor;
  const bool expense = entry.entryKind == "2" && entry.majorItem != kCardBillMajor;
  const bool card = yes(entry.cardFlag);
  if (code == "0") return true;
  if (code == "B") return movesCash(entry);
  if (code == "C") return movesAccount(entry, c);
  if (code == "5") return entry.entryKind == "2" && entry.majorItem == kCardBillMajor;
  if (code == "1") return income;
  if (code == "6") return income && entry.assetId == 0;
  if (code == "7") return income && entry.assetId > 0 && assetMatches(entry, c);
  if (code == "2") return expense;
  if (code == "3") return expense && entry.assetId == 0 && !yes(entry.phoneFlag) && !card;
  if (code == "8") return expense && entry.assetId > 0 && assetMatches(entry, c) && !yes(entry.checkCardFlag) && !card;
  if (code == "4") return expense && card && assetMatches(entry, c);
  if (code == "9") return expense && entry.assetId > 0 && assetMatches(entry, c) && yes(entry.checkCardFlag) && !card;
  if (code == "A") return expense && entry.assetId == 0 && yes(entry.phoneFlag) && !card;
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
  return isFilterCode(code) && code != "0" && code != "5" && code != "B" && code != "C";
}

bool usesAssetFilter(std::string_view code) {
  return code == "4" || code == "7" || code == "8" || code == "9" || code == "C";
}

bool passesBooksFilter(const LedgerEntry& entry, const BooksCriteria& criteria) {
  if (!passesCode(entry, criteria)) return false;
  return !usesCategoryFilter(criteria.filterCode) || categoryMatches(entry, criteria);
}

}  // namespace coinest
