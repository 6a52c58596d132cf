#pragma once

// The settlement read the settlement page keeps: moving between the minor rows and the major
// rows, or opening a row's entries, reuses it; a new settlement month or start day reads again.
// The owner calls invalidate() whenever the book may have changed (an entry or category saved,
// an import or posting run, a new day, new settings).

#include <optional>

#include "ledger/settlement.h"

namespace coinest {

class SettlementCache {
 public:
  // The kept tally when it is of this month and start day, else a new read (then kept).
  const SettlementTally& tally(Book& book, YearMonth month, int startDay);
  // The kept tally, when there is one.
  const SettlementTally* kept() const { return kept_ ? &*kept_ : nullptr; }
  void invalidate() { kept_.reset(); }

 private:
  std::optional<SettlementTally> kept_;
};

}  // namespace coinest
