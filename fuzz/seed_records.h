#pragma once

// Records of every awkward kind (Hangul beyond EUC-KR, -1 amounts, a "last day" period) from which
// the fuzz targets write their own seed inputs.

#include "store/records.h"
#include "support/record_builders.h"

namespace coinest::fuzz {

struct SeedRecords {
  LedgerEntry entry;
  Reservation reservation;
  Asset card;
};

inline SeedRecords seedRecords() {
  SeedRecords s;
  s.entry = testing::makeEntry(
      {.id = 10001, .content = "점심 똠양꿍", .amount = -1, .cardFlag = kYes, .assetId = 10003, .instalments = 3});
  s.reservation = testing::makeReservation({.id = 10005, .startDate = "2007-03-25"});
  s.card = testing::makeAsset(
      {.id = 10003, .kind = kCreditCardKind, .name = "카드", .periodFromMonth = 2, .periodToDay = 32});
  return s;
}

}  // namespace coinest::fuzz
