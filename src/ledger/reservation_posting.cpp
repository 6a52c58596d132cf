#include "ledger/reservation_posting.h"

#include "calendar/date_text.h"
#include "calendar/day_number.h"
#include "ledger/entry_rules.h"
#include "store/entry_table.h"
#include "store/id_counters.h"
#include "store/posting_date.h"
#include "store/reservation_tables.h"

namespace coinest {

namespace {

// Posts every reservation of day-of-month `day` that is due on `date` and not yet posted in its
// month.
void postDay(Book& book, int32_t day, const std::string& date, const std::string& monthKey) {
  for (const int32_t reserveId : reservationsOnDay(book, day)) {
    const std::optional<Reservation> r = findReservation(book, reserveId);
    if (!r || r->startDate > date || linkExists(book, reserveId, monthKey)) continue;
    LedgerEntry e;
    e.entryId = newEntryId(book);
    e.entryDate = date;
    e.entryKind = r->entryKind;
    e.majorItem = r->majorItem;
    e.minorItem = r->minorItem;
    e.content = r->content;
    e.amount = r->amount;
    e.cardFlag = r->cardFlag;
    e.note = r->note;
    e.reserveId = reserveId;
    e.assetId = r->assetId;
    e.instalments = r->instalments;
    e.phoneFlag = r->phoneFlag;
    e.checkCardFlag = r->checkCardFlag;
    e.toAssetId = 0;
    addEntry(book, e);
    addReservationLink(book, ReservationLink{takeId(book.store, CounterNo::Link), monthKey, reserveId, e.entryId});
  }
}

}  // namespace

void postDueReservations(Book& book) {
  ModeScope busy(book.modes.importBusy);
  const TodayDate now = today(book.clock);
  std::string last = readPostingDate(book.store);
  if (!isValidDateText(last)) last = "2000-01-01";
  if (last > now.text) return;

  TransactionGuard tx(book.store);
  const DateFields from = readDateText(last);
  const int days = daySpan(last, now.text);
  for (int i = 0; i < days; ++i) {
    const DateTime d = addDays(from.year, from.month, from.day, i);
    const std::string date = formatDateText(d.year, d.month, d.day);
    const std::string monthKey = formatMonthKey(d.year, d.month);
    // On the month's last day the reservations of the days it lacks fall due too.
    const int lastServed = d.day == daysInMonth(d.year, d.month) ? 31 : d.day;
    for (int day = d.day; day <= lastServed; ++day) postDay(book, day, date, monthKey);
  }
  writePostingDate(book, now.text);
  tx.commit();
}

}  // namespace coinest
