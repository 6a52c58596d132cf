#include "ledger/settlement_cache.h"

namespace coinest {

const SettlementTally& SettlementCache::tally(Book& book, YearMonth month, int startDay) {
  if (!kept_ || kept_->month != month || kept_->startDay != startDay) kept_ = readSettlement(book, month, startDay);
  return *kept_;
}

}  // namespace coinest
