#include "support/large_book.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calendar/date_text.h"
#include "calendar/day_number.h"
#include "store/id_counters.h"
#include "store/record_layout.h"
#include "store/table_catalogue.h"
#include "support/record_builders.h"
#include "support/require_ok.h"

namespace coinest::testing {

namespace {

constexpr int32_t kFirstEntryId = 100001;
constexpr int32_t kFirstInstalmentId = 200001;
constexpr int32_t kFirstOtherId = 300001;  // reservations, links, minor categories and assets
constexpr int32_t kCardId = 10901;
constexpr int32_t kAccountId = 10902;

uint32_t recordsOf(ObjectStore& store) {
  uint32_t count = 0;
  for (const std::string_view table : {kBooksTable, kInstalmentsTable, kReservationsTable, kReservationLinksTable,
                                       kMajorItemsTable, kMinorItemsTable, kAssetsTable}) {
    count += store.recordCount(table);
  }
  return count;
}

// Writes records into the open tables until the book holds `wanted`.
class Grower {
 public:
  Grower(ObjectStore& store, uint32_t wanted) : store_(store), held_(recordsOf(store)), wanted_(wanted) {}

  bool room() const { return held_ < wanted_; }

  template <class R>
  void write(std::string_view table, const R& record) {
    if (!room()) return;
    TableHandle& t = handle(table);
    requireOk(t && t.writeRecord(propsOf(record)) != 0);
    ++held_;
  }

 private:
  TableHandle& handle(std::string_view table) {
    for (auto& [name, open] : open_) {
      if (name == table) return open;
    }
    open_.emplace_back(table, store_.openTable(table, 0));
    return open_.back().second;
  }

  ObjectStore& store_;
  uint32_t held_;
  uint32_t wanted_;
  std::vector<std::pair<std::string_view, TableHandle>> open_;
};

}  // namespace

void growBook(ObjectStore& store, uint32_t records) {
  TransactionGuard tx(store);
  Grower book(store, records);
  book.write(kAssetsTable, makeAsset({.id = kCardId,
                                      .kind = kCreditCardKind,
                                      .name = "카드",
                                      .periodFromMonth = 2,
                                      .periodFromDay = 1,
                                      .periodToMonth = 2,
                                      .periodToDay = 32,
                                      .linkOrPayDay = 25}));
  book.write(kAssetsTable, makeAsset({.id = kAccountId, .name = "급여통장", .balance = 1000000}));

  int32_t entries = 0;
  int32_t instalments = 0;
  int32_t others = 0;
  int32_t lastReservation = 0;
  for (uint32_t i = 0; book.room(); ++i) {
    if (i % 100 == 99) {
      const int32_t id = kFirstOtherId + others;
      switch (others++ % 4) {
        case 0:
          lastReservation = id;
          book.write(kReservationsTable, makeReservation({.id = id, .dayOfMonth = 1 + id % 28}));
          break;
        case 1:
          book.write(kReservationLinksTable,
                     ReservationLink{id, "200703", lastReservation, kFirstEntryId + entries - 1});
          break;
        case 2: book.write(kMinorItemsTable, MinorItem{id, 10001, "항목 " + std::to_string(id), id, "Y"}); break;
        default: book.write(kAssetsTable, makeAsset({.id = id, .name = "통장 " + std::to_string(id)})); break;
      }
      continue;
    }
    const int32_t n = entries++;
    const DateTime day = addDays(2000, 1, 1, n / 10);
    const std::string date = formatDateText(day.year, day.month, day.day);
    const bool purchase = n % 5 == 1;
    LedgerEntry e = makeEntry({.id = kFirstEntryId + n,
                               .date = date,
                               .kind = n % 10 == 0 ? kIncomeKind : kExpenseKind,
                               .content = "점심 " + std::to_string(n % 977),
                               .amount = 1000 + (n * 7919) % 200000});
    if (purchase) {
      e.cardFlag = kYes;
      e.assetId = kCardId;
      e.instalments = 3;
    } else if (n % 10 == 0) {
      e.assetId = kAccountId;
    }
    book.write(kBooksTable, e);
    if (!purchase) continue;
    for (int32_t k = 2; k <= 3; ++k) {
      book.write(kInstalmentsTable, InstalmentRow{kFirstInstalmentId + instalments++, date, e.entryId, k, kCardId});
    }
  }
  requireOk(raiseCountersToIdsInUse(store));
  requireOk(tx.commit());
}

}  // namespace coinest::testing
