#pragma once

// The two settings records, "CoinestCon" and "CoinestCon2".

#include "platform/object_store.h"
#include "store/records.h"

namespace coinest {

// The stored settings; "N", "", "N", "1" when the table is empty. When the table cannot be
// opened, `settings` is left as it was. A record without the start day reads it as "1".
void readConSettings(ObjectStore& store, ConSettings& settings);
// The writes return false when the record could not be stored.
bool writeConSettings(ObjectStore& store, const ConSettings& settings);

// The stored carry-over settings; "N", 0, 0 when the table is empty.
void readCon2Settings(ObjectStore& store, Con2Settings& settings);
bool writeCon2Settings(ObjectStore& store, const Con2Settings& settings);

}  // namespace coinest
