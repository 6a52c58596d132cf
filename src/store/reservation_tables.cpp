#include "store/reservation_tables.h"

#include <algorithm>

#include "store/id_counters.h"
#include "store/journaled_writes.h"
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

std::vector<Reservation> loadReservations(Book& book) {
  std::vector<Reservation> list;
  TableHandle t = book.store.openTable(kReservationsTable, kDayOfMonthKey);
  if (!t) return list;
  t.seek(SeekMode::SeekFromFirst, 0);
  for (RecordId r = t.seek(SeekMode::SeekAtLeast, 1); r != 0 && list.size() < kReservationListCapacity;
       r = t.seek(SeekMode::SeekFromCurrent, 1)) {
    Reservation reservation;
    readRecord(t, reservation);
    list.push_back(std::move(reservation));
  }
  return list;
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

Status saveNewReservation(Book& book, Reservation reservation) {
  reservation.startDate = reservationStartDate(reservation.dayOfMonth, today(book.clock));
  return addReservation(book, reservation);
}

Status addReservation(Book& book, const Reservation& reservation) {
  // Reservations share their counter with the assets.
  return addJournaled(book, kReservationsTable, ChangeLetter::Reservation, CounterNo::Reservation, reservation.reserveId,
               reservation);
}

Status replaceReservation(Book& book, Reservation reservation) {
  reservation.startDate = reservationStartDate(reservation.dayOfMonth, today(book.clock));
  return replaceJournaled(
      book, ChangeLetter::Reservation, reservation.reserveId, reservation,
      [&] { return deleteReservation(book, reservation.reserveId); }, [&] { return addReservation(book, reservation); });
}

bool deleteReservation(Book& book, int32_t reserveId) {
  return deleteJournaled(book, kReservationsTable, ChangeLetter::Reservation, reserveId);
}

Status deleteReservationAndLinks(Book& book, int32_t reserveId) {
  TransactionGuard tx(book.store);
  static_cast<void>(deleteReservation(book, reserveId));  // false also for one already gone, no failure
  if (Status links = deleteLinksOfReservation(book, reserveId); !links) book.store.fail(links.reason());
  return tx.finish();
}

bool reservationIdFree(Book& book, int32_t reserveId) { return idFree(book.store, kReservationsTable, reserveId); }

Status addReservationLink(Book& book, const ReservationLink& link) {
  return addJournaled(book, kReservationLinksTable, ChangeLetter::Link, CounterNo::Link, link.linkId, link);
}

bool deleteReservationLink(Book& book, int32_t linkId) {
  return deleteJournaled(book, kReservationLinksTable, ChangeLetter::Link, linkId);
}

Status deleteLinksOfReservation(Book& book, int32_t reserveId) {
  return deleteAllWithKey(book, kReservationLinksTable, kLinkReservationKey, reserveId);
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
