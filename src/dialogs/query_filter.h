#pragma once

// The thirteen kinds of movement the books query filters by, each a one-character code, and the
// test of a row against the books criteria.

#include <array>
#include <string_view>

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
    {"0", "전체", "전체"},
    {"B", "  현금전체", "현금전체"},
    {"C", "  계좌전체", "계좌전체"},
    {"1", "수입", "수입"},
    {"6", "  현금수입", "현금수입"},
    {"7", "  계좌수입", "계좌수입"},
    {"2", "지출", "지출"},
    {"3", "  현금지출", "현금지출"},
    {"8", "  계좌지출", "계좌지출"},
    {"4", "  카드지출", "카드지출"},
    {"9", "  체크카드 지출", "체크카드 지출"},
    {"A", "  휴대폰결제 지출", "휴대폰결제 지출"},
    {"5", "카드대금", "카드대금"},
}};

// The name of the code, or nothing for a text that is no code.
std::string_view filterCodeName(std::string_view code);
bool isFilterCode(std::string_view code);

// False for "0", "5", "B" and "C", which list every category.
bool usesCategoryFilter(std::string_view code);
// True for "4", "7", "8", "9" and "C", which can be narrowed to one asset.
bool usesAssetFilter(std::string_view code);

// Whether the entry is listed under the criteria's code, category and asset filters. A text that is
// no code lists nothing.
bool passesBooksFilter(const LedgerEntry& entry, const BooksCriteria& criteria);

}  // namespace coinest
