#include "dialogs/query_criteria.h"

#include "calendar/date_text.h"

namespace coinest {

QueryCriteria startQueryCriteria(const Clock& clock) {
  const TodayDate now = today(clock);
  QueryCriteria criteria;
  criteria.books.queryFrom = firstOfMonthText(now.year, now.month);
  criteria.books.queryTo = now.text;
  criteria.card.year = now.year;
  criteria.card.month = now.month;
  criteria.account.accountFrom = criteria.books.queryFrom;
  criteria.account.accountTo = criteria.books.queryTo;
  return criteria;
}

}  // namespace coinest
