#pragma once

// The twelve tables of the book: names, sort orders and the key each is found by.

#include <array>
#include <span>
#include <string_view>

#include "platform/object_store.h"

namespace coinest {

inline constexpr std::string_view kBooksTable = "CoinestBooks";
inline constexpr std::string_view kInstalmentsTable = "CoinestInst";
inline constexpr std::string_view kReservationsTable = "CoinestReserve";
inline constexpr std::string_view kReservationLinksTable = "CoinestRBLink";
inline constexpr std::string_view kPostingDateTable = "CoinestRBDate";
inline constexpr std::string_view kMajorItemsTable = "CoinestIteml";
inline constexpr std::string_view kMinorItemsTable = "CoinestItems";
inline constexpr std::string_view kAssetsTable = "CoinestAssets";
inline constexpr std::string_view kCountersTable = "CoinestEnv";
inline constexpr std::string_view kConSettingsTable = "CoinestCon";
inline constexpr std::string_view kCon2SettingsTable = "CoinestCon2";
inline constexpr std::string_view kHolidaysTable = "CoinestRest";

// The key of the many-record tables: property 1 as an integer (the record's id).
inline constexpr PropId kIdKey = makePropId(1, PropType::Int32);

struct TableDef {
  std::string_view name;
  std::span<const SortOrder> sortOrders;
  PropId key = 0;  // the property records are found by; 0 for the one-record tables
};

// In catalogue order: CoinestBooks, CoinestInst, CoinestReserve, CoinestRBLink, CoinestRBDate,
// CoinestIteml, CoinestItems, CoinestAssets, CoinestEnv, CoinestCon, CoinestCon2, CoinestRest.
std::span<const TableDef> bookTables();

// The definition of one table, or nullptr for a name that is not one of the twelve.
const TableDef* findTableDef(std::string_view name);

// Creates the table with its sort orders; returns true when it was new.
bool createBookTable(ObjectStore& store, std::string_view name);

}  // namespace coinest
