#pragma once

// The rows a books or account query reads from the entry table, and the cache that keeps them
// between rebuilds: changing only the filter refilters what was read; the rows are read again
// only when `queryReread` is set (at start, by a criteria dialog's OK, after any change to the
// entries) or when the period or account asked for is not the one read.

#include <cstdint>
#include <string>
#include <vector>

#include "ledger/total_amount.h"
#include "store/book.h"
#include "store/records.h"

namespace coinest {

// An entry as a query read it, with what its list row shows.
struct QueryRow {
  LedgerEntry entry;
  std::string content;           // the display content (prefix and reservation mark included)
  TotalAmount signedAmount = 0;  // wide, so that no stored amount can overflow when negated
  std::string amountText;
};

// Which read the rows are.
struct QueryReadKey {
  std::string from;
  std::string to;
  int32_t accountId = 0;  // the account query's account; 0 for the books query
  bool operator==(const QueryReadKey&) const = default;
};

struct QueryRowCache {
  bool queryReread = true;
  QueryReadKey key;
  std::vector<QueryRow> rows;  // by date, kind, entry id

  void invalidate() { queryReread = true; }
  bool needsRead(const QueryReadKey& wanted) const { return queryReread || !(key == wanted); }
};


// Sorts by entryDate, then entryKind, then entryId, ascending.
void sortQueryRows(std::vector<QueryRow>& rows);

}  // namespace coinest
