#include "ledger/instalments.h"

#include <algorithm>

#include "calendar/date_text.h"
#include "store/instalment_count.h"

namespace coinest {

int32_t billedInstalments(int32_t storedCount) { return std::min(storedCount, kMaxInstalments); }

int32_t instalmentAmount(int32_t amount, int32_t count, int32_t k) {
  if (count <= 1) return amount;
  const int32_t share = amount / count;
  return k < count ? share : amount - share * (count - 1);
}

std::string instalmentDate(std::string_view entryDate, int32_t k) {
  const DateFields date = readDateText(entryDate);
  YearMonth month{date.year, date.month};
  const int32_t last = std::min(k, kMaxInstalments);
  for (int32_t step = 1; step < last; ++step) month = nextMonth(month.year, month.month);
  return formatDateText(month.year, month.month, date.day);
}

}  // namespace coinest
