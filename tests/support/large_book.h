#pragma once

// A book of many records for the tests and benchmarks of whole-book operations (backup, restore,
// the upgrade). The records are written straight into their tables in one transaction, with no
// balance effects and no change files, so a hundred thousand take about a second.

#include <cstdint>

#include "platform/object_store.h"

namespace coinest::testing {

// Adds records until the seven record tables (entries, instalment rows, reservations, their links,
// major and minor categories, assets) hold `records` in all: a credit card and a bank account,
// then entries ten a day from 2000-01-01 (every fifth a card purchase in three instalments,
// followed by its two instalment rows), and in every hundred records one reservation, link, minor
// category or asset in turn. Every record has an id of its own; the id counters are raised past
// them at the end, as the program's own adds would have left them.
// REQUIRES: the seven tables hold fewer than `records` records. Aborts when a write fails.
void growBook(ObjectStore& store, uint32_t records);

}  // namespace coinest::testing
