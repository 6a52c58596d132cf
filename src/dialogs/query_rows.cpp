#include "dialogs/query_rows.h"

#include <algorithm>
#include <tuple>

namespace coinest {

void sortQueryRows(std::vector<QueryRow>& rows) {
  std::sort(rows.begin(), rows.end(), [](const QueryRow& a, const QueryRow& b) {
    return std::tie(a.entry.entryDate, a.entry.entryKind, a.entry.entryId) <
           std::tie(b.entry.entryDate, b.entry.entryKind, b.entry.entryId);
  });
}

}  // namespace coinest
