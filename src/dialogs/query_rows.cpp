#include "dialogs/query_rows.h"

#include <algorithm>
#include <tuple>

namespace coinest {

void sortQueryRows(std::vector<QueryRow>& rows) {
  std::sort(rows.begin(), rows.end(), [](const QueryRow& a, const QueryRow& b) {
    return std::tie(a.entryDate, a.entryKind, a.entryId) < std::tie(b.entryDate, b.entryKind, b.entryId);
  });
}

}  // namespace coinest
