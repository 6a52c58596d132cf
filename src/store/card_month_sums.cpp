#include "store/card_month_sums.h"

#include <map>
#include <string>
#include <utility>

#include "store/table_catalogue.h"
#include "store/yes_no_flag.h"

namespace coinest {

namespace {

constexpr std::string_view kCardMonthSums = "card-month-sums";
constexpr std::size_t kMonthKeyLength = 7;

bool isCardPurchase(const EntryAmount& entry) { return isYes(entry.cardFlag); }

}  // namespace

std::string_view monthKeyOfDate(std::string_view date) { return date.substr(0, kMonthKeyLength); }

bool cardMonthSumsCurrent(ObjectStore& store) { return store.tallyIsCurrent(kCardMonthSums, kBooksTable); }

bool keepCardMonthSums(ObjectStore& store, bool wereCurrent, const EntryAmount& entry, int sign) {
  if (!wereCurrent || !store.inTransaction()) return true;
  if (isCardPurchase(entry) &&
      !store.addToTally(kCardMonthSums, monthKeyOfDate(entry.entryDate), entry.assetId, int64_t{sign} * entry.amount)) {
    return false;
  }
  return store.stampTally(kCardMonthSums, kBooksTable);
}

Status rebuildCardMonthSums(ObjectStore& store) {
  // Current sums need no write lock: a look under a snapshot says so.
  if (!store.inTransaction()) {
    TransactionGuard look(store, TransactionKind::Read);
    if (cardMonthSumsCurrent(store) && look.commit()) return Status::ok();
  }
  TransactionGuard tx(store);
  if (!tx.healthy() || cardMonthSumsCurrent(store)) return tx.finish();
  std::map<std::pair<std::string, int32_t>, int64_t> sums;
  walkEntryAmounts(
      store, "", "",
      [&](const EntryAmount& entry) {
        if (isCardPurchase(entry)) sums[{std::string(monthKeyOfDate(entry.entryDate)), entry.assetId}] += entry.amount;
        return false;
      },
      nullptr);
  if (!store.clearTally(kCardMonthSums)) return tx.finish();
  for (const auto& [at, total] : sums) {
    if (!store.addToTally(kCardMonthSums, at.first, at.second, total)) return tx.finish();
  }
  store.stampTally(kCardMonthSums, kBooksTable);
  return tx.finish();
}

std::optional<std::vector<TallyTotal>> cardSumsAfterMonth(ObjectStore& store, std::string_view monthKey) {
  TransactionGuard snapshot(store, TransactionKind::Read);
  if (!cardMonthSumsCurrent(store)) return std::nullopt;
  std::vector<TallyTotal> totals = store.tallyAfter(kCardMonthSums, monthKey);
  if (!snapshot.commit()) return std::nullopt;
  return totals;
}

}  // namespace coinest
