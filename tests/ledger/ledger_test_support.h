#pragma once

// Small builders for the ledger tests: assets and entries of each kind.

#include <string>

#include "store/asset_table.h"
#include "store/id_counters.h"
#include "store/records.h"

namespace coinest::testing {

inline Asset makeAsset(Book& book, const std::string& kind, const std::string& name, int32_t linkOrPayDay = 0,
                       int32_t balance = 0) {
  Asset a;
  a.assetId = *takeId(book.store, CounterNo::Reservation);
  a.assetKind = kind;
  a.assetName = name;
  a.company = name + " bank";
  a.linkOrPayDay = linkOrPayDay;
  a.balance = balance;
  EXPECT_TRUE(addAsset(book, a));
  return a;
}

inline int32_t balanceOf(Book& book, int32_t assetId) {
  const auto a = findAsset(book, assetId);
  return a ? a->balance : -999999;
}

// A credit card (not stored) with the billing period given.
inline Asset cardWithPeriod(int32_t fromMonth, int32_t fromDay, int32_t toMonth, int32_t toDay) {
  Asset card;
  card.assetKind = "2";
  card.periodFromMonth = fromMonth;
  card.periodFromDay = fromDay;
  card.periodToMonth = toMonth;
  card.periodToDay = toDay;
  return card;
}

inline LedgerEntry makeEntry(const std::string& date, const std::string& kind, int32_t amount) {
  LedgerEntry e;
  e.entryDate = date;
  e.entryKind = kind;
  e.majorItem = kind == "1" ? "고정수입" : kind == "2" ? "식비" : "현금";
  e.minorItem = kind == "1" ? "급여" : kind == "2" ? "외식" : "계좌 이동";
  e.content = "test";
  e.amount = amount;
  e.cardFlag = "N";
  return e;
}

}  // namespace coinest::testing
