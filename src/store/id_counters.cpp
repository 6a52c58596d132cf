#include "store/id_counters.h"

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

}  // namespace

IdCounters readCounters(ObjectStore& store) {
  IdCounters counters;
  readSingleRecord(store, kCountersTable, counters);
  return counters;
}

int32_t takeId(ObjectStore& store, CounterNo counter) {
  IdCounters counters;
  if (readSingleRecord(store, kCountersTable, counters) == SingleRecordRead::NoTable) return -1;
  int32_t& value = counterField(counters, counter);
  ++value;
  replaceSingleRecord(store, kCountersTable, counters);
  return value;
}

void raiseCounter(ObjectStore& store, CounterNo counter, int32_t id) {
  IdCounters counters;
  if (readSingleRecord(store, kCountersTable, counters) == SingleRecordRead::NoTable) return;
  int32_t& value = counterField(counters, counter);
  if (value >= id) return;
  value = id;
  replaceSingleRecord(store, kCountersTable, counters);
}

void writeCounters(ObjectStore& store, const IdCounters& counters) { writeNew(store, kCountersTable, counters); }

}  // namespace coinest
