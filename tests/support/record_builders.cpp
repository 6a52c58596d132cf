#include "support/record_builders.h"

#include <utility>

#include "store/asset_table.h"
#include "store/id_counters.h"
#include "store/reserved_names.h"
#include "support/require_ok.h"

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

// The fields an entry and the reservation that posts it share.
template <class Record, class Given>
void copySharedFields(const Given& given, Record& record) {
  record.entryKind = given.kind;
  record.content = given.content;
  record.amount = given.amount;
  record.cardFlag = given.cardFlag;
  record.assetId = given.assetId;
  record.instalments = given.instalments;
}

}  // namespace

LedgerEntry makeEntry(const EntryFields& given) {
  const Category category = testCategoryOf(given.kind);
  LedgerEntry e;
  copySharedFields(given, e);
  e.entryId = given.id;
  e.entryDate = given.date;
  e.majorItem = given.major.empty() ? category.major : given.major;
  e.minorItem = given.minor.empty() ? category.minor : given.minor;
  e.phoneFlag = given.phoneFlag;
  e.checkCardFlag = given.checkCardFlag;
  e.toAssetId = given.toAssetId;
  return e;
}

LedgerEntry makeEntry(std::string date, std::string kind, int32_t amount) {
  return makeEntry({.date = std::move(date), .kind = std::move(kind), .amount = amount});
}

Reservation makeReservation(const ReservationFields& given) {
  Reservation r;
  copySharedFields(given, r);
  r.reserveId = given.id;
  r.dayOfMonth = given.dayOfMonth;
  r.majorItem = given.major;
  r.minorItem = given.minor;
  r.startDate = given.startDate;
  r.note = given.note;
  return r;
}

Asset makeAsset(const AssetFields& given) {
  Asset a;
  a.assetId = given.id;
  a.assetKind = given.kind;
  a.assetName = given.name;
  a.assetNumber = given.number;
  a.holder = given.holder;
  a.company = given.company.empty() ? given.name + " bank" : given.company;
  a.periodFromMonth = given.periodFromMonth;
  a.periodFromDay = given.periodFromDay;
  a.periodToMonth = given.periodToMonth;
  a.periodToDay = given.periodToDay;
  a.linkOrPayDay = given.linkOrPayDay;
  a.balance = given.balance;
  return a;
}

Asset addNewAsset(Book& book, AssetFields given) {
  const std::optional<int32_t> id = takeId(book.store, CounterNo::Reservation);  // shared with the reservations
  requireOk(id.has_value());
  given.id = *id;
  const Asset asset = makeAsset(given);
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
