#include "dialogs/query_card.h"

#include <algorithm>
#include <cstdio>

#include "calendar/date_text.h"
#include "ledger/asset_view.h"

namespace coinest {

std::string payDayText(const Asset& card) {
  return card.linkOrPayDay < 1 ? std::string() : std::to_string(card.linkOrPayDay) + "일";
}

std::string billingPeriodText(const Asset& card, int year, int month) {
  if (!hasCompleteBillingPeriod(card)) return {};
  YearMonth from = billingPeriodMonth(year, month, card.periodFromMonth);
  int fromDay = card.periodFromDay;
  if (fromDay > daysInMonth(from.year, from.month)) {
    from = nextMonth(from.year, from.month);
    fromDay = 1;
  }
  const YearMonth to = billingPeriodMonth(year, month, card.periodToMonth);
  const int toDay = std::min(card.periodToDay, daysInMonth(to.year, to.month));
  return formatDateText(from.year, from.month, fromDay) + " ~ " + formatDateText(to.year, to.month, toDay);
}

void setCardQuery(CardCriteria& criteria, int year, int month, const Asset* card) {
  criteria.year = year;
  criteria.month = month;
  if (card == nullptr) {
    criteria.cardFilter = 0;
    criteria.cardText = std::string(kAnyCategory);
    criteria.payDayText.clear();
    criteria.periodText.clear();
    return;
  }
  criteria.cardFilter = card->assetId;
  criteria.cardText = assetDisplayText(*card);
  criteria.payDayText = payDayText(*card);
  criteria.periodText = billingPeriodText(*card, year, month);
}

CardStatement buildCardQuery(Book& book, const QueryCriteria& criteria) {
  const DateRange fallback{criteria.books.queryFrom, criteria.books.queryTo};
  return buildCardStatement(book, criteria.card.year, criteria.card.month, criteria.card.cardFilter, fallback);
}

}  // namespace coinest
