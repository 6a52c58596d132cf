#include "store/id_counters.h"

#include <array>
#include <limits>
#include <string>
#include <string_view>

#include "store/single_record.h"
#include "store/table_access.h"
#include "store/table_catalogue.h"

namespace coinest {

namespace {

int32_t& counterField(IdCounters& c, CounterNo n) {
  switch (n) {
    case CounterNo::Entry: return c.entryCounter;
    case CounterNo::Instalment: return c.instCounter;
    case CounterNo::Minor: return c.minorCounter;
    case CounterNo::Reservation: return c.reserveCounter;
    case CounterNo::Link: break;
  }
  return c.linkCounter;
}

// The highest id of the device's range (below 500000) in the table; 0 when there is none.
int32_t highestDeviceId(ObjectStore& store, std::string_view table) {
  TableHandle t = store.openTable(table, kIdKey);
  if (!t) return 0;
  // Step back from the first desktop id, or from the end when there is none.
  RecordId r = t.seek(SeekMode::SeekAtLeast, kDesktopIdBase);
  r = r != 0 ? t.seek(SeekMode::SeekFromCurrent, -1) : 0;
  if (r == 0) {
    const uint32_t count = store.recordCount(table);
    if (count == 0) return 0;
    r = t.seek(SeekMode::SeekFromFirst, static_cast<int32_t>(count - 1));
  }
  // Records without an id sort last; walk back over them and over desktop ids.
  while (r != 0) {
    const std::optional<int32_t> id = intKeyOf(t, kIdKey);
    if (id && *id < kDesktopIdBase) return *id;
    r = t.seek(SeekMode::SeekFromCurrent, -1);
  }
  return 0;
}

struct CounterTables {
  CounterNo counter;
  std::array<std::string_view, 2> tables;  // an empty name for a counter that serves one table
};

// Which tables take their ids from which counter.
constexpr std::array<CounterTables, 5> kCounterTables = {{
    {CounterNo::Entry, {kBooksTable, ""}},
    {CounterNo::Instalment, {kInstalmentsTable, kMajorItemsTable}},
    {CounterNo::Minor, {kMinorItemsTable, ""}},
    {CounterNo::Reservation, {kReservationsTable, kAssetsTable}},
    {CounterNo::Link, {kReservationLinksTable, ""}},
}};

}  // namespace

IdCounters readCounters(ObjectStore& store) {
  IdCounters counters;
  readSingleRecord(store, kCountersTable, counters);
  return counters;
}

std::optional<int32_t> takeId(ObjectStore& store, CounterNo counter) {
  TransactionGuard tx(store);
  IdCounters counters;
  if (readSingleRecord(store, kCountersTable, counters) == SingleRecordRead::NoTable) {
    store.fail("the id counters cannot be read");
    return std::nullopt;
  }
  int32_t& value = counterField(counters, counter);
  if (value == std::numeric_limits<int32_t>::max()) {
    store.fail("no new id can be given: the id counter has reached " + std::to_string(value));
    return std::nullopt;
  }
  ++value;
  if (!replaceSingleRecord(store, kCountersTable, counters) || !tx.commit()) return std::nullopt;
  return value;
}

bool raiseCounter(ObjectStore& store, CounterNo counter, int32_t id) {
  IdCounters counters;
  if (readSingleRecord(store, kCountersTable, counters) == SingleRecordRead::NoTable) return false;
  int32_t& value = counterField(counters, counter);
  if (value >= id) return true;
  value = id;
  return replaceSingleRecord(store, kCountersTable, counters);
}

bool raiseCountersToIdsInUse(ObjectStore& store) {
  TransactionGuard tx(store);
  for (const CounterTables& served : kCounterTables) {
    int32_t highest = 0;
    for (const std::string_view table : served.tables) {
      if (!table.empty()) highest = std::max(highest, highestDeviceId(store, table));
    }
    if (!raiseCounter(store, served.counter, highest)) tx.abandon();
  }
  return tx.commit();
}

bool writeCounters(ObjectStore& store, const IdCounters& counters) { return writeNew(store, kCountersTable, counters); }

}  // namespace coinest
