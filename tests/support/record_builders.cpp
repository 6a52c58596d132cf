#include "support/record_builders.h"

#include "support/require_ok.h"

#include <utility>

#include "store/asset_table.h"
#include "store/id_counters.h"
#include "store/reserved_names.h"

namespace coinest::testing {

namespace {

struct Category {
  const char* major;
  const char* minor;
};

Category testCategoryOf(const std::string& kind) {
  if (kind == kIncomeKind) return {"고정수입", "급여"};
  if (kind == kTransferKind) return {kTransferCategory, kAccountTransferMinor};
  return {"식비", "외식"};
}

}  // namespace

LedgerEntry makeEntry(const EntrySpec& spec) {
  const Category category = testCategoryOf(spec.kind);
  LedgerEntry e;
  e.entryId = spec.id;
  e.entryDate = spec.date;
  e.entryKind = spec.kind;
  e.majorItem = spec.major.empty() ? category.major : spec.major;
  e.minorItem = spec.minor.empty() ? category.minor : spec.minor;
  e.content = spec.content;
  e.amount = spec.amount;
  e.cardFlag = spec.cardFlag;
  e.assetId = spec.assetId;
  e.instalments = spec.instalments;
  e.toAssetId = spec.toAssetId;
  return e;
}

LedgerEntry makeEntry(std::string date, std::string kind, int32_t amount) {
  return makeEntry({.date = std::move(date), .kind = std::move(kind), .amount = amount});
}

Reservation makeReservation(const ReservationSpec& spec) {
  Reservation r;
  r.reserveId = spec.id;
  r.dayOfMonth = spec.dayOfMonth;
  r.entryKind = spec.kind;
  r.majorItem = spec.major;
  r.minorItem = spec.minor;
  r.content = spec.content;
  r.amount = spec.amount;
  r.cardFlag = spec.cardFlag;
  r.startDate = spec.startDate;
  r.note = spec.note;
  r.assetId = spec.assetId;
  r.instalments = spec.instalments;
  return r;
}

Asset makeAsset(const AssetSpec& spec) {
  Asset a;
  a.assetId = spec.id;
  a.assetKind = spec.kind;
  a.assetName = spec.name;
  a.assetNumber = spec.number;
  a.holder = spec.holder;
  a.company = spec.company.empty() ? spec.name + " bank" : spec.company;
  a.periodFromMonth = spec.periodFromMonth;
  a.periodFromDay = spec.periodFromDay;
  a.periodToMonth = spec.periodToMonth;
  a.periodToDay = spec.periodToDay;
  a.linkOrPayDay = spec.linkOrPayDay;
  a.balance = spec.balance;
  return a;
}

Asset addNewAsset(Book& book, AssetSpec spec) {
  const std::optional<int32_t> id = takeId(book.store, CounterNo::Reservation);  // shared with the reservations
  requireOk(id.has_value());
  spec.id = *id;
  const Asset asset = makeAsset(spec);
  requireOk(addAsset(book, asset));
  return asset;
}

Asset cardWithPeriod(int32_t fromMonth, int32_t fromDay, int32_t toMonth, int32_t toDay) {
  return makeAsset({.kind = kCreditCardKind,
                    .periodFromMonth = fromMonth,
                    .periodFromDay = fromDay,
                    .periodToMonth = toMonth,
                    .periodToDay = toDay});
}

}  // namespace coinest::testing
