#pragma once

// Which journal account each side of an entry is. The five top accounts carry the kinds the
// journal's reports know: 자산 (assets), 부채 (liabilities), 자본 (equity), 수입 (revenue),
// 지출 (expenses). Every part below them goes through journalAccountPart.
//
//   category of an income / expense   수입:<major>:<minor> / 지출:<major>:<minor>
//   cash                              자산:현금
//   bank account (or other asset)     자산:<asset text>
//   check card                        자산:<text of the account it draws on>, else its own text
//   credit card                       부채:<card text>
//   card expense without a card       부채:카드(미지정)
//   mobile-phone expense              부채:휴대폰
//   deleted asset                     자산:삭제된 자산 <id>, or 부채:… when the entry says card
//
// An asset's part is its text made unique: when it reads as the part of a reserved account
// (현금, 휴대폰, 카드(미지정), 전월이월, 삭제된 자산 <id>) or as another asset's part, it gets
// " #<asset id>", so no two assets, and no asset and a reserved account, share money.
//
// Carry-over and card payments move money between the user's own accounts, as the settlement
// counts them: a major named "전월이월" stands for 자본:전월이월, one named "카드대금" for the
// liability of the card paid (see cardPaidBy).

#include <cstdint>
#include <map>
#include <string>

#include "export/export_source.h"
#include "store/records.h"

namespace coinest {

inline constexpr char kCashAccount[] = "자산:현금";
inline constexpr char kCarryOverAccount[] = "자본:전월이월";
inline constexpr char kUnknownCardAccount[] = "부채:카드(미지정)";
inline constexpr char kPhoneAccount[] = "부채:휴대폰";

class JournalAccounts {
 public:
  // REQUIRES: `assets` outlives this object.
  explicit JournalAccounts(const ExportAssets& assets);

  // The other side of an income or expense: its category, or for the two reserved majors the
  // carry-over equity or the card paid.
  std::string counterpartOf(const LedgerEntry& entry) const;

  // The side of an income or expense that receives or pays: for an expense the phone, the
  // credit card, cash or the asset of assetId; for an income cash or the asset, whatever its
  // phone and card flags say.
  std::string meansOf(const LedgerEntry& entry) const;

  // A transfer's sides: assetId (a credit card on a cash advance) and toAssetId; 0 is cash.
  std::string transferFrom(const LedgerEntry& entry) const;
  std::string transferTo(const LedgerEntry& entry) const;

  // The card a "카드대금" entry pays: the book's only credit card; else the one credit card whose
  // "company name" or name appears in the entry's minor or content; else kUnknownCardAccount.
  std::string cardPaidBy(const LedgerEntry& entry) const;

 private:
  // The account of an asset side (0 is cash); `card` says the entry took the side for a credit
  // card, which names the account of a deleted asset.
  std::string assetAccount(int32_t assetId, bool card) const;

  // The account part of an asset of assets_.
  const std::string& partOf(const Asset& asset) const;

  const ExportAssets& assets_;
  std::map<int32_t, std::string> parts_;  // by asset id
};

}  // namespace coinest
