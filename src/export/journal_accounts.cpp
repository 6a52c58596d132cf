#include "export/journal_accounts.h"

#include <map>
#include <string_view>

#include "export/journal_text.h"
#include "store/asset_kind.h"
#include "store/asset_table.h"
#include "store/entry_kind.h"
#include "store/reserved_names.h"
#include "store/yes_no_flag.h"

namespace coinest {

namespace {

constexpr char kAssetRoot[] = "자산:";
constexpr char kLiabilityRoot[] = "부채:";

std::string categoryAccount(const char* root, const LedgerEntry& e) {
  return std::string(root) + journalAccountPart(e.majorItem) + ":" + journalAccountPart(e.minorItem);
}

bool mentions(const LedgerEntry& e, const std::string& name) {
  return e.minorItem.find(name) != std::string::npos || e.content.find(name) != std::string::npos;
}

// The part of one of the accounts the journal names without an asset, or of a deleted asset.
bool isReservedPart(std::string_view part) {
  for (const std::string_view account : {kCashAccount, kPhoneAccount, kUnknownCardAccount, kCarryOverAccount}) {
    if (part == account.substr(account.find(':') + 1)) return true;
  }
  return part.starts_with(kDeletedAssetText);
}

}  // namespace

JournalAccounts::JournalAccounts(const ExportAssets& assets) : assets_(assets) {
  std::map<std::string, int> uses;
  for (const Asset* asset : assets.all()) {
    parts_[asset->assetId] = journalAccountPart(assetDisplayText(*asset));
    ++uses[parts_[asset->assetId]];
  }
  for (auto& [id, part] : parts_) {
    if (uses[part] > 1 || isReservedPart(part)) part += " #" + std::to_string(id);
  }
}

const std::string& JournalAccounts::partOf(const Asset& asset) const { return parts_.at(asset.assetId); }

std::string JournalAccounts::counterpartOf(const LedgerEntry& e) const {
  if (e.majorItem == kCarryOverCategory) return kCarryOverAccount;
  if (e.majorItem == kCardPaymentCategory) return cardPaidBy(e);
  return categoryAccount(e.entryKind == kIncomeKind ? "수입:" : "지출:", e);
}

std::string JournalAccounts::meansOf(const LedgerEntry& e) const {
  // Only an expense is paid by phone or card; an income with such flags (foreign data) is cash
  // or an account, as the book's cash counts it.
  if (e.entryKind != kExpenseKind) return assetAccount(e.assetId, false);
  if (isYes(e.phoneFlag)) return kPhoneAccount;
  if (isYes(e.cardFlag)) return e.assetId == 0 ? std::string(kUnknownCardAccount) : assetAccount(e.assetId, true);
  return assetAccount(e.assetId, false);
}

std::string JournalAccounts::transferFrom(const LedgerEntry& e) const {
  return assetAccount(e.assetId, e.minorItem == kCashAdvanceMinor);
}

std::string JournalAccounts::transferTo(const LedgerEntry& e) const { return assetAccount(e.toAssetId, false); }

std::string JournalAccounts::cardPaidBy(const LedgerEntry& e) const {
  const std::vector<const Asset*> cards = assets_.creditCards();
  const Asset* paid = cards.size() == 1 ? cards.front() : nullptr;
  if (!paid) {
    int named = 0;
    for (const Asset* card : cards) {
      // An empty name would be found in every text. Where "company name" appears, the name does.
      if (card->assetName.empty()) continue;
      if (mentions(e, card->assetName)) {
        paid = card;
        ++named;
      }
    }
    if (named != 1) paid = nullptr;
  }
  if (!paid) return kUnknownCardAccount;
  return kLiabilityRoot + partOf(*paid);
}

std::string JournalAccounts::assetAccount(int32_t assetId, bool card) const {
  if (assetId == 0) return kCashAccount;
  const Asset* asset = assets_.find(assetId);
  if (!asset) return (card ? kLiabilityRoot : kAssetRoot) + journalAccountPart(assets_.textOf(assetId));
  if (asset->assetKind == kCreditCardKind) return kLiabilityRoot + partOf(*asset);
  // A check card spends from the account it draws on, as its balance effects do.
  if (asset->assetKind == kCheckCardKind && asset->linkOrPayDay != 0) {
    if (const Asset* account = assets_.find(asset->linkOrPayDay)) {
      return kAssetRoot + partOf(*account);
    }
  }
  return kAssetRoot + partOf(*asset);
}

}  // namespace coinest
