#include "store/table_catalogue.h"

namespace coinest {

namespace {

constexpr SortOrder intOrder(uint16_t number) { return SortOrder{makePropId(number, PropType::Int32)}; }
constexpr SortOrder textOrder(uint16_t number) { return SortOrder{makePropId(number, PropType::Text)}; }

constexpr SortOrder kBooksOrders[] = {intOrder(1), textOrder(2), textOrder(5)};
constexpr SortOrder kInstalmentsOrders[] = {intOrder(1), textOrder(2), intOrder(3), intOrder(5)};
constexpr SortOrder kReservationsOrders[] = {intOrder(1), intOrder(2)};
constexpr SortOrder kReservationLinksOrders[] = {intOrder(1), intOrder(3), intOrder(4)};
constexpr SortOrder kMajorItemsOrders[] = {intOrder(1), textOrder(2)};
constexpr SortOrder kMinorItemsOrders[] = {intOrder(1), intOrder(2)};
constexpr SortOrder kAssetsOrders[] = {intOrder(1), textOrder(2)};
constexpr SortOrder kHolidaysOrders[] = {textOrder(1), intOrder(0)};

const TableDef kTables[] = {
    {kBooksTable, kBooksOrders, kIdKey},
    {kInstalmentsTable, kInstalmentsOrders, kIdKey},
    {kReservationsTable, kReservationsOrders, kIdKey},
    {kReservationLinksTable, kReservationLinksOrders, kIdKey},
    {kPostingDateTable, {}, 0},
    {kMajorItemsTable, kMajorItemsOrders, kIdKey},
    {kMinorItemsTable, kMinorItemsOrders, kIdKey},
    {kAssetsTable, kAssetsOrders, kIdKey},
    {kCountersTable, {}, 0},
    {kConSettingsTable, {}, 0},
    {kCon2SettingsTable, {}, 0},
    {kHolidaysTable, kHolidaysOrders, makePropId(0, PropType::Int32)},
};

}  // namespace

std::span<const TableDef> bookTables() { return kTables; }

const TableDef* findTableDef(std::string_view name) {
  for (const TableDef& t : kTables) {
    if (t.name == name) return &t;
  }
  return nullptr;
}

bool createBookTable(ObjectStore& store, std::string_view name) {
  const TableDef* def = findTableDef(name);
  return def != nullptr && store.createTable(name, def->sortOrders) != 0;
}

}  // namespace coinest
