#pragma once

// The five id counters of "CoinestEnv". Each holds the last id handed out; they only grow.

#include <cstdint>
#include <optional>

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

// Hands out the counter's next id (its value plus one) after storing it. Nothing, with the open
// transaction failed and the reason in the store's lastError, when the counters cannot be read or
// stored, or when the counter stands at the largest id there is (2147483647). An empty table
// counts as all five at 10000.
std::optional<int32_t> takeId(ObjectStore& store, CounterNo counter);

// Makes the counter at least `id`; never lowers it. False when it could not be stored.
bool raiseCounter(ObjectStore& store, CounterNo counter, int32_t id);

// Raises each counter to the highest id below 500000 of the tables it serves, so that no id it
// hands out exists already (after a restore brought counters from a file). False when the store
// failed.
bool raiseCountersToIdsInUse(ObjectStore& store);

// Writes a new counters record without deleting the old one: only for an empty table.
bool writeCounters(ObjectStore& store, const IdCounters& counters);

// The stored counters; all 10000 when the table is empty or cannot be opened.
IdCounters readCounters(ObjectStore& store);

}  // namespace coinest
