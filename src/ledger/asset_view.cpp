#include "ledger/asset_view.h"

#include "calendar/amount.h"
#include "store/asset_kind.h"
#include "store/asset_table.h"

namespace coinest {

namespace {

constexpr AssetKindInfo kKinds[] = {
    {kBankAccountKind, "통장", "은행명", "통장명", "계좌번호", "예금주"},
    {kCreditCardKind, "신용카드", "카드사명", "카드명", "카드번호", "카드명의"},
    {kCheckCardKind, "체크카드", "카드사명", "카드명", "카드번호", "카드명의"},
    {kInsuranceKind, "보험", "보험사명", "보험명", "증권번호", "피보험자"},
    {kSecuritiesKind, "증권", "증권사명", "계좌이름", "계좌번호", "소유주"},
    {kOtherAssetKind, "기타", "구분", "자산명", "자산번호", "자산주"},
};

}  // namespace

std::string_view periodMonthWord(int32_t month) {
  switch (month) {
    case 1: return "전전월";
    case 2: return "전월";
    case 3: return "당월";
    default: return {};
  }
}

std::string periodDayText(int32_t day) {
  if (day == kLastDayOfMonth) return "말일";
  if (day >= 1 && day <= 31) return std::to_string(day) + "일";
  return {};
}

const AssetKindInfo* findAssetKind(std::string_view code) {
  for (const AssetKindInfo& kind : kKinds) {
    if (kind.code == code) return &kind;
  }
  return nullptr;
}

namespace {

std::string kindLine(const Asset& asset, const std::optional<Asset>& linkedAccount) {
  if (asset.assetKind == kBankAccountKind) return "잔고: " + formatSignedAmount(asset.balance) + "원";
  if (asset.assetKind == kCheckCardKind) {
    if (!linkedAccount) return "통장계좌:없음";
    return "통장계좌:" + assetDisplayText(*linkedAccount);
  }
  if (asset.assetKind == kCreditCardKind && asset.linkOrPayDay > 0) {
    std::string line = "결제일: " + std::to_string(asset.linkOrPayDay) + "일(";
    line += periodMonthWord(asset.periodFromMonth);
    line += " " + periodDayText(asset.periodFromDay) + " ~ ";
    line += periodMonthWord(asset.periodToMonth);
    line += " " + periodDayText(asset.periodToDay) + ")";
    return line;
  }
  return {};
}

}  // namespace

std::span<const AssetKindInfo> assetKinds() { return kKinds; }

AssetDetail assetDetailOf(const Asset& asset, const std::optional<Asset>& linkedAccount) {
  return {asset.assetName.empty() ? asset.company : asset.company + " - " + asset.assetName, asset.assetNumber,
          asset.holder, kindLine(asset, linkedAccount), asset.note};
}

AssetDetail assetDetail(Book& book, const Asset& asset) {
  std::optional<Asset> linked;
  // A check card's account id 0 means none; an account deleted since reads as none too.
  if (asset.assetKind == kCheckCardKind && asset.linkOrPayDay != 0) linked = findAsset(book, asset.linkOrPayDay);
  return assetDetailOf(asset, linked);
}

}  // namespace coinest
