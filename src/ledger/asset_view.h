#pragma once

// The asset page's view of the assets: the six asset kinds in the order the page lists them, with
// the labels of an asset's four text fields for each kind, and the five lines of one asset's
// detail panel.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "store/book.h"
#include "store/records.h"

namespace coinest {

struct AssetKindInfo {
  std::string_view code;          // `assetKind` (store/asset_kind.h)
  std::string_view pageText;      // the item of the page's kind list: "통장", "신용카드", ...
  std::string_view companyLabel;  // "은행명", "카드사명", ...
  std::string_view nameLabel;     // `assetName`
  std::string_view numberLabel;   // `assetNumber`
  std::string_view holderLabel;   // `holder`
};

// 통장, 신용카드, 체크카드, 보험, 증권, 기타.
std::span<const AssetKindInfo> assetKinds();
// The kind of the code; nothing for a code that is no asset kind.
const AssetKindInfo* findAssetKind(std::string_view code);

// A credit card's billing period: the day stored for "말일", the month's last day.
inline constexpr int32_t kLastDayOfMonth = 32;
// The month words of a billing period: 1 "전전월", 2 "전월", 3 "당월"; empty for anything else.
std::string_view periodMonthWord(int32_t month);
// "%d일" for 1 to 31, "말일" for 32; empty for anything else.
std::string periodDayText(int32_t day);

// The five lines of an asset's detail panel:
// 1. "company - assetName", or the company alone when the asset has no name;
// 2. assetNumber; 3. holder;
// 4. by kind: a bank account "잔고: %s원" with the signed balance; a check card "통장계좌:" and its
//    account's company, name and holder, or "통장계좌:없음" when it has none (`linkedAccount`
//    empty); a credit card with a payment day "결제일: %d일(%s %s ~ %s %s)" with the billing period's
//    month words and day texts; otherwise empty;
// 5. the note.
using AssetDetail = std::array<std::string, 5>;
AssetDetail assetDetailOf(const Asset& asset, const std::optional<Asset>& linkedAccount);

// The detail, with a check card's account read from the book.
AssetDetail assetDetail(Book& book, const Asset& asset);

}  // namespace coinest
