#include "store/category_tables.h"

#include <algorithm>
#include <array>
#include <string>

#include "store/entry_kind.h"
#include "store/id_counters.h"
#include "store/journaled_writes.h"
#include "store/record_layout.h"
#include "store/reserved_names.h"
#include "store/table_access.h"
#include "store/table_catalogue.h"

namespace coinest {

namespace {

constexpr PropId kMajorKindKey = makePropId(2, PropType::Text);
constexpr PropId kMinorParentKey = makePropId(2, PropType::Int32);

// The transfer categories are not stored: they exist for every book and the desktop never sees them.
const MajorItem kTransferMajor{kTransferMajorId, kTransferKind, kTransferCategory, 1};
const std::array kTransferMinors = {
    MinorItem{-999, kTransferMajorId, kCashDepositMinor, 1, kYes},
    MinorItem{-998, kTransferMajorId, kCashWithdrawalMinor, 2, kYes},
    MinorItem{-997, kTransferMajorId, kCashAdvanceMinor, 3, kYes},
    MinorItem{-996, kTransferMajorId, kAccountTransferMinor, 4, kYes},
};

template <class Item>
void sortItems(std::vector<Item>& items) {
  std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
    if (a.itemOrder != b.itemOrder) return a.itemOrder < b.itemOrder;
    return a.itemName < b.itemName;  // byte order of UTF-8 is character code order
  });
}

// Every stored major of the kind, in walk order (the first kCategoryListCapacity kept).
MajorList walkMajors(Book& book, std::string_view itemKind) {
  MajorList list;
  TableHandle t = book.store.openTable(kMajorItemsTable, kMajorKindKey);
  if (!t) return list;
  t.seek(SeekMode::SeekFromFirst, 0);
  for (RecordId r = t.seek(SeekMode::SeekAtLeast, std::string(itemKind)); r != 0;
       r = t.seek(SeekMode::SeekFromCurrent, 1)) {
    MajorItem item;
    readRecord(t, item);
    if (item.itemKind != itemKind) continue;
    list.highestOrder = std::max(list.highestOrder, item.itemOrder);
    if (list.items.size() < kCategoryListCapacity) list.items.push_back(std::move(item));
  }
  return list;
}

}  // namespace

MajorList loadMajorItems(Book& book, std::string_view itemKind) {
  if (itemKind == kTransferKind) return MajorList{{kTransferMajor}, kTransferMajor.itemOrder};
  MajorList list = walkMajors(book, itemKind);
  sortItems(list.items);
  return list;
}

MajorList loadMajorItemsForQuery(Book& book, std::string_view itemKind) {
  if (itemKind == kTransferKind) return MajorList{{kTransferMajor}, kTransferMajor.itemOrder};
  MajorList list = walkMajors(book, itemKind);
  // The carry-over and the card payments are not categories a query asks for.
  std::erase_if(list.items, [](const MajorItem& m) {
    return m.itemName == kCarryOverCategory || m.itemName == kCardPaymentCategory;
  });
  sortItems(list.items);
  return list;
}

MinorList loadMinorItems(Book& book, int32_t majorId) {
  MinorList list;
  if (majorId == kTransferMajorId) {
    list.items.assign(kTransferMinors.begin(), kTransferMinors.end());
    list.highestOrder = kTransferMinors.back().itemOrder;
    return list;
  }
  TableHandle t = book.store.openTable(kMinorItemsTable, kMinorParentKey);
  if (!t) return list;
  t.seek(SeekMode::SeekFromFirst, 0);
  for (RecordId r = t.seek(SeekMode::SeekAtLeast, majorId); r != 0; r = t.seek(SeekMode::SeekFromCurrent, 1)) {
    if (intKeyOf(t, kMinorParentKey) != majorId) continue;
    MinorItem item;
    readRecord(t, item);
    list.highestOrder = std::max(list.highestOrder, item.itemOrder);
    if (list.items.size() < kCategoryListCapacity) list.items.push_back(std::move(item));
  }
  t.close();
  sortItems(list.items);
  return list;
}

std::optional<MinorItem> findMinorItem(Book& book, int32_t minorId) {
  return findById<MinorItem>(book.store, kMinorItemsTable, minorId);
}

Status addMajorItem(Book& book, const MajorItem& item) {
  // Majors share their counter with the instalment rows.
  return addJournaled(book, kMajorItemsTable, ChangeLetter::Major, CounterNo::Instalment, item.majorId, item);
}

Status addMinorItem(Book& book, const MinorItem& item) {
  return addJournaled(book, kMinorItemsTable, ChangeLetter::Minor, CounterNo::Minor, item.minorId, item);
}

Status replaceMajorItem(Book& book, const MajorItem& item) {
  return replaceJournaled(
      book, ChangeLetter::Major, item.majorId, item, [&] { return deleteMajorItem(book, item.majorId); },
      [&] { return addMajorItem(book, item); });
}

Status replaceMinorItem(Book& book, const MinorItem& item) {
  return replaceJournaled(
      book, ChangeLetter::Minor, item.minorId, item, [&] { return deleteMinorItem(book, item.minorId); },
      [&] { return addMinorItem(book, item); });
}

bool deleteMajorItem(Book& book, int32_t majorId) {
  return deleteJournaled(book, kMajorItemsTable, ChangeLetter::Major, majorId);
}

bool deleteMinorItem(Book& book, int32_t minorId) {
  return deleteJournaled(book, kMinorItemsTable, ChangeLetter::Minor, minorId);
}

Status deleteMinorItemsOf(Book& book, int32_t majorId) {
  return deleteAllWithKey(book, kMinorItemsTable, kMinorParentKey, majorId);
}

bool majorIdFree(Book& book, int32_t majorId) { return idFree(book.store, kMajorItemsTable, majorId); }

bool minorIdFree(Book& book, int32_t minorId) { return idFree(book.store, kMinorItemsTable, minorId); }

}  // namespace coinest
