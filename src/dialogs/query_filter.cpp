#include "dialogs/query_filter.h"

namespace coinest {

namespace {

constexpr std::string_view kCarryOverMajor = "전월이월";
constexpr std::string_view kCardBillMajor = "카드대금";
constexpr std::string_view kCashAdvanceMinor = "현금서비스";

bool categoryMatches(const QueryRow& row, const BooksCriteria& c) {
  if (c.majorFilter == kAnyCategory) return true;
  return c.majorFilter == row.majorItem && (c.minorFilter == kAnyCategory || c.minorFilter == row.minorItem);
}

bool assetMatches(const QueryRow& row, const BooksCriteria& c) {
  return c.assetFilter == 0 || c.assetFilter == row.assetId;
}

bool yes(const std::string& flag) { return flag == "Y"; }

// Money in hand on at least one side: an income or expense paid in cash, a transfer from or to
// cash. A phone payment or a card spends no cash.
bool movesCash(const QueryRow& row) {
  if (yes(row.checkCardFlag) || yes(row.phoneFlag) || yes(row.cardFlag)) return false;
  if (row.entryKind == "3") return row.assetId == 0 || row.toAssetId == 0;
  return row.assetId == 0;
}

bool movesAccount(const QueryRow& row, const BooksCriteria& c) {
  if (yes(row.checkCardFlag) || yes(row.cardFlag)) return false;
  if (c.assetFilter != 0 && c.assetFilter != row.assetId && c.assetFilter != row.toAssetId) return false;
  if (row.assetId <= 0 && row.toAssetId <= 0) return false;
  // A cash advance leaves a card; it moves an account only when it is paid into one.
  if (row.entryKind == "3" && row.minorItem == kCashAdvanceMinor) return row.toAssetId > 0;
  return true;
}

bool passesCode(const QueryRow& row, const BooksCriteria& c) {
  const std::string_view code = c.filterCode;
  const bool income = row.entryKind == "1" && row.majorItem != kCarryOverMajor;
  const bool expense = row.entryKind == "2" && row.majorItem != kCardBillMajor;
  const bool card = yes(row.cardFlag);
  if (code == "0") return true;
  if (code == "B") return movesCash(row);
  if (code == "C") return movesAccount(row, c);
  if (code == "5") return row.entryKind == "2" && row.majorItem == kCardBillMajor;
  if (code == "1") return income;
  if (code == "6") return income && row.assetId == 0;
  if (code == "7") return income && row.assetId > 0 && assetMatches(row, c);
  if (code == "2") return expense;
  if (code == "3") return expense && row.assetId == 0 && !yes(row.phoneFlag) && !card;
  if (code == "8") return expense && row.assetId > 0 && assetMatches(row, c) && !yes(row.checkCardFlag) && !card;
  if (code == "4") return expense && card && assetMatches(row, c);
  if (code == "9") return expense && row.assetId > 0 && assetMatches(row, c) && yes(row.checkCardFlag) && !card;
  if (code == "A") return expense && row.assetId == 0 && yes(row.phoneFlag) && !card;
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

bool passesBooksFilter(const QueryRow& row, const BooksCriteria& criteria) {
  if (!passesCode(row, criteria)) return false;
  return !usesCategoryFilter(criteria.filterCode) || categoryMatches(row, criteria);
}

}  // namespace coinest
