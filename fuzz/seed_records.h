#pragma once

// Records of every awkward kind (Hangul beyond EUC-KR, -1 amounts, a "last day" period) from which
// the fuzz targets write their own seed inputs.

#include "store/records.h"

namespace coinest::fuzz {

struct SeedRecords {
  LedgerEntry entry;
  Reservation reservation;
  Asset card;
};

inline SeedRecords seedRecords() {
  SeedRecords s;
  LedgerEntry& e = s.entry;
  e.entryId = 10001;
  e.entryDate = "2007-03-05";
  e.entryKind = "2";
  e.majorItem = "식비";
  e.minorItem = "외식";
  e.content = "점심 똠양꿍";
  e.amount = -1;
  e.cardFlag = "Y";
  e.assetId = 10003;
  e.instalments = 3;
  Reservation& r = s.reservation;
  r.reserveId = 10005;
  r.dayOfMonth = 25;
  r.content = "월세";
  r.startDate = "2007-03-25";
  Asset& a = s.card;
  a.assetId = 10003;
  a.assetKind = "2";
  a.assetName = "카드";
  a.periodFromMonth = 2;
  a.periodToDay = 32;
  return s;
}

}  // namespace coinest::fuzz
