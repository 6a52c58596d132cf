#include "ledger/instalments.h"

#include "calendar/date_text.h"

namespace coinest {

int32_t instalmentAmount(int32_t amount, int32_t count, int32_t k) {
  if (count <= 1) return amount;
  const int32_t share = amount / count;
  return k < count ? share : amount - share * (count - 1);
}

std::string instalmentDate(std::string_view entryDate, int32_t k) {
  const DateFields date = readDateText(entryDate);
  YearMonth month{date.year, date.month};
  for (int32_t step = 1; step < k; ++step) month = nextMonth(month.year, month.month);
  return formatDateText(month.year, month.month, date.day);
}

}  // namespace coinest
