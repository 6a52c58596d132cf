#include "store/reservation_tables.h"

#include <algorithm>

#include "store/id_counters.h"
#include "store/record_layout.h"
#include "store/table_access.h"
#include "store/table_catalogue.h"

namespace coinest {

namespace {

constexpr PropId kDayOfMonthKey = makePropId(2, PropType::Int32);
constexpr PropId kLinkReservationKey = makePropId(3, PropType::Int32);

}  // namespace

std::optional<Reservation> findReservation(Book& book, int32_t reserveId) {
  // Older records lack the flags and the asset: the layout's presets stand.
  return findById<Reservation>(book.store, kReservationsTable, reserveId);
}

std::vector<int32_t> reservationsOnDay(Book& book, int32_t dayOfMonth) {
  std::vector<int32_t> ids;
  TableHandle t = book.store.openTable(kReservationsTable, kDayOfMonthKey);
  if (!t) return ids;
  t.seek(SeekMode::SeekFromFirst, 0);
  for (RecordId r = t.seek(SeekMode::SeekAtLeast, dayOfMonth); r != 0 && ids.size() < kDayListCapacity;
       r = t.seek(SeekMode::SeekFromCurrent, 1)) {
    if (intKeyOf(t, kDayOfMonthKey) != dayOfMonth) continue;
    PropValue id = PropValue::ofInt(kIdKey, 0);
    t.readProps(std::span(&id, 1));
    ids.push_back(id.intValue);
  }
  return ids;
}

std::string reservationStartDate(int32_t dayOfMonth, const TodayDate& today) {
  int year = today.year;
  int month = today.month;
  if (dayOfMonth < today.day) {
    const YearMonth next = nextMonth(year, month);
    year = next.year;
    month = next.month;
  }
  // A day the month lacks falls on its last day; a day below 1 (never offered by the dialog)
  // would give no real date, so it is taken as the 1st.
  const int day = std::clamp<int>(dayOfMonth, 1, daysInMonth(year, month));
  return formatDateText(year, month, day);
}

void saveNewReservation(Book& book, Reservation reservation) {
  reservation.startDate = reservationStartDate(reservation.dayOfMonth, today(book.clock));
  TransactionGuard tx(book.store);
  if (writeNew(book.store, kReservationsTable, reservation)) {
    journalChange(book, recordChange(ChangeLetter::Reservation, ChangeOp::Add, reservation.reserveId, reservation),
                  JournalRule::Usual);
  }
  tx.commit();
}

void addReservation(Book& book, const Reservation& reservation) {
  TransactionGuard tx(book.store);
  if (writeNew(book.store, kReservationsTable, reservation)) {
    // Reservations share their counter with the assets.
    if (book.modes.applyingImport && reservation.reserveId < kDesktopIdBase) {
      raiseCounter(book.store, CounterNo::Reservation, reservation.reserveId);
    }
    journalChange(book, recordChange(ChangeLetter::Reservation, ChangeOp::Add, reservation.reserveId, reservation),
                  JournalRule::Usual);
  }
  tx.commit();
}

void replaceReservation(Book& book, Reservation reservation) {
  reservation.startDate = reservationStartDate(reservation.dayOfMonth, today(book.clock));
  TransactionGuard tx(book.store);
  {
    ModeScope quiet(book.modes.journalSuppressed);
    if (deleteReservation(book, reservation.reserveId)) addReservation(book, reservation);
  }
  journalChange(book, recordChange(ChangeLetter::Reservation, ChangeOp::Modify, reservation.reserveId, reservation),
                JournalRule::ExchangeOnly);
  tx.commit();
}

bool deleteReservation(Book& book, int32_t reserveId) {
  TransactionGuard tx(book.store);
  const bool existed = deleteById(book.store, kReservationsTable, reserveId);
  // The desktop is told even when the device had no such record: its copy may still hold one.
  journalChange(book, deleteChange(ChangeLetter::Reservation, reserveId), JournalRule::Usual);
  tx.commit();
  return existed;
}

bool reservationIdFree(Book& book, int32_t reserveId) { return idFree(book.store, kReservationsTable, reserveId); }

void addReservationLink(Book& book, const ReservationLink& link) {
  TransactionGuard tx(book.store);
  if (writeNew(book.store, kReservationLinksTable, link)) {
    if (book.modes.applyingImport && link.linkId < kDesktopIdBase) {
      raiseCounter(book.store, CounterNo::Link, link.linkId);
    }
    journalChange(book, recordChange(ChangeLetter::Link, ChangeOp::Add, link.linkId, link), JournalRule::Usual);
  }
  tx.commit();
}

bool deleteReservationLink(Book& book, int32_t linkId) {
  TransactionGuard tx(book.store);
  const bool existed = deleteById(book.store, kReservationLinksTable, linkId);
  journalChange(book, deleteChange(ChangeLetter::Link, linkId), JournalRule::Usual);
  tx.commit();
  return existed;
}

void deleteLinksOfReservation(Book& book, int32_t reserveId) {
  TransactionGuard tx(book.store);
  if (TableHandle t = book.store.openTable(kReservationLinksTable, kLinkReservationKey)) {
    t.seek(SeekMode::SeekFromFirst, 0);
    for (RecordId r = t.seek(SeekMode::SeekAtLeast, reserveId); r != 0; r = t.seek(SeekMode::SeekFromCurrent, 1)) {
      if (intKeyOf(t, kLinkReservationKey) == reserveId) t.deleteRecord(r);
    }
  }
  tx.commit();
}

bool linkExists(Book& book, int32_t reserveId, std::string_view postedMonth) {
  TableHandle t = book.store.openTable(kReservationLinksTable, kLinkReservationKey);
  if (!t) return false;
  t.seek(SeekMode::SeekFromFirst, 0);
  for (RecordId r = t.seek(SeekMode::SeekAtLeast, reserveId); r != 0; r = t.seek(SeekMode::SeekFromCurrent, 1)) {
    if (intKeyOf(t, kLinkReservationKey) != reserveId) continue;
    ReservationLink link;
    readRecord(t, link);
    if (link.postedMonth == postedMonth) return true;
  }
  return false;
}

}  // namespace coinest
