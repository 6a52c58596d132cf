#pragma once

// The category tables "CoinestIteml" (major) and "CoinestItems" (minor), and the built-in
// transfer categories that are never stored.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "store/book.h"
#include "store/records.h"

namespace coinest {

// A list holds at most this many categories (the first found in walk order are kept).
inline constexpr std::size_t kCategoryListCapacity = 500;

// The built-in transfer major "현금" and its four minors carry these ids.
inline constexpr int32_t kTransferMajorId = -999;

struct MajorList {
  std::vector<MajorItem> items;  // sorted by itemOrder, equal orders by name
  int32_t highestOrder = 0;
};

struct MinorList {
  std::vector<MinorItem> items;  // sorted by itemOrder, equal orders by name
  int32_t highestOrder = 0;
};

// The majors of a kind (entry_kind.h); for kTransferKind the built-in transfer major alone.
MajorList loadMajorItems(Book& book, std::string_view itemKind);
// As loadMajorItems, without "전월이월" and "카드대금".
MajorList loadMajorItemsForQuery(Book& book, std::string_view itemKind);
// The minors of a major; for kTransferMajorId the four built-in transfer minors.
MinorList loadMinorItems(Book& book, int32_t majorId);
std::optional<MinorItem> findMinorItem(Book& book, int32_t minorId);

// Adds write an "F" / "E" add change file (usual rule); while an import is applied an id below
// 500000 raises the instalment / minor counter.
Status addMajorItem(Book& book, const MajorItem& item);
Status addMinorItem(Book& book, const MinorItem& item);
// Replacements write one modify change file (whenever exchange is on).
Status replaceMajorItem(Book& book, const MajorItem& item);
Status replaceMinorItem(Book& book, const MinorItem& item);
// Deletes write a delete change file (usual rule) whether or not the record existed; they
// return whether it did.
bool deleteMajorItem(Book& book, int32_t majorId);
bool deleteMinorItem(Book& book, int32_t minorId);
// Deletes every minor of the major; no change file.
Status deleteMinorItemsOf(Book& book, int32_t majorId);

bool majorIdFree(Book& book, int32_t majorId);
bool minorIdFree(Book& book, int32_t minorId);

}  // namespace coinest
