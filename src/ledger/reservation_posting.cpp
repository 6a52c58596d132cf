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
// month. Stops at the first failure.
Status postDay(Book& book, int32_t day, const std::string& date, const std::string& monthKey) {
  for (const int32_t reserveId : reservationsOnDay(book, day)) {
    const std::optional<Reservation> r = findReservation(book, reserveId);
    if (!r || r->startDate > date || linkExists(book, reserveId, monthKey)) continue;
    const std::optional<int32_t> entryId = newEntryId(book);
    if (!entryId) return Status::failure(book.store.lastError());
    LedgerEntry e;
    e.entryId = *entryId;
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
    if (Status added = addEntry(book, e); !added) return added;
    const std::optional<int32_t> linkId = takeId(book.store, CounterNo::Link);
    if (!linkId) return Status::failure(book.store.lastError());
    if (Status linked = addReservationLink(book, ReservationLink{*linkId, monthKey, reserveId, e.entryId}); !linked) {
      return linked;
    }
  }
  return Status::ok();
}

}  // namespace

Status postDueReservations(Book& book) {
  ModeScope busy(book.modes.importBusy);
  const TodayDate now = today(book.clock);
  // Read under the run's transaction, so that two runs at once cannot both post the same days.
  TransactionGuard tx(book.store);
  std::string last = readPostingDate(book.store);
  if (!isValidDateText(last)) last = "2000-01-01";
  if (last > now.text) return tx.finish();

  const DateFields from = readDateText(last);
  const int days = daySpan(last, now.text);
  for (int i = 0; i < days; ++i) {
    const DateTime d = addDays(from.year, from.month, from.day, i);
    const std::string date = formatDateText(d.year, d.month, d.day);
    const std::string monthKey = formatMonthKey(d.year, d.month);
    // On the month's last day the reservations of the days it lacks fall due too.
    const int lastServed = d.day == daysInMonth(d.year, d.month) ? 31 : d.day;
    for (int day = d.day; day <= lastServed; ++day) {
      if (Status posted = postDay(book, day, date, monthKey); !posted) {
        book.store.fail(posted.reason());
        return tx.finish();
      }
    }
  }
  if (Status written = writePostingDate(book, now.text); !written) return written;
  return tx.finish();
}

}  // namespace coinest
