#pragma once

// The card query (카드 조회): its criteria as the card dialog sets them (the chosen card's
// payment-day and billing-period texts) and the statement it shows.

#include <optional>
#include <string>
#include <string_view>

#include "dialogs/query_criteria.h"
#include "ledger/card_statement.h"
#include "store/asset_table.h"
#include "store/book.h"
#include "store/records.h"

namespace coinest {

// "%d일" of the card's payment day; empty when it is below 1.
std::string payDayText(const Asset& card);

// The card's billing period for the statement month as "YYYY-MM-DD ~ YYYY-MM-DD" with real days;
// empty unless the period is complete. A start day the month lacks (말일 included, since the
// statement reads after every day of that month) becomes the 1st of the next month; an end day
// the month lacks, or 말일, becomes the month's last day. So the text names exactly the days the
// statement reads.
std::string billingPeriodText(const Asset& card, int year, int month);

// Sets the statement month and the card (nothing: every card) with the texts the page shows.
void setCardQuery(CardCriteria& criteria, int year, int month, const Asset* card);

// The statement the card query shows: its month and card; a card without a complete billing
// period is read over the books query's period.
CardStatement buildCardQuery(Book& book, const QueryCriteria& criteria);

}  // namespace coinest
