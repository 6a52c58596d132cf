#pragma once

// What the query page keeps for the run: the criteria of the three queries and the rows the books
// and account queries last read. The rows of the two queries are kept apart, so switching the
// page between them never shows one query's rows under the other.

#include "dialogs/query_criteria.h"
#include "dialogs/query_rows.h"

namespace coinest {

struct QueryPageState {
  QueryCriteria criteria;
  QueryRowCache booksRows;
  QueryRowCache accountRows;

  // After an entry was added, changed or deleted (and after a criteria dialog's OK).
  void entriesChanged() {
    booksRows.invalidate();
    accountRows.invalidate();
  }
};

inline QueryPageState startQueryPageState(const Clock& clock) { return {startQueryCriteria(clock), {}, {}}; }

}  // namespace coinest
