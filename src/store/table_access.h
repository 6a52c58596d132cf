#pragma once

// Finding, reading, writing and deleting one record of a many-record table by its id (kIdKey).

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/object_store.h"
#include "store/record_layout.h"
#include "store/table_catalogue.h"

namespace coinest {

// Positions `table` (opened by kIdKey) on the record with this id and returns it; 0 unless the
// id read back from the record there equals `id` (a failed seek may leave another record current,
// and a record lacking the key never matches, not even id 0).
RecordId seekById(TableHandle& table, int32_t id);

// Removes the record with this id; true when there was one and it was deleted.
bool deleteById(ObjectStore& store, std::string_view table, int32_t id);

// True when no record has this id, and also when the table cannot be opened.
bool idFree(ObjectStore& store, std::string_view table, int32_t id);

// The integer property `key` of the current record; none when the record lacks it.
std::optional<int32_t> intKeyOf(const TableHandle& table, PropId key);

// Writes a new record with every property; false when the table cannot be opened or the write fails.
template <class R>
bool writeNew(ObjectStore& store, std::string_view table, const R& record) {
  TableHandle t = store.openTable(table, 0);
  return t && t.writeRecord(propsOf(record)) != 0;
}

// The record with this id (missing properties read as the layout's presets); none when the
// table cannot be opened or holds no such record.
template <class R>
std::optional<R> findById(ObjectStore& store, std::string_view table, int32_t id) {
  TableHandle t = store.openTable(table, kIdKey);
  if (!t || seekById(t, id) == 0) return std::nullopt;
  R record;
  readRecord(t, record);
  return record;
}

}  // namespace coinest
