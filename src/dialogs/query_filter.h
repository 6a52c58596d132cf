#pragma once

// The thirteen kinds of movement the books query filters by, each a one-character code, and the
// test of a row against the books criteria.

#include <array>
#include <string_view>

#include "dialogs/filter_codes.h"
#include "dialogs/query_criteria.h"
#include "dialogs/query_rows.h"
#include "store/records.h"

namespace coinest {

struct FilterCode {
  std::string_view code;
  std::string_view label;  // in the kind list of the books criteria dialog
  std::string_view name;   // in the page's "분류" field
};

// In the order of the kind list.
inline constexpr std::array<FilterCode, 13> kFilterCodes = {{
    {kFilterAll, "전체", "전체"},
    {kFilterCash, "  현금전체", "현금전체"},
    {kFilterAccount, "  계좌전체", "계좌전체"},
    {kFilterIncome, "수입", "수입"},
    {kFilterCashIncome, "  현금수입", "현금수입"},
    {kFilterAccountIncome, "  계좌수입", "계좌수입"},
    {kFilterExpense, "지출", "지출"},
    {kFilterCashExpense, "  현금지출", "현금지출"},
    {kFilterAccountExpense, "  계좌지출", "계좌지출"},
    {kFilterCardExpense, "  카드지출", "카드지출"},
    {kFilterCheckCardExpense, "  체크카드 지출", "체크카드 지출"},
    {kFilterPhoneExpense, "  휴대폰결제 지출", "휴대폰결제 지출"},
    {kFilterCardPayment, "카드대금", "카드대금"},
}};

// The name of the code, or nothing for a text that is no code.
std::string_view filterCodeName(std::string_view code);
bool isFilterCode(std::string_view code);

// False for kFilterAll, kFilterCardPayment, kFilterCash and kFilterAccount, which list every
// category.
bool usesCategoryFilter(std::string_view code);
// True for kFilterAccount, kFilterAccountIncome, kFilterAccountExpense, kFilterCardExpense and
// kFilterCheckCardExpense, which can be narrowed to one asset.
bool usesAssetFilter(std::string_view code);

// Whether the entry is listed under the criteria's code, category and asset filters. A text that is
// no code lists nothing.
bool passesBooksFilter(const LedgerEntry& entry, const BooksCriteria& criteria);

}  // namespace coinest
