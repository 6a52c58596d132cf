#pragma once

// What the ledger tests read back about assets; the records themselves come from
// support/record_builders.h.

#include "store/asset_table.h"
#include "support/record_builders.h"

namespace coinest::testing {

inline int32_t balanceOf(Book& book, int32_t assetId) {
  const auto a = findAsset(book, assetId);
  return a ? a->balance : -999999;
}

}  // namespace coinest::testing
