#pragma once

// The card purchases' amounts summed by card and month, kept beside the entry table, so that the
// "still to come" total of an early statement month is read from a few sums instead of a walk
// over every later entry. They are a tally of the store: whatever writes or deletes an entry
// without keeping them (a restore, a full import, another program) leaves them stale, and stale
// sums are never read; they are built again where the book can be written.

#include <optional>
#include <string_view>
#include <vector>

#include "platform/object_store.h"
#include "platform/status.h"
#include "store/entry_table.h"

namespace coinest {

// The month an entry is summed under: the first seven characters of its date ("2026-12"). Dates
// compare as byte texts, so an entry whose month key is after another date's is after that date.
std::string_view monthKeyOfDate(std::string_view date);

bool cardMonthSumsCurrent(ObjectStore& store);

// Called in the write transaction that wrote (sign +1) or deleted (sign -1) the entry, after the
// record step, with whether the sums were current before it: keeps them current then. Outside a
// transaction it does nothing (the record step has left them stale). False when a write failed.
bool keepCardMonthSums(ObjectStore& store, bool wereCurrent, const EntryAmount& entry, int sign);

// Builds the sums from the entry table, in the caller's write transaction or a transaction of its
// own. Cheap to call when they are current.
Status rebuildCardMonthSums(ObjectStore& store);

// Per card (the group is the card's asset id), the sum of its purchases dated in months after
// `monthKey`; nothing when the sums are stale.
std::optional<std::vector<TallyTotal>> cardSumsAfterMonth(ObjectStore& store, std::string_view monthKey);

}  // namespace coinest
