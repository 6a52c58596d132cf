#pragma once

// The five id counters of "CoinestEnv". Each holds the last id handed out; they only grow.

#include <cstdint>

#include "platform/object_store.h"
#include "store/records.h"

namespace coinest {

enum class CounterNo : int {
  Entry = 0,        // entries
  Instalment = 1,   // instalment rows and major categories
  Minor = 2,        // minor categories
  Reservation = 3,  // reservations and assets
  Link = 4,         // reservation links
};

inline constexpr int32_t kCounterStart = 10000;
// Ids from here up come from the desktop companion and never move a counter.
inline constexpr int32_t kDesktopIdBase = 500000;

// Hands out the counter's next id (its value plus one) after storing it. Returns -1 when the
// counters table cannot be opened. An empty table counts as all five at 10000.
int32_t takeId(ObjectStore& store, CounterNo counter);

// Makes the counter at least `id`; never lowers it.
void raiseCounter(ObjectStore& store, CounterNo counter, int32_t id);

// Writes a new counters record without deleting the old one: only for an empty table.
void writeCounters(ObjectStore& store, const IdCounters& counters);

// The stored counters; all 10000 when the table is empty or cannot be opened.
IdCounters readCounters(ObjectStore& store);

}  // namespace coinest
